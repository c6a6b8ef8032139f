// Runs a program that sends frames (korvanel-player, or the window through
// bench_window_play) against the fake D2XX library and reports, over a
// measured stretch after it settled: CPU time per second, resident memory
// and the spread of the frame period on the wire.
// Usage: bench_player [--seconds N] [--busy] -- PROGRAM [ARGUMENTS]...
//   --busy: two processes spin on the two cores while it is measured.
//        bench_player --make-show FILE TEMPO: writes the show the runs play.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/PlayerRun.h"

namespace {

using namespace std::chrono_literals;

// Nanoseconds on a CPU, summed over the process's threads (/proc/PID/task/*/schedstat):
// finer than utime and stime, which count whole clock ticks.
long long cpuNs(pid_t pid)
{
    long long total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto &task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream in(task.path() / "schedstat");
        long long ns = 0;
        if (in >> ns)
            total += ns;
    }
    return total;
}

std::string statusLine(pid_t pid, const std::string &key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + ":", 0) == 0)
            return line;
    }
    return key + ": ?";
}

pid_t spinFor(std::chrono::seconds limit)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {}
        _exit(0);
    }
    return pid;
}

} // namespace

// Eight scenes over 48 channels: every scene change moves every channel.
int makeShow(const std::string &path, int tempo)
{
    std::vector<std::vector<std::uint8_t>> scenes(8, std::vector<std::uint8_t>(48));
    for (std::size_t s = 0; s < scenes.size(); ++s) {
        for (std::size_t c = 0; c < 48; ++c)
            scenes[s][c] = static_cast<std::uint8_t>((s * 37 + c * 11) % 256);
    }
    player_test::writeBytes(path, player_test::showImage(scenes, static_cast<std::uint8_t>(tempo)));
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 4 && std::string(argv[1]) == "--make-show")
        return makeShow(argv[2], std::atoi(argv[3]));
    int seconds = 20;
    bool busy = false;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seconds" && i + 1 < argc)
            seconds = std::max(1, std::atoi(argv[++i]));
        else if (a == "--busy")
            busy = true;
        else if (a == "--") {
            ++i;
            break;
        }
    }
    if (i >= argc) {
        std::fputs("usage: bench_player [--seconds N] [--busy] -- PROGRAM [ARGUMENTS]...\n", stderr);
        return 2;
    }
    const std::vector<std::string> command(argv + i, argv + argc);
    const std::string scratch = "/tmp/bench_player." + std::to_string(getpid());
    // The fake device records each frame in its file; on a disk file system the page faults and
    // journalling of those writes were charged to the program measured, about a tenth of its CPU.
    const std::string fakeFile =
        (access("/dev/shm", W_OK) == 0 ? "/dev/shm/bench_player." + std::to_string(getpid()) : scratch) + ".fake";
    SharedFakeD2xx fake(fakeFile, 2048);
    fake.plug();
    {
        ChildProcess program(command, {fake.environment(), "LD_LIBRARY_PATH=" FAKE_D2XX_FOLDER}, scratch + ".log");
        if (!program.started() || !ChildProcess::waitUntil([&] { return fake.writeCount() > 20; }, 15s)) {
            std::fprintf(stderr, "no frames from %s\n", command[0].c_str());
            return 1;
        }
        std::this_thread::sleep_for(2s);
        std::vector<pid_t> spinners;
        if (busy) {
            spinners = {spinFor(std::chrono::seconds(seconds + 2)), spinFor(std::chrono::seconds(seconds + 2))};
            std::this_thread::sleep_for(1s);
        }
        const pid_t pid = program.pid();
        const std::uint64_t firstFrame = fake.writeCount();
        const long long cpuBefore = cpuNs(pid);
        const auto before = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        const long long cpuAfter = cpuNs(pid);
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
        const std::uint64_t lastFrame = fake.writeCount();
        const std::string rss = statusLine(pid, "VmRSS");
        const std::string hwm = statusLine(pid, "VmHWM");
        const auto stopAt = std::chrono::steady_clock::now();
        program.signal(SIGTERM);
        const int code = program.waitFor(5s);
        const double stopMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - stopAt).count();
        for (const pid_t spinner : spinners) {
            kill(spinner, SIGKILL);
            waitpid(spinner, nullptr, 0);
        }

        std::vector<double> error;
        long long previous = -1;
        for (std::uint64_t n = firstFrame; n < lastFrame; ++n) {
            long long at = 0;
            if (fake.bytes(n, &at).empty())
                continue;
            if (previous >= 0)
                error.push_back(std::abs((at - previous) / 1e6 - 50.0));
            previous = at;
        }
        std::sort(error.begin(), error.end());
        const auto quantile = [&](double q) {
            return error.empty() ? 0.0 : error[std::min(error.size() - 1, static_cast<std::size_t>(q * error.size()))];
        };
        const double msPerSecond = (cpuAfter - cpuBefore) / 1e6 / elapsed;
        std::string shown;
        for (const std::string &word : command)
            shown += (shown.empty() ? "" : " ") + word;
        std::printf("%s%s\n", shown.c_str(), busy ? "   [both cores busy]" : "");
        std::printf("  CPU %.3f ms per second over %.0f s\n", msPerSecond, elapsed);
        std::printf("  %s, %s\n", rss.c_str(), hwm.c_str());
        std::printf("  frames %llu, |period - 50 ms|: median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                    static_cast<unsigned long long>(lastFrame - firstFrame), quantile(0.5), quantile(0.99),
                    error.empty() ? 0.0 : error.back());
        std::printf("  SIGTERM to exit %.1f ms, exit code %d\n", stopMs, code);
    }
    std::remove(fakeFile.c_str());
    std::remove((scratch + ".log").c_str());
    return 0;
}
