#pragma once
// The player's log: one line per event on standard error, each written with
// one call so that lines of a service never interleave. Colours only on a
// terminal that wants them.

#include <string_view>

namespace korvanel {

class PlayerLog {
public:
    enum class Level : unsigned char { Info, Warning, Error };

    explicit PlayerLog(int fd = 2);

    void info(std::string_view text) { line(Level::Info, text); }
    void warning(std::string_view text) { line(Level::Warning, text); }
    void error(std::string_view text) { line(Level::Error, text); }
    void line(Level level, std::string_view text);

    bool colours() const { return m_colours; }

private:
    int m_fd;
    bool m_colours;
};

} // namespace korvanel
