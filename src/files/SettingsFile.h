#pragma once
// The settings file: the show files of the twenty conveyor keys, the show of
// the last run and the recoding table file. Read once at start-up, written
// once at exit. Writing changes only the values of the program's own keys and
// adds those that are missing; every other byte of the file (foreign and
// repeated sections, comments, odd lines, blanks around '=', line ends) goes
// back as it was, in its place.

#include <array>
#include <optional>
#include <string>

#include "core/Engine.h"
#include "files/FileResult.h"

namespace korvanel {

// [Remote]: the remote page's server. Read values out of range give the defaults.
struct RemoteSettings {
    bool Enabled = false; // Remote/Enabled: 1 on
    int Port = 9080;      // Remote/Port: 1..65535
    bool Network = false; // Remote/Network: 1 every interface, 0 this computer only
    bool operator==(const RemoteSettings &) const = default;
};

struct IniSettings {
    std::array<std::string, ConveyorSlotCount> ConveyorFiles; // Konveir/File01..File20
    std::string Path;                                         // LastFile/Path: the show to open
    std::string Coder;                                        // LastFile/Coder: the recoding table file
    std::optional<RemoteSettings> Remote;                     // written when set; ReadIniFile leaves it unset
};

// "File01".."File20" for n = 1..20.
std::string conveyorKeyName(std::size_t n);

// A missing file, section or key reads as empty; lines that are not valid
// are passed over. Section and key names are matched without regard to case;
// of a key given twice, the first counts, in whichever copy of its section.
// A value ends at a carriage return or NUL byte; blanks around it do not count.
IniSettings ReadIniFile(const std::string &iniFileName);

// [Remote] of the file; defaults for what is missing or out of range.
RemoteSettings ReadRemoteSettings(const std::string &iniFileName);

// Sets the keys of `settings` in the file as it is now on disk, then replaces
// the file. A file that is there but cannot be read is not written.
FileResult WriteIniFile(const std::string &iniFileName, const IniSettings &settings);

// The file's text with the keys set: what WriteIniFile writes. Exposed for tests.
std::string mergeIniText(const std::string &existing, const IniSettings &settings);

} // namespace korvanel
