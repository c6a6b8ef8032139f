#include "player/PlayerLog.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace korvanel {

namespace {

bool wantsColours(int fd)
{
    if (isatty(fd) != 1)
        return false;
    const char *noColour = std::getenv("NO_COLOR");
    if (noColour != nullptr && *noColour != 0)
        return false;
    const char *term = std::getenv("TERM");
    return term != nullptr && std::strcmp(term, "dumb") != 0;
}

// sd-daemon(3)'s prefixes, which the journal takes for the line's priority.
const char *priorityPrefix(PlayerLog::Level level)
{
    switch (level) {
    case PlayerLog::Level::Error:
        return "<3>";
    case PlayerLog::Level::Warning:
        return "<4>";
    case PlayerLog::Level::Info:
        break;
    }
    return "<6>";
}

} // namespace

bool isJournalStream(int fd, const char *journalStream)
{
    if (journalStream == nullptr)
        return false;
    const std::string_view text(journalStream);
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    const auto [deviceEnd, deviceError] = std::from_chars(text.data(), text.data() + colon, device);
    const auto [inodeEnd, inodeError] = std::from_chars(text.data() + colon + 1, text.data() + text.size(), inode);
    if (deviceError != std::errc() || deviceEnd != text.data() + colon || inodeError != std::errc() ||
        inodeEnd != text.data() + text.size() || colon == 0 || colon + 1 == text.size())
        return false;
    // Inherited by a program the service started with its standard error elsewhere, the variable is stale.
    struct stat info {};
    return fstat(fd, &info) == 0 && static_cast<unsigned long long>(info.st_dev) == device &&
        static_cast<unsigned long long>(info.st_ino) == inode;
}

PlayerLog::PlayerLog(PlayerWords words, int fd)
    : m_words(words), m_fd(fd), m_journal(isJournalStream(fd, std::getenv("JOURNAL_STREAM"))),
      m_colours(!m_journal && wantsColours(fd))
{
}

void PlayerLog::line(Level level, std::string_view text)
{
    std::string out;
    if (m_journal) {
        // Each line of a text of several gets the priority: the journal reads them one by one.
        const char *prefix = priorityPrefix(level);
        for (std::size_t from = 0; from <= text.size();) {
            const std::size_t end = std::min(text.find('\n', from), text.size());
            out += prefix;
            out += text.substr(from, end - from);
            out += '\n';
            from = end + 1;
        }
    } else {
        out = "korvanel-player: ";
        const char *colour = level == Level::Error ? "\033[31m" : level == Level::Warning ? "\033[33m" : nullptr;
        if (m_colours && colour != nullptr)
            out += colour;
        out += text;
        if (m_colours && colour != nullptr)
            out += "\033[0m";
        out += '\n';
    }
    // A failing standard error does not stop the show: the line is dropped.
    std::size_t done = 0;
    for (int attempt = 0; done < out.size() && attempt < 8; ++attempt) {
        const ssize_t n = ::write(m_fd, out.data() + done, out.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EINTR)
            break;
    }
}

} // namespace korvanel
