#pragma once
// korvanel-player --check: reads every file the player would read (the shows,
// the settings file and the recoding table) and says what it found in each,
// without opening any output: no interface or daemon is looked for.

#include <string>

#include "files/ShowFile.h"
#include "player/PlayerOptions.h"
#include "player/PlayerWords.h"

namespace korvanel {

struct PlayerCheck {
    std::string report; // a line per file, then a summary
    int exitCode = 0;   // 0 when every file is fine, 2 otherwise
};

PlayerCheck checkPlayerFiles(const PlayerOptions &options, const PlayerWords &words);

// The channels 1..255 that any scene of the show's reach sets above zero, as
// "N (1-20, 33)"; "0" when none does.
std::string channelsUsed(const ShowImage &show);

} // namespace korvanel
