#pragma once
// The colour file (.col) beside the program: 16384 bytes, seven areas of 512
// bytes holding entries 0..511 of the name colours, the group colours and the
// picture numbers. No header, no checksum; the bytes between areas are zeros.

#include <array>
#include <cstdint>
#include <string>

#include "core/ChannelColors.h"
#include "files/FileResult.h"

namespace korvanel {

inline constexpr std::size_t ColorFileSize = 16384;
inline constexpr std::size_t ColorAreaSize = 512;

using ColorFileImage = std::array<std::uint8_t, ColorFileSize>;

// Where each table lies in the file.
inline constexpr std::size_t NameRedAt = 0;
inline constexpr std::size_t NameGreenAt = 512;
inline constexpr std::size_t NameBlueAt = 1024;
inline constexpr std::size_t SplitRedAt = 2048;
inline constexpr std::size_t SplitGreenAt = 2560;
inline constexpr std::size_t SplitBlueAt = 3072;
inline constexpr std::size_t GraphHintAt = 3584;

ColorFileImage colorFileImage(const ChannelColors &colors);
// Entries 0..511 of the seven tables from the image; entry 512 is kept.
void applyColorFileImage(const ColorFileImage &image, ChannelColors &colors);

// Reads the whole file first: a short or unreadable file leaves `colors` as it was.
FileResult readColorFile(const std::string &path, ChannelColors &colors);

// Written beside the target and renamed over it: a failed write keeps the old file.
// A file that is there but cannot be read as a colour file (short, unreadable,
// not a file) is kept as it is, and the read's error comes back.
FileResult writeColorFile(const std::string &path, const ChannelColors &colors);

} // namespace korvanel
