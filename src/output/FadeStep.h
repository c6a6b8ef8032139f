#pragma once

#include <cstdint>

namespace korvanel {

// Moves v toward t by d and lands exactly on t; a step that would overshoot
// or wrap past 0 or 255 stops at the target. d = 0 holds the slot.
constexpr std::uint8_t fadeStep(std::uint8_t v, std::uint8_t t, std::uint8_t d)
{
    if (v < t) {
        const auto up = static_cast<std::uint8_t>(v + d);
        v = (up < v || up >= t) ? t : up;
    }
    if (v > t) {
        const auto down = static_cast<std::uint8_t>(v - d);
        v = (down > v || down <= t) ? t : down;
    }
    return v;
}

} // namespace korvanel
