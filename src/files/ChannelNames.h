#pragma once
// Channel names in the show memory: 16 single-byte characters per channel,
// where a zero byte and a blank read the same.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/Engine.h"

namespace korvanel {

using NameBytes = std::array<std::uint8_t, NameSize>;

// The slot of `channel` (0..255) brought into the form text-then-zeros (zero
// bytes become blanks, trailing blanks become zeros), written back and returned.
NameBytes LoadEdit(Engine &engine, std::size_t channel);

// The slot of `channel` := bytes.
void SaveEdit(Engine &engine, std::size_t channel, const NameBytes &bytes);

// The first 16 bytes of `text`, padded with blanks.
NameBytes padName(std::string_view text);

// Every blank among bytes 512..4592 becomes a zero byte: the names of channels
// 0..254 and the first byte of channel 255's name, whose other 15 keep their blanks.
void zeroNameBlanks(Engine &engine);

inline constexpr std::size_t NameBlanksEnd = 4592; // inclusive

} // namespace korvanel
