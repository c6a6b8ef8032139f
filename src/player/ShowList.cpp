#include "player/ShowList.h"

#include "player/PlayerLog.h"

namespace korvanel {

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

bool ShowList::skipIsNews(std::size_t i)
{
    if (m_problems[i] == m_skipsTold[i])
        return false;
    m_skipsTold[i] = m_problems[i];
    return true;
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
