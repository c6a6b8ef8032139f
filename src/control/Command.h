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

inline constexpr Source WindowSource{SourceKind::Window, 0};
inline constexpr Source KeyboardSource{SourceKind::Keyboard, 0};

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
// The sequencer's tempo byte, as the tempo slider sets it; kept within its range.
struct Tempo {
    int value = 0;
};
// One tap of the tempo: from the third tap on, the taps set the tempo.
struct TapTempo {};
// Stopped, the show goes to a scene (0-based), or steps from the current one.
struct GoToScene {
    int scene = 0;
};
struct StepScene {
    int delta = 0;
};
// A channel's level in the current scene (written while stopped; on the fader
// page's rows it is the fader's own position, which manual control plays).
struct FaderLevel {
    int channel = 0; // 1..255
    int level = 0;
};
struct SelectChannel {
    int channel = 0;
    bool on = false;
};
// The first channel of the fader page less one: 0..228.
struct FaderPage {
    int offset = 0;
};
// The hand-scan pad held at a point (0..255 each way, before the pad's inversions).
struct Pad {
    int x = 0;
    int y = 0;
};
struct PadPriority {
    bool on = false;
};
} // namespace command

using CommandValue = std::variant<command::Play, command::Stop, command::Picture, command::PictureSwitch,
                                  command::Blackout, command::BlackoutToggle, command::ConveyorSlot, command::Tempo,
                                  command::TapTempo, command::GoToScene, command::StepScene, command::FaderLevel,
                                  command::SelectChannel, command::FaderPage, command::Pad, command::PadPriority>;

struct Command {
    Source source;
    CommandValue what;
};

} // namespace korvanel
