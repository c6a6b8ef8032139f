#pragma once
// The player's command line: GNU-style long options (--name VALUE or
// --name=VALUE, unique abbreviations, -- ends the options) and the show files.
// A bad command line is told in one line of the player's language; the caller adds the usage.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "player/PlayerWords.h"

namespace korvanel {

enum class OutputChoice : std::uint8_t { Usb, Ola, Both };

struct PlayerOptions {
    std::vector<std::string> shows;
    std::optional<std::uint8_t> tempo; // 10..170, over each show's stored tempo
    bool once = false;
    std::string coderFile;
    std::string settingsFile;
    OutputChoice output = OutputChoice::Usb;
    std::optional<std::uint16_t> universe; // 1..65535, OLA outputs only
    bool blackoutOnExit = false;
    bool realTime = true;
    bool check = false; // read and report the files, send nothing
};

struct PlayerCommand {
    enum class Action : std::uint8_t { Run, Help, Version, Refuse };
    Action action = Action::Run;
    PlayerOptions options;
    std::string problem; // for Refuse
};

// `olaBuilt`: whether this build has the OLA output; without it the OLA options are refused.
PlayerCommand parsePlayerCommand(const std::vector<std::string> &arguments, bool olaBuilt, const PlayerWords &words);

std::string playerHelpText(const PlayerWords &words);

} // namespace korvanel
