#include "ui/mainwindow/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <utility>

#include "playback/KeyMap.h"

namespace korvanel {

namespace {

// Keys whose number does not follow from a range; keypad keys come separately.
constexpr std::pair<int, std::uint16_t> QtKeys[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_VolumeMute, 173},
    {Qt::Key_VolumeDown, 174},
    {Qt::Key_VolumeUp, 175},
    {Qt::Key_MediaNext, 176},
    {Qt::Key_MediaPrevious, 177},
    {Qt::Key_MediaStop, 178},
    {Qt::Key_MediaPlay, 179},
    {Qt::Key_MediaTogglePlayPause, 179},
    // The US digit row shifted.
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {0x2116, '3'}, // № on the Russian layout's 3
    // Signs right of the letters, either case.
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

std::uint16_t keypadKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::uint16_t>(96 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return vk::NumpadPlus;
    case Qt::Key_Minus:
        return vk::NumpadMinus;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return 0;
    }
}

} // namespace

NativeKeys nativeKeysOfPlatform()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return NativeKeys::Xkb;
    if (platform == QLatin1String("windows"))
        return NativeKeys::Windows;
    return NativeKeys::None;
}

std::uint16_t virtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const std::uint16_t pad = keypadKey(key))
            return pad;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<std::uint16_t>(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::uint16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::uint16_t>(112 + (key - Qt::Key_F1));
    if (key == Qt::Key_Asterisk)
        return '8';
    for (const auto &[qtKey, number] : QtKeys) {
        if (qtKey == key)
            return number;
    }
    if (const std::uint16_t cyrillic = virtualKeyFromCyrillic(static_cast<char32_t>(key)))
        return cyrillic;
    if (!text.isEmpty()) {
        const uint first = text.toUcs4().value(0);
        if (const std::uint16_t cyrillic = virtualKeyFromCyrillic(static_cast<char32_t>(first)))
            return cyrillic;
    }
    return 0;
}

std::uint16_t virtualKey(const QKeyEvent &event, NativeKeys native)
{
    switch (native) {
    case NativeKeys::Xkb:
        if (const std::uint16_t key = virtualKeyFromXkbKeycode(event.nativeScanCode()))
            return key;
        break;
    case NativeKeys::Windows:
        if (event.nativeVirtualKey() > 0 && event.nativeVirtualKey() < 256)
            return static_cast<std::uint16_t>(event.nativeVirtualKey());
        break;
    case NativeKeys::None:
        break;
    }
    return virtualKeyFromQt(event.key(), event.modifiers(), event.text());
}

} // namespace korvanel
