#pragma once
// Tempo bytes turned into timer intervals: t x t milliseconds.

#include <cstdint>

namespace korvanel {

inline constexpr std::uint8_t MinSequencerTempo = 10;
inline constexpr std::uint8_t MaxSequencerTempo = 170;

// A tempo byte from a show file may hold anything: outside the slider's
// range it takes the nearest end, so the interval is never 0 or absurd.
constexpr std::uint8_t clampSequencerTempo(std::uint8_t tempo)
{
    return tempo < MinSequencerTempo ? MinSequencerTempo : tempo > MaxSequencerTempo ? MaxSequencerTempo : tempo;
}

constexpr int sequencerIntervalMs(std::uint8_t tempo)
{
    const int t = clampSequencerTempo(tempo);
    return t * t;
}

constexpr int scenesPerMinute(int intervalMs) { return intervalMs > 0 ? 60000 / intervalMs : 0; }

} // namespace korvanel
