#pragma once
// The channel recoding table: output slot i carries the level computed for
// source channel CoderTable[i]. Entries 0..255 take part in the frame and are
// what a table file holds.

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/Engine.h"

namespace korvanel {

inline constexpr std::size_t CoderFileEntries = 256;
using CoderEntries = std::array<std::uint16_t, CoderFileEntries>;

// Entries 1..512 = their own index; entry 0 is left as it is.
void coderIdentityFill(Engine &engine);

CoderEntries coderEntries(const Engine &engine);
void setCoderEntries(Engine &engine, const CoderEntries &entries);

} // namespace korvanel
