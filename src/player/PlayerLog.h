#pragma once
// The player's log: one line per event on standard error, each written with
// one call so that lines of a service never interleave. Colours only on a
// terminal that wants them. Under systemd, when standard error is the journal,
// each line starts with its priority instead (<3> error, <4> warning, <6>
// information) and the journal adds the program's name. It words its lines in
// the player's language.

#include <initializer_list>
#include <string>
#include <string_view>

#include "player/PlayerWords.h"

namespace korvanel {

class PlayerLog {
public:
    enum class Level : unsigned char { Info, Warning, Error };

    using Values = std::initializer_list<std::string_view>;

    explicit PlayerLog(PlayerWords words, int fd = 2);

    const PlayerWords &words() const { return m_words; }
    std::string say(Say id, Values values = {}) const { return m_words(id, values); }

    void info(Say id, Values values = {}) { line(Level::Info, say(id, values)); }
    void warning(Say id, Values values = {}) { line(Level::Warning, say(id, values)); }
    void error(Say id, Values values = {}) { line(Level::Error, say(id, values)); }
    void line(Level level, std::string_view text);

    bool colours() const { return m_colours; }
    bool journal() const { return m_journal; }

private:
    PlayerWords m_words;
    int m_fd;
    bool m_journal;
    bool m_colours;
};

// Whether `fd` is the journal's stream, as systemd says in JOURNAL_STREAM ("DEV:INODE").
bool isJournalStream(int fd, const char *journalStream);

} // namespace korvanel
