#include "player/ShowList.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "player/PlayerLog.h"

namespace korvanel {

namespace {

std::string systemText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "нет прав на чтение";
    case EIO:
        return "ошибка ввода-вывода";
    default:
        return "системная ошибка " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

} // namespace

std::string showFileProblem(const std::string &path, const FileResult &result)
{
    switch (result.error) {
    case FileError::None:
        return {};
    case FileError::NotFound: {
        struct stat info {};
        if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            return "это папка, а не файл шоу";
        return "файл не найден";
    }
    case FileError::NotAFile:
        return "это не обычный файл";
    case FileError::ShortFile:
        return "файл короче " + std::to_string(SceneMemorySize) + " байт: это не шоу";
    case FileError::OpenFailed:
        return "не открывается: " + systemText(result.systemError);
    case FileError::ReadFailed:
    case FileError::WriteFailed:
        return "не читается: " + systemText(result.systemError);
    }
    return {};
}

std::string ShowList::read(std::size_t i)
{
    auto image = std::make_unique<ShowImage>();
    const FileResult result = readShowImage(m_paths[i], *image);
    if (!result.ok()) {
        m_problems[i] = showFileProblem(m_paths[i], result);
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
            log.info("шоу перечитано: " + m_paths[i]);
            continue;
        }
        const std::string problem = showFileProblem(m_paths[i], result);
        if (playable(i)) {
            // The show in memory plays on; its file is not fixed by forgetting it.
            log.warning("шоу не перечитано, остаётся прежнее: " + m_paths[i] + ": " + problem);
        } else {
            m_problems[i] = problem;
            log.warning("шоу по-прежнему не загружено: " + m_paths[i] + ": " + problem);
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
