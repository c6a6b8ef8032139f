#include "playback/KeyMap.h"

#include <array>
#include <utility>

namespace korvanel {

namespace {

// Picture index by key: 1..8, Space, Z, X, C, V, B, N, M.
constexpr std::array<std::uint16_t, 16> PictureKeys = {'1',       '2', '3', '4', '5', '6', '7', '8',
                                                       vk::Space, 'Z', 'X', 'C', 'V', 'B', 'N', 'M'};

constexpr char ConveyorLetters[] = "QWERTYUIOPASDFGHJKL";

// X key codes (evdev + 8) of the keys whose virtual key does not follow from a range.
constexpr std::pair<std::uint32_t, std::uint16_t> XkbKeys[] = {
    {9, 27},    // Escape
    {20, 189},  // minus
    {21, 187},  // equal
    {22, 8},    // Backspace
    {23, 9},    // Tab
    {34, 219},  // [
    {35, 221},  // ]
    {36, 13},   // Return
    {37, 17},   // left Ctrl
    {47, 186},  // ;
    {48, 222},  // '
    {49, 192},  // `
    {50, 16},   // left Shift
    {51, 220},  // backslash
    {59, 188},  // ,
    {60, 190},  // .
    {61, 191},  // /
    {62, 16},   // right Shift
    {63, 106},  // keypad *
    {64, 18},   // left Alt
    {65, 32},   // Space
    {66, 20},   // Caps Lock
    {77, 144},  // Num Lock
    {78, 145},  // Scroll Lock
    {79, 103},  // keypad 7
    {80, 104},  // keypad 8
    {81, 105},  // keypad 9
    {82, 109},  // keypad -
    {83, 100},  // keypad 4
    {84, 101},  // keypad 5
    {85, 102},  // keypad 6
    {86, 107},  // keypad +
    {87, 97},   // keypad 1
    {88, 98},   // keypad 2
    {89, 99},   // keypad 3
    {90, 96},   // keypad 0
    {91, 110},  // keypad .
    {94, 226},  // the extra key left of Z on ISO keyboards
    {95, 122},  // F11
    {96, 123},  // F12
    {104, 13},  // keypad Enter
    {105, 17},  // right Ctrl
    {106, 111}, // keypad /
    {107, 44},  // Print Screen
    {108, 18},  // right Alt
    {110, 36},  // Home
    {111, 38},  // Up
    {112, 33},  // Page Up
    {113, 37},  // Left
    {114, 39},  // Right
    {115, 35},  // End
    {116, 40},  // Down
    {117, 34},  // Page Down
    {118, 45},  // Insert
    {119, 46},  // Delete
    {127, 19},  // Pause
    {133, 91},  // left Windows key
    {134, 92},  // right Windows key
    {135, 93},  // menu key
};

// Letters of the three letter rows, by X key code.
constexpr std::pair<std::uint32_t, const char *> XkbLetterRows[] = {
    {24, "QWERTYUIOP"},
    {38, "ASDFGHJKL"},
    {52, "ZXCVBNM"},
};

// The Russian layout's letters, upper case from U+0410 (А) to U+042F (Я),
// each with the US key it shares.
constexpr std::uint16_t CyrillicKeys[32] = {
    'F', 188, 'D', 'U', 'L', 'T', 186, 'P', // А Б В Г Д Е Ж З
    'B', 'Q', 'R', 'K', 'V', 'Y', 'J', 'G', // И Й К Л М Н О П
    'H', 'C', 'N', 'E', 'A', 219, 'W', 'X', // Р С Т У Ф Х Ц Ч
    'I', 'O', 221, 'S', 'M', 222, 190, 'Z', // Ш Щ Ъ Ы Ь Э Ю Я
};

} // namespace

int conveyorSlotOfKey(std::uint16_t virtualKey)
{
    for (int n = 0; ConveyorLetters[n] != '\0'; ++n) {
        if (virtualKey == static_cast<std::uint8_t>(ConveyorLetters[n]))
            return n + 1;
    }
    return 0;
}

KeyCommand liveKey(std::uint16_t virtualKey, bool conveyorKeys)
{
    switch (virtualKey) {
    case vk::Control:
        return {KeyAction::Ctrl, 0};
    case vk::Digit0:
        return {KeyAction::Blackout, 0};
    case vk::Digit9:
        return {KeyAction::TapTempo, 0};
    case vk::Equal:
    case vk::NumpadPlus:
        return {KeyAction::Play, 0};
    case vk::Minus:
    case vk::NumpadMinus:
        return {KeyAction::Stop, 0};
    default:
        break;
    }
    for (std::size_t k = 0; k < PictureKeys.size(); ++k) {
        if (PictureKeys[k] == virtualKey)
            return {KeyAction::Picture, static_cast<int>(k)};
    }
    if (conveyorKeys) {
        if (const int slot = conveyorSlotOfKey(virtualKey))
            return {KeyAction::Conveyor, slot};
    }
    return {};
}

std::uint16_t virtualKeyFromXkbKeycode(std::uint32_t keycode)
{
    if (keycode >= 10 && keycode <= 18) // digits 1..9
        return static_cast<std::uint16_t>('1' + (keycode - 10));
    if (keycode == 19)
        return '0';
    if (keycode >= 67 && keycode <= 76) // F1..F10
        return static_cast<std::uint16_t>(112 + (keycode - 67));
    for (const auto &[first, letters] : XkbLetterRows) {
        for (std::uint32_t i = 0; letters[i] != '\0'; ++i) {
            if (keycode == first + i)
                return static_cast<std::uint8_t>(letters[i]);
        }
    }
    for (const auto &[code, key] : XkbKeys) {
        if (code == keycode)
            return key;
    }
    return 0;
}

std::uint16_t virtualKeyFromCyrillic(char32_t letter)
{
    if (letter == U'Ё' || letter == U'ё')
        return 192;
    if (letter >= U'а' && letter <= U'я')
        letter -= U'а' - U'А';
    if (letter >= U'А' && letter <= U'Я')
        return CyrillicKeys[letter - U'А'];
    return 0;
}

KeyCommand LiveKeyboard::keyDown(std::uint16_t virtualKey, bool conveyorKeys, bool autoRepeat)
{
    const KeyCommand command = liveKey(virtualKey, conveyorKeys);
    const bool repeat = autoRepeat || held(virtualKey);
    if (virtualKey < 256)
        m_held.set(virtualKey);
    switch (command.action) {
    case KeyAction::Ctrl:
        m_ctrlHeld = true;
        return command;
    case KeyAction::Picture:
        return command;
    default:
        return repeat ? KeyCommand{} : command;
    }
}

KeyCommand LiveKeyboard::keyUp(std::uint16_t virtualKey)
{
    if (virtualKey < 256)
        m_held.reset(virtualKey);
    const KeyCommand command = liveKey(virtualKey, false);
    if (command.action == KeyAction::Ctrl) {
        m_ctrlHeld = false;
        return {};
    }
    if (command.action == KeyAction::Picture && !m_ctrlHeld)
        return command;
    return {};
}

std::uint16_t LiveKeyboard::releaseAll()
{
    std::uint16_t off = 0;
    for (std::size_t k = 0; k < PictureKeys.size(); ++k) {
        if (m_held.test(PictureKeys[k]))
            off = static_cast<std::uint16_t>(off | (1u << k));
    }
    m_held.reset();
    m_ctrlHeld = false;
    return off;
}

} // namespace korvanel
