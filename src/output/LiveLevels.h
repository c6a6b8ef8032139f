#pragma once
// The level under a fader as the operator reads it: DMX units 0..255, or
// percent rounded up, so that any level above zero shows at least 1.

#include <cstdint>

namespace korvanel {

constexpr int displayLevel(std::uint8_t level, bool percent)
{
    // ceil(level / 2.55) in integers: no rounding error at the exact multiples.
    return percent ? (level * 100 + 254) / 255 : level;
}

// The slow refresh shows three labels per tick: group 1 = labels 1..3, ..., 9 = 25..27.
inline constexpr int DisplayGroups = 9;
constexpr int nextDisplayGroup(int group) { return group >= DisplayGroups ? 1 : group + 1; }

} // namespace korvanel
