#pragma once
// The settings file: the show files of the twenty conveyor keys, the show of
// the last run, the recoding table file, the OLA output's switch and
// universe, the remote page's server, the OSC input, the MIDI ports and the
// interface language. Read once at start-up, written once at exit. Writing changes only
// the values of the program's own keys and adds those that are missing; every
// other byte of the file (foreign and repeated sections, comments, odd lines,
// blanks around '=', line ends) goes back as it was, in its place.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Engine.h"
#include "core/InterfaceLanguage.h"
#include "files/FileResult.h"

namespace korvanel {

// [Remote]: the remote page's server. Read values out of range give the defaults.
struct RemoteSettings {
    bool Enabled = false; // Remote/Enabled: 1 on
    int Port = 9080;      // Remote/Port: 1..65535
    bool Network = false; // Remote/Network: 1 every interface, 0 this computer only
    std::string Address;  // Remote/Address: the address shown for the network, empty for the first
    bool operator==(const RemoteSettings &) const = default;
};

// Output to the OLA daemon: section [Ola]. A file without the section gains
// each key only when its value is not the default, so files of runs that never
// used OLA stay as they were.
struct OlaIni {
    bool Enabled = false;       // Ola/Enabled: 1 or 0
    std::uint16_t Universe = 1; // Ola/Universe: 1..65535; anything else reads as 1
};

// The OSC input: section [Osc]. As with [Ola], a file without the section
// gains a key only when its value is not the default.
struct OscIni {
    bool Enabled = false;      // Osc/Enabled: 1 or 0
    std::uint16_t Port = 9000; // Osc/Port: 1..65535; anything else reads as 9000
    bool Network = false;      // Osc/Network: 1 every interface, 0 this computer only
    bool operator==(const OscIni &) const = default;
};

// MIDI controllers: section [Midi], added to a file only once a value is not the default.
struct MidiIni {
    bool Enabled = false; // Midi/Enabled: 1 or 0
    std::string Input;    // Midi/Input: the port's name as the MIDI system lists it; empty for none
    std::string Output;   // Midi/Output: likewise, for the lights and motor faders
    bool operator==(const MidiIni &) const = default;
};

// A port name from the file: at most this long, without control characters; anything else is no port.
inline constexpr std::size_t MaxMidiPortName = 256;
std::string midiPortNameOf(std::string_view value);

struct IniSettings {
    std::array<std::string, ConveyorSlotCount> ConveyorFiles; // Konveir/File01..File20
    std::string Path;                                         // LastFile/Path: the show to open
    std::string Coder;                                        // LastFile/Coder: the recoding table file
    std::optional<RemoteSettings> Remote;                     // written when set; ReadIniFile leaves it unset
    OlaIni Ola;
    OscIni Osc;
    MidiIni Midi;
    // Interface/Language: auto|en|ru, any other value reads as auto; a file
    // without the key gains it only for a choice other than auto.
    LanguageChoice Language = LanguageChoice::Auto;
    // Live/GrandMaster: 0..100 %; anything else reads as 100. Added only below 100.
    int GrandMaster = 100;
};

// "File01".."File20" for n = 1..20.
std::string conveyorKeyName(std::size_t n);

// A percentage of a settings value: a whole number 0..100, else 100.
int percentOf(std::string_view value);

// The OLA universe of a settings value: a whole number 1..65535, else 1.
std::uint16_t olaUniverseOf(std::string_view value);
// A settings value that is a whole number minimum..65535 (a port, a universe), else `otherwise`.
std::uint16_t numberOf(std::string_view value, std::uint16_t otherwise, std::uint16_t minimum = 1);

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
