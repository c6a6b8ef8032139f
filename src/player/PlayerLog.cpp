#include "player/PlayerLog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
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

} // namespace

PlayerLog::PlayerLog(PlayerWords words, int fd) : m_words(words), m_fd(fd), m_colours(wantsColours(fd)) {}

void PlayerLog::line(Level level, std::string_view text)
{
    std::string out = "korvanel-player: ";
    const char *colour = level == Level::Error ? "\033[31m" : level == Level::Warning ? "\033[33m" : nullptr;
    if (m_colours && colour != nullptr)
        out += colour;
    out += text;
    if (m_colours && colour != nullptr)
        out += "\033[0m";
    out += '\n';
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
