#pragma once
// The eight fade-rate presets: slider position, step per 50 ms tick, and the
// label giving the approximate seconds of a full 0..255 swing.

#include <array>
#include <cstdint>
#include <string_view>

namespace korvanel {

struct RatePreset {
    std::uint8_t step;
    std::string_view label;
};

inline constexpr std::array<RatePreset, 8> RatePresets{{
    {1, "15"},
    {2, "7"},
    {4, "3"},
    {8, "2"},
    {20, "1"},
    {50, "0,5"},
    {100, "0,2"},
    {255, "no"},
}};

// Positions above 7 mean "no fade".
constexpr const RatePreset &ratePreset(int position)
{
    return RatePresets[position < 0 ? 0 : position > 7 ? 7 : static_cast<std::size_t>(position)];
}

// The slider position that shows a stored step.
constexpr int RateToPosition(std::uint8_t step)
{
    if (step <= 1)
        return 0;
    if (step == 2)
        return 1;
    if (step <= 4)
        return 2;
    if (step <= 8)
        return 3;
    if (step <= 20)
        return 4;
    if (step <= 50)
        return 5;
    if (step <= 100)
        return 6;
    return 7;
}

} // namespace korvanel
