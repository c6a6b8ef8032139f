// How long korvanel-player takes to stop, from SIGTERM to its exit, against the
// fake D2XX library and an OLA daemon in each state it can be found in: none,
// running, stopped by SIGSTOP (connected, answering nothing) and one whose
// listening socket takes no more connections (a connect hangs in the kernel).
// The README promises 200 ms in every case; this exits non-zero when a stop
// takes longer. Needs root: it enters a network namespace of its own that
// holds nothing but loopback, as the OLA tests do.
// Usage: bench_player_stop [ROUNDS]   (default 5, at most 50)
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "OlaDaemon.h"
#include "PrivateNetwork.h"
#include "support/PlayerRun.h"

using namespace player_test;
using olatest::OlaDaemon;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::chrono::milliseconds Promise{200};

// A listening socket on the daemon's port whose queue holds one connection and
// is never emptied: the player's first connect is taken, its second hangs.
class DeafListener {
public:
    DeafListener()
    {
        m_fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(9010);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int reuse = 1;
        setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
        m_ok = bind(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 && listen(m_fd, 0) == 0;
    }
    ~DeafListener() { close(m_fd); }
    bool ok() const { return m_ok; }

private:
    int m_fd = -1;
    bool m_ok = false;
};

struct Case {
    const char *name;
    std::vector<std::string> options;
    // Sets the daemon's state up before the player starts; false when it cannot.
    std::function<bool()> before;
    // Once the player runs: what it waits for before the stop.
    std::function<void(PlayerRun &)> settle;
    std::function<void()> after;
};

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 50) : 5;
    if (const std::string why = olatest::enterPrivateNetwork(); !why.empty()) {
        std::fprintf(stderr, "bench_player_stop: %s\n", why.c_str());
        return 2;
    }
    if (!olatest::onlyLoopback()) {
        std::fprintf(stderr, "bench_player_stop: the network holds more than loopback\n");
        return 2;
    }
    ScratchFolder folder;
    SharedFakeD2xx fake{folder / "fake"};
    fake.plug();
    const std::string show = folder / "s.kvl";
    writeBytes(show, showImage({{10, 20}, {30, 40}}, 20));

    OlaDaemon daemon;
    std::unique_ptr<DeafListener> deaf;
    const auto waitFor = [](PlayerRun &run, const char *text) {
        if (!run.logSays(text, std::chrono::seconds(5)))
            std::fprintf(stderr, "bench_player_stop: the player never said \"%s\":\n%s", text, run.log().c_str());
    };
    const std::vector<Case> cases = {
        {"USB only",
         {},
         [] { return true; },
         [&](PlayerRun &run) { (void)run.framesFlow(fake.writeCount(), 5); },
         [] {}},
        {"USB and OLA, no daemon",
         {"--output", "both"},
         [] { return true; },
         [&](PlayerRun &run) { waitFor(run, "демон не запущен"); },
         [] {}},
        {"USB and OLA, daemon running",
         {"--output", "both"},
         [&] { return daemon.start().empty(); },
         [&](PlayerRun &run) { waitFor(run, "выводится через"); },
         [&] { daemon.kill(); }},
        {"USB and OLA, daemon stopped (SIGSTOP)",
         {"--output", "both"},
         [&] { return daemon.start().empty(); },
         [&](PlayerRun &run) {
             waitFor(run, "выводится через");
             daemon.pause();
             waitFor(run, "не отвечает на запросы");
         },
         [&] { daemon.kill(); }},
        {"USB and OLA, daemon takes no connection",
         {"--output", "both"},
         [&] {
             deaf = std::make_unique<DeafListener>();
             return deaf->ok();
         },
         [&](PlayerRun &run) { waitFor(run, "не отвечает на запросы"); },
         [&] { deaf.reset(); }},
    };

    bool within = true;
    const char *program = KORVANEL_PLAYER_PROGRAM;
    for (const bool blackout : {false, true}) {
        for (const Case &c : cases) {
            std::vector<double> ms;
            for (int round = 0; round < rounds; ++round) {
                if (!c.before()) {
                    std::fprintf(stderr, "bench_player_stop: %s: could not be set up\n", c.name);
                    return 2;
                }
                std::vector<std::string> arguments = c.options;
                if (blackout)
                    arguments.push_back("--blackout-on-exit");
                arguments.push_back(show);
                PlayerRun run(folder, program, arguments, fake);
                c.settle(run);
                const auto sent = Clock::now();
                run.process().signal(SIGTERM);
                const int code = run.process().waitFor(std::chrono::seconds(5));
                ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
                c.after();
                if (code != 0) {
                    std::fprintf(stderr, "bench_player_stop: %s: exit code %d\n%s", c.name, code, run.log().c_str());
                    within = false;
                }
            }
            std::sort(ms.begin(), ms.end());
            const double worst = ms.back();
            within = within && worst <= Promise.count();
            std::printf("%-45s %s  median %6.1f ms  max %6.1f ms  (%d rounds)\n", c.name,
                        blackout ? "blackout " : "last frame", ms[ms.size() / 2], worst, rounds);
        }
    }
    std::printf("every stop within %lld ms: %s\n", static_cast<long long>(Promise.count()), within ? "yes" : "NO");
    return within ? 0 : 1;
}
