#pragma once
// The settings file: the show files of the twenty conveyor keys, the show of
// the last run and the recoding table file. Read once at start-up, written
// once at exit; everything else in the file is left as it was.

#include <array>
#include <string>

#include "core/Engine.h"
#include "files/FileResult.h"

namespace korvanel {

struct IniSettings {
    std::array<std::string, ConveyorSlotCount> ConveyorFiles; // Konveir/File01..File20
    std::string Path;                                         // LastFile/Path: the show to open
    std::string Coder;                                        // LastFile/Coder: the recoding table file
};

// "File01".."File20" for n = 1..20.
std::string conveyorKeyName(std::size_t n);

// A missing file, section or key reads as empty; lines that are not valid
// are passed over.
IniSettings ReadIniFile(const std::string &iniFileName);

// Sets the keys of `settings` in the file as it is now on disk, keeping its
// other sections, keys, comments and unreadable lines, then replaces the file.
FileResult WriteIniFile(const std::string &iniFileName, const IniSettings &settings);

// The file's text with the keys set: what WriteIniFile writes. Exposed for tests.
std::string mergeIniText(const std::string &existing, const IniSettings &settings);

} // namespace korvanel
