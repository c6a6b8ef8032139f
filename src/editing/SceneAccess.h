#pragma once
// Reads and writes of single scene bytes for the editors. Writes clamp the
// value to a level instead of wrapping it as a byte.

#include <cstdint>

#include "core/Engine.h"

namespace korvanel {

constexpr std::uint8_t clampLevel(std::int32_t value)
{
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// Channel `channel` of scene `scene` := value clamped to 0..255.
void DataWrite(Engine &engine, std::uint8_t scene, std::uint8_t channel, std::int32_t value);

std::uint8_t DataRead(const Engine &engine, std::uint8_t scene, std::uint8_t channel);

// Channels pair + 1 and pair + 2 of the scene := x and y, each clamped. `pair`
// is the XY editor's channel slider (0..253); a channel past 255 is not written.
void DataWriteXY(Engine &engine, std::uint8_t scene, std::uint8_t pair, std::int32_t x, std::int32_t y);

} // namespace korvanel
