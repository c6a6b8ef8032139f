#pragma once
// The hand-scan pad's arithmetic: a pad position turned into two levels, and
// those levels written into the current scene for each selected channel pair.

#include <cstdint>

#include "core/Engine.h"

namespace korvanel {

inline constexpr int PadSize = 256;

struct PadLevels {
    std::uint8_t x = 0;
    std::uint8_t y = 0;
};

// Pad pixels (from the top-left corner, clamped to the pad) to levels: the
// bottom edge is 0, the top 255; then the inversions, then the swap.
PadLevels padLevels(int padX, int padY, bool invertX, bool invertY, bool swap);

// Where the Y level of selected channel c is kept in scene s. Channel 255 has
// no partner in the row: its Y goes to byte 0 of the same row, which is never
// sent, so it stays inside the show memory for every scene.
constexpr std::size_t handScanYByte(std::size_t scene, std::size_t channel)
{
    return channel < ChannelCount ? sceneByte(scene, channel + 1) : sceneByte(scene, 0);
}

// For every selected channel c in increasing order: a selected partner c + 1
// is deselected (it carries Y); then, when `writeScene`, scene byte c := x
// and c's Y byte := y in the current scene. True when a partner was deselected.
bool writeHandScanPairs(Engine &engine, PadLevels levels, bool writeScene);

} // namespace korvanel
