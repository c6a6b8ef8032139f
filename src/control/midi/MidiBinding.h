#pragma once
// Which control of a MIDI controller does what: a controller number, a note or
// the pitch bend of a channel (or of any channel), bound to a fader row of the
// fader page, a picture, play, stop, blackout, the tempo, a scene step or a
// conveyor slot. A row, not a channel: the hardware follows the fader page.

#include <cstdint>
#include <optional>
#include <vector>

#include "control/midi/MidiMessage.h"

namespace korvanel {

enum class MidiControlKind : std::uint8_t { Control, Note, Bend };

inline constexpr int AnyMidiChannel = -1;

// A control of the hardware.
struct MidiAddress {
    MidiControlKind kind = MidiControlKind::Control;
    int channel = AnyMidiChannel; // 0..15, or any
    int number = 0;               // 0..127; 0 for a bend
    bool operator==(const MidiAddress &) const = default;
    auto operator<=>(const MidiAddress &) const = default;
};

enum class MidiTargetKind : std::uint8_t { Fader, Picture, Play, Stop, Blackout, Tempo, Step, Slot };

struct MidiTarget {
    MidiTargetKind kind = MidiTargetKind::Play;
    int index = 0; // fader row 1..27, picture 1..16, step -1 or +1, slot 1..20; 0 for the rest
    bool operator==(const MidiTarget &) const = default;
};

struct MidiBinding {
    MidiAddress address;
    MidiTarget target;
    bool operator==(const MidiBinding &) const = default;
};

bool validAddress(const MidiAddress &address);
bool validTarget(const MidiTarget &target);
// Faders and the tempo follow a position; everything else is a button.
bool continuousTarget(MidiTargetKind kind);

// The control a message came from, on its own channel.
MidiAddress addressOf(const MidiMessage &message);

class MidiBindings {
public:
    // More would be no controller's but a file's mistake.
    static constexpr std::size_t MaxBindings = 1024;

    // The binding of the message's control: one for its own channel before one for any.
    const MidiBinding *find(const MidiMessage &message) const;
    // Binds the control in place of what it did; false when it is not valid or there are too many.
    bool bind(const MidiBinding &binding);
    const std::vector<MidiBinding> &all() const { return m_bindings; }
    bool operator==(const MidiBindings &) const = default;

private:
    std::vector<MidiBinding> m_bindings;
};

// A plain controller before any learning: controllers 1..27 move the fader
// page's rows 1..27 and notes 36..51 hold pictures 1..16, on any channel.
MidiBindings defaultMidiBindings();

} // namespace korvanel
