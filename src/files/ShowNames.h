#pragma once
// Short display names of show files for the conveyor keys and its label.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvanel {

inline constexpr std::size_t KonveyrNameLength = 7;     // a file assigned by mouse or loaded
inline constexpr std::size_t SettingsKeyNameLength = 8; // the key captions restored at start-up

// The file part of path (no folder), cut to its first `characters`
// characters, less the extension of what is left. Characters are UTF-8 code
// points, so a cut never splits a letter; a byte that is not UTF-8 counts as one.
std::string shortShowName(std::string_view path, std::size_t characters);

// KonveyrShowName of an open name.
inline std::string ConvertorFileName(std::string_view openName) { return shortShowName(openName, KonveyrNameLength); }

} // namespace korvanel
