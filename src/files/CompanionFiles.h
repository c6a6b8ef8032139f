#pragma once
// Names of the files that live beside the program: settings, colours,
// autosave copy, default recoding table and help.

#include <string>
#include <string_view>

#include "core/Engine.h"

namespace korvanel {

// The path less its extension: from the last dot of the file name on.
// Dots in folder names are not an extension.
std::string getFileNameNoExt(std::string_view path);

CompanionFiles companionFilesFor(std::string_view baseFileName);

} // namespace korvanel
