#pragma once
// The MIDI messages a controller's faders, knobs and pads send, decoded from
// the bytes a port delivers; and the few the program sends back to light the
// pads and set motor faders. Everything else (system exclusive, clock, program
// changes, aftertouch) means nothing here and is dropped.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace korvanel {

enum class MidiKind : std::uint8_t { NoteOff, NoteOn, Control, Bend };

struct MidiMessage {
    MidiKind kind = MidiKind::Control;
    std::uint8_t channel = 0; // 0..15
    std::uint8_t number = 0;  // the note or controller; 0 for a pitch bend
    std::uint16_t value = 0;  // velocity or controller value 0..127; a bend 0..16383
    bool operator==(const MidiMessage &) const = default;
};

// The largest value of a message's kind.
constexpr int midiRange(MidiKind kind) { return kind == MidiKind::Bend ? 16383 : 127; }

// A whole channel message and nothing more: a note on with velocity 0 is a note off.
std::optional<MidiMessage> decodeMidi(std::span<const std::uint8_t> bytes);

// Three bytes: every message the program sends is that long.
using MidiBytes = std::array<std::uint8_t, 3>;
MidiBytes encodeMidi(const MidiMessage &message);

} // namespace korvanel
