#pragma once
// What an input asks of the show, as typed values, each with the source that
// asked: a key, the window's own controls, one phone, later a MIDI device or
// an OSC client. Inputs only make commands; the control layer applies them.

#include <cstdint>
#include <variant>

namespace korvanel {

enum class SourceKind : std::uint8_t { Window, Keyboard, Phone, Midi, Osc };

struct Source {
    SourceKind kind = SourceKind::Window;
    std::uint64_t id = 0; // which phone, device or client; 0 for the window and the keyboard
    bool operator==(const Source &) const = default;
};

namespace command {
struct Play {};
struct Stop {};
// A picture pressed (down) or let go. Let go under a latch, it stays on.
struct Picture {
    int index = 0; // 0..15, in output order
    bool down = false;
    bool latch = false;
};
// The window's own box: on or off whoever holds it.
struct PictureSwitch {
    int index = 0;
    bool on = false;
};
struct Blackout {
    bool on = false;
};
// The blackout key: the other state, and the stepping stops.
struct BlackoutToggle {};
struct ConveyorSlot {
    int slot = 0; // 1..20
};
} // namespace command

using CommandValue = std::variant<command::Play, command::Stop, command::Picture, command::PictureSwitch,
                                  command::Blackout, command::BlackoutToggle, command::ConveyorSlot>;

struct Command {
    Source source;
    CommandValue what;
};

} // namespace korvanel
