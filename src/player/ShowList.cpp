#include "player/ShowList.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "player/PlayerLog.h"

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

std::string ShowList::read(std::size_t i)
{
    auto image = std::make_unique<ShowImage>();
    const FileResult result = readShowImage(m_paths[i], *image);
    if (!result.ok()) {
        m_problems[i] = showFileProblem(m_paths[i], result, m_words);
        return m_problems[i];
    }
    m_images[i] = std::move(image);
    m_problems[i].clear();
    return {};
}

std::vector<bool> ShowList::reread(PlayerLog &log)
{
    std::vector<bool> replaced(size(), false);
    for (std::size_t i = 0; i < size(); ++i) {
        auto image = std::make_unique<ShowImage>();
        const FileResult result = readShowImage(m_paths[i], *image);
        if (result.ok()) {
            m_images[i] = std::move(image);
            m_problems[i].clear();
            replaced[i] = true;
            log.info(Say::ShowReread, {m_paths[i]});
            continue;
        }
        const std::string problem = showFileProblem(m_paths[i], result, m_words);
        if (playable(i)) {
            // The show in memory plays on; its file is not fixed by forgetting it.
            log.warning(Say::ShowKeptOld, {m_paths[i], problem});
        } else {
            m_problems[i] = problem;
            log.warning(Say::ShowStillNotLoaded, {m_paths[i], problem});
        }
    }
    return replaced;
}

std::size_t ShowList::next(std::size_t current, std::vector<std::size_t> &skipped) const
{
    for (std::size_t k = 1; k <= size(); ++k) {
        const std::size_t j = (current + k) % size();
        if (playable(j))
            return j;
        skipped.push_back(j);
    }
    return current;
}

bool ShowList::anyPlayableAfter(std::size_t current) const
{
    for (std::size_t j = current + 1; j < size(); ++j) {
        if (playable(j))
            return true;
    }
    return false;
}

} // namespace korvanel
