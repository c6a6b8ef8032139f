#pragma once
// Why a file the player reads did not load, in one phrase of its language.

#include <optional>
#include <string>

#include "files/CoderTableFile.h"
#include "files/FileResult.h"
#include "player/PlayerWords.h"

namespace korvanel {

// A show file's problem; empty when the result is fine.
std::string showFileProblem(const std::string &path, const FileResult &result, const PlayerWords &words);

std::string coderFileProblem(const CoderFileResult &result, const PlayerWords &words);

// A file that is there but may not be read is no more a settings file than a
// missing one: the settings reader would take either for an empty file, and
// the show would play unrecoded. Nothing when it can be read.
std::optional<std::string> settingsFileProblem(const std::string &path, const PlayerWords &words);

} // namespace korvanel
