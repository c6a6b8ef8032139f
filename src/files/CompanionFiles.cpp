#include "files/CompanionFiles.h"

namespace korvanel {

std::string getFileNameNoExt(std::string_view path)
{
    const auto slash = path.find_last_of("/\\");
    const auto nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const auto dot = path.rfind('.');
    // A leading dot is a hidden file's name, not an extension.
    if (dot == std::string_view::npos || dot <= nameStart)
        return std::string(path);
    return std::string(path.substr(0, dot));
}

CompanionFiles companionFilesFor(std::string_view baseFileName)
{
    const std::string base(baseFileName);
    return CompanionFiles{
        .BaseFileName = base,
        .IniFileName = base + ".ini",
        .ColFileName = base + ".col",
        .AutoSaveFileName = base + "Temp.kvl",
        .CoderFileName = base + ".kvr",
        .HelpFileName = base + ".hlp",
    };
}

} // namespace korvanel
