#pragma once
// A JACK server of the test's own (the dummy driver: no sound card), under a
// name of its own that this process's JACK clients use through
// JACK_DEFAULT_SERVER. It dies with the process that started it, even one
// that crashed, and is killed when the object goes.

#include <string>
#include <sys/types.h>

namespace korvanel::test {

class JackServer {
public:
    // Real-time scheduling where it is granted: without it a busy machine makes
    // the server drop whole cycles of messages. Where it is not, without.
    JackServer();
    ~JackServer();
    JackServer(const JackServer &) = delete;
    JackServer &operator=(const JackServer &) = delete;

    // False with the reason when no server could be started here.
    bool running() const { return m_pid > 0 && m_why.empty(); }
    const std::string &why() const { return m_why; }
    const std::string &name() const { return m_name; }

private:
    bool start(bool realtime);
    void stop();

    std::string m_name;
    std::string m_log;
    std::string m_why;
    pid_t m_pid = -1;
};

} // namespace korvanel::test
