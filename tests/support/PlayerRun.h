#pragma once
// korvanel-player started by a test against the fake D2XX library: show
// files made byte by byte, the program in a child process that finds the fake
// on its library path, and its frames, log and output read back. It runs in
// the given locale (Russian unless told), whatever the test's own is.

#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/SharedFakeD2xx.h"

#ifndef FAKE_D2XX_FOLDER
#define FAKE_D2XX_FOLDER ""
#endif

namespace player_test {

using namespace std::chrono_literals;

// A show whose scenes hold the given levels on channels 1, 2, ...: scenes[s][c - 1].
inline std::vector<std::uint8_t> showImage(const std::vector<std::vector<std::uint8_t>> &scenes, std::uint8_t tempo)
{
    std::vector<std::uint8_t> show(81920, 0);
    for (std::size_t c = 256; c < 512; ++c)
        show[c] = 255; // rates
    show[131] = 0;
    show[132] = static_cast<std::uint8_t>(scenes.size() - 1);
    show[133] = tempo;
    for (std::size_t s = 0; s < scenes.size(); ++s) {
        for (std::size_t c = 0; c < scenes[s].size(); ++c)
            show[16384 + 256 * s + 1 + c] = scenes[s][c];
    }
    return show;
}

// Written beside and renamed over, as a show editor would save it.
inline void writeBytes(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::rename(temporary.c_str(), path.c_str());
}

// A folder of its own under the system's temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + std::string("/playerXXXXXX");
        m_path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder()
    {
        if (!m_path.empty())
            std::system(("rm -rf '" + m_path + "'").c_str());
    }
    std::string operator/(const std::string &name) const { return m_path + "/" + name; }
    bool valid() const { return !m_path.empty(); }

private:
    std::string m_path;
};

class PlayerRun {
public:
    // `environment`: more "NAME=value" for the program, over the test's own.
    PlayerRun(const ScratchFolder &folder, const std::string &program, const std::vector<std::string> &arguments,
              SharedFakeD2xx &fake, const std::string &fakeFolder = FAKE_D2XX_FOLDER,
              const std::string &locale = "ru_RU.UTF-8", const std::vector<std::string> &environment = {})
        : m_fake(fake), m_child(argv(program, arguments), environmentOf(fake, fakeFolder, locale, environment),
                                folder / ("player" + std::to_string(m_number) + ".log"),
                                folder / ("player" + std::to_string(m_number) + ".out"))
    {
    }

    ChildProcess &process() { return m_child; }
    std::string log() const { return m_child.errorOutput(); }
    std::string output() const { return m_child.standardOutput(); }
    bool logSays(const std::string &text, std::chrono::milliseconds limit = 3s) const
    {
        return ChildProcess::waitUntil([&] { return log().find(text) != std::string::npos; }, limit);
    }
    std::size_t logCount(const std::string &text) const
    {
        const std::string all = log();
        std::size_t n = 0;
        for (std::size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++n;
        return n;
    }
    // Waits for `count` more frames than `from`; false on timeout.
    bool framesFlow(std::uint64_t from, unsigned count = 3, std::chrono::milliseconds limit = 3s) const
    {
        return ChildProcess::waitUntil([&] { return m_fake.writeCount() >= from + count; }, limit);
    }
    // Channel `c` of each frame from write `from` on, runs of one level kept once.
    std::vector<int> channelSteps(std::size_t c, std::uint64_t from = 0) const
    {
        std::vector<int> levels;
        for (std::uint64_t i = from; i < m_fake.writeCount(); ++i) {
            const SharedFakeD2xx::Levels frame = m_fake.levels(i);
            if (!frame.empty() && (levels.empty() || levels.back() != frame[c]))
                levels.push_back(frame[c]);
        }
        return levels;
    }

private:
    static int &runs()
    {
        static int n = 0;
        return n;
    }
    static std::vector<std::string> environmentOf(SharedFakeD2xx &fake, const std::string &fakeFolder,
                                                  const std::string &locale, const std::vector<std::string> &more)
    {
        // A test run as a service itself must not hand its own systemd connection on.
        std::vector<std::string> all{fake.environment(), "LD_LIBRARY_PATH=" + fakeFolder,
                                     "LANGUAGE=",        "LC_ALL=",
                                     "LC_MESSAGES=",     "LANG=" + locale,
                                     "NOTIFY_SOCKET=",   "WATCHDOG_USEC=",
                                     "WATCHDOG_PID=",    "JOURNAL_STREAM="};
        all.insert(all.begin(), more.begin(), more.end());
        return all;
    }
    static std::vector<std::string> argv(const std::string &program, const std::vector<std::string> &arguments)
    {
        std::vector<std::string> all{program};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return all;
    }

    SharedFakeD2xx &m_fake;
    const int m_number = ++runs();
    ChildProcess m_child;
};

} // namespace player_test
