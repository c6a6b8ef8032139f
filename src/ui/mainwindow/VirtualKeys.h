#pragma once
// The Windows-style virtual-key number of a key event, from the key's place on
// the keyboard where the platform tells it, else from the Qt key and its text.

#include <QString>
#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace korvanel {

// What the platform's native key fields mean.
enum class NativeKeys : std::uint8_t {
    None,    // nothing usable (offscreen, unknown platforms)
    Xkb,     // native scan code = X key code (X11, Wayland)
    Windows, // native virtual key = the virtual-key number itself
};

// The kind of the running platform.
NativeKeys nativeKeysOfPlatform();

// From the Qt key: letters and digits as on a US keyboard, the shifted signs of
// the US digit row on their keys, Cyrillic letters on their Russian-layout keys,
// the keypad's digits and signs on the keypad numbers. 0 when unknown.
std::uint16_t virtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers, const QString &text);

std::uint16_t virtualKey(const QKeyEvent &event, NativeKeys native);

} // namespace korvanel
