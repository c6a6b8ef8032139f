#pragma once
// The recoding table file (.kvr): 512 bytes, entries 0..255 of the table as
// little-endian 16-bit words. No header, no checksum.

#include <string>

#include "output/CoderTable.h"

namespace korvanel {

inline constexpr std::size_t CoderFileSize = 2 * CoderFileEntries;

struct [[nodiscard]] CoderFileResult {
    enum class Kind { Ok, Missing, Unreadable, TooShort, Unwritable };
    Kind kind = Kind::Ok;
    int systemError = 0; // errno of the failed call, when there is one

    bool ok() const { return kind == Kind::Ok; }
};

// Reads the first 512 bytes; `entries` changes only when all of them were read.
CoderFileResult readCoderTableFile(const std::string &path, CoderEntries &entries);

// Writes beside the target and renames over it: a failed save leaves the old file.
CoderFileResult writeCoderTableFile(const std::string &path, const CoderEntries &entries);

} // namespace korvanel
