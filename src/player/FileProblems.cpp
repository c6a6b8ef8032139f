#include "player/FileProblems.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "core/ShowLayout.h"
#include "files/ReadPrefix.h"

namespace korvanel {

namespace {

std::string systemText(int error, const PlayerWords &words)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return words(Say::NoReadRight);
    case EIO:
        return words(Say::FileIoError);
    default:
        return words(Say::SystemError, {std::to_string(error), std::strerror(error)});
    }
}

} // namespace

std::string showFileProblem(const std::string &path, const FileResult &result, const PlayerWords &words)
{
    switch (result.error) {
    case FileError::None:
        return {};
    case FileError::NotFound: {
        struct stat info {};
        if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            return words(Say::IsFolder);
        return words(Say::FileNotFound);
    }
    case FileError::NotAFile:
        return words(Say::NotAFile);
    case FileError::ShortFile:
        return words(Say::ShowTooShort, {std::to_string(SceneMemorySize)});
    case FileError::OpenFailed:
        return words(Say::CannotOpen, {systemText(result.systemError, words)});
    case FileError::ReadFailed:
    case FileError::WriteFailed:
        return words(Say::CannotRead, {systemText(result.systemError, words)});
    }
    return {};
}

std::string coderFileProblem(const CoderFileResult &result, const PlayerWords &words)
{
    switch (result.kind) {
    case CoderFileResult::Kind::Missing:
        return words(Say::FileNotFound);
    case CoderFileResult::Kind::TooShort:
        return words(Say::CoderTooShort, {std::to_string(CoderFileSize)});
    default:
        return words(Say::CoderUnreadable, {std::to_string(result.systemError)});
    }
}

std::optional<std::string> settingsFileProblem(const std::string &path, const PlayerWords &words)
{
    const FileResult result = readFilePrefix(path, {});
    if (result.ok())
        return std::nullopt;
    return showFileProblem(path, result, words);
}

} // namespace korvanel
