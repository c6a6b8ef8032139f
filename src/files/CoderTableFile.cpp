#include "files/CoderTableFile.h"

#include <cerrno>

#include "files/ReadPrefix.h"
#include "files/SafeWrite.h"

namespace korvanel {

CoderFileResult readCoderTableFile(const std::string &path, CoderEntries &entries)
{
    std::uint8_t bytes[CoderFileSize];
    const FileResult read = readFilePrefix(path, bytes);
    using Kind = CoderFileResult::Kind;
    switch (read.error) {
    case FileError::None:
        break;
    case FileError::NotFound:
        // A folder of that name is there, but it is no table.
        return {read.systemError == EISDIR ? Kind::Unreadable : Kind::Missing, read.systemError};
    case FileError::ShortFile:
        return {Kind::TooShort, 0};
    default:
        return {Kind::Unreadable, read.systemError};
    }
    for (std::size_t i = 0; i < CoderFileEntries; ++i)
        entries[i] = static_cast<std::uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    return {};
}

CoderFileResult writeCoderTableFile(const std::string &path, const CoderEntries &entries)
{
    std::uint8_t bytes[CoderFileSize];
    for (std::size_t i = 0; i < CoderFileEntries; ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(entries[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(entries[i] >> 8);
    }
    const FileResult written = replaceFileContents(path, bytes);
    if (written.ok())
        return {};
    return {CoderFileResult::Kind::Unwritable, written.systemError};
}

} // namespace korvanel
