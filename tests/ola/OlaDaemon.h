#pragma once
// A private OLA daemon for one test: started as the packaged user olad (it
// refuses root) with a config folder of its own, every network plugin off
// unless asked for, and read back through OLA's own client.

#include <sys/types.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace olatest {

using Slots = std::array<std::uint8_t, 512>;

class OlaDaemon {
public:
    struct Options {
        // Dummy device 1, output port 0 patched to universe 1.
        bool patchDummy = true;
        // Art-Net on loopback, output port 0 patched to universe 1: only in a
        // namespace that holds nothing but loopback.
        bool artNet = false;
        // sACN (E1.31) on the bridge PrivateNetwork adds, output port 0 patched
        // to universe 1: only where that bridge is alone with loopback.
        bool sacn = false;
    };

    explicit OlaDaemon(Options options);
    OlaDaemon() : OlaDaemon(Options{}) {}
    ~OlaDaemon();
    OlaDaemon(const OlaDaemon &) = delete;
    OlaDaemon &operator=(const OlaDaemon &) = delete;

    // Starts it and waits until its devices are loaded; empty when it runs,
    // else what went wrong, with the end of its log.
    std::string start(std::chrono::milliseconds limit = std::chrono::milliseconds(5000));
    void kill();
    void pause();  // SIGSTOP
    void resume(); // SIGCONT
    bool running() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    std::string folder() const { return m_folder; }
    std::string logTail() const;

    // What the daemon holds for the universe; none when it does not answer in time.
    static std::optional<Slots> fetch(unsigned universe,
                                      std::chrono::milliseconds limit = std::chrono::milliseconds(1000));
    // The names of the devices it has loaded, sorted, one a line; none when it does not answer.
    static std::optional<std::string> devices(std::chrono::milliseconds limit = std::chrono::milliseconds(500));

private:
    void writeConfig(const Options &options);

    std::string m_folder;
    std::string m_expectedDevices;
    bool m_bridged = false;
    pid_t m_pid = -1;
    bool m_paused = false;
};

} // namespace olatest
