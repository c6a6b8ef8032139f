#pragma once
// The live key map of the main window. Keys are Windows-style virtual-key
// numbers (A = 65, the "=" key = 187), taken from the key's place on the
// keyboard, so the map is the same whatever layout is active.

#include <bitset>
#include <cstdint>

namespace korvanel {

namespace vk {
inline constexpr std::uint16_t Control = 17;
inline constexpr std::uint16_t Space = 32;
inline constexpr std::uint16_t Digit0 = 48;
inline constexpr std::uint16_t Digit9 = 57;
inline constexpr std::uint16_t NumpadPlus = 107;
inline constexpr std::uint16_t NumpadMinus = 109;
inline constexpr std::uint16_t Equal = 187; // "=" / "+" right of the digit row
inline constexpr std::uint16_t Minus = 189;
} // namespace vk

enum class KeyAction : std::uint8_t {
    None,
    Ctrl,     // latches the picture flashes while held
    Picture,  // index: picture 0..15 in output order (1..8, Space, Z X C V B N M)
    Blackout, // toggles blackout and stops the stepping
    Play,
    Stop,
    Conveyor, // index: conveyor slot 1..19
    TapTempo, // the "9" key: one tap of the tempo
};

struct KeyCommand {
    KeyAction action = KeyAction::None;
    int index = 0;

    bool operator==(const KeyCommand &) const = default;
};

// What a key does on key-down; the conveyor letters only when their switch is on.
KeyCommand liveKey(std::uint16_t virtualKey, bool conveyorKeys);

// Conveyor slot 1..19 of the letters Q W E R T Y U I O P A S D F G H J K L; 0 for any other key.
int conveyorSlotOfKey(std::uint16_t virtualKey);

// The virtual key of an X keyboard key code (evdev code + 8, as X11 and
// Wayland report it), for the keys at their US places; 0 when not known.
std::uint16_t virtualKeyFromXkbKeycode(std::uint32_t keycode);

// The virtual key that carries a Cyrillic letter (either case) on the Russian
// layout, e.g. Й -> Q (81); 0 when it is no letter of that layout.
std::uint16_t virtualKeyFromCyrillic(char32_t letter);

// Key-down and key-up as the live map sees them: Ctrl latching, repeats of a
// held key and the key-ups lost when the window loses the keyboard.
class LiveKeyboard {
public:
    // A second key-down of a key still held, or one the system marks as its
    // auto-repeat, is a repeat: it may re-assert a picture but never toggles,
    // starts, stops or loads anything.
    KeyCommand keyDown(std::uint16_t virtualKey, bool conveyorKeys, bool autoRepeat = false);
    // The picture to switch off, if any (none while Ctrl is held).
    KeyCommand keyUp(std::uint16_t virtualKey);
    // The window lost the keyboard: the key-ups that will not come. Returns
    // the pictures whose keys were still held, one bit each, to switch off
    // even under Ctrl (only a key released under Ctrl latches); Ctrl counts
    // as released too.
    std::uint16_t releaseAll();

    bool CtrlHeld() const { return m_ctrlHeld; }
    bool held(std::uint16_t virtualKey) const { return virtualKey < 256 && m_held.test(virtualKey); }

private:
    std::bitset<256> m_held;
    bool m_ctrlHeld = false;
};

} // namespace korvanel
