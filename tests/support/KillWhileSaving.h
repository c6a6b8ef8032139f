#pragma once
// Kills a process that saves one file over and over, at random moments, and
// judges what is on disk after each kill. The writer is a forked child that
// saves the two images in turn and notes in shared memory which save it began
// and which it finished, so each kill is judged against the save under way:
// the file must hold that save's image or the one before it, and once a save
// has finished, its image.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace killtest {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

struct Tally {
    int kills = 0;
    int old = 0;   // the image before the save under way
    int fresh = 0; // the image of the save under way, or of the last one finished
    int other = 0; // anything else: torn, empty, missing, or a finished save undone
    int duringSave = 0;
    int failedSaves = 0;
    int mostTemporaries = 0;           // the program's temporary files in the folder after a kill
    int temporariesAfterNextSave = -1; // after one more save by a live process
    std::string firstOther;            // what the first bad outcome looked like
};

inline Bytes readAll(const std::string &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The saver's temporary files and the start-up's folder probes.
inline int temporariesIn(const std::filesystem::path &folder)
{
    int n = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        n += entry.path().filename().string().starts_with(".korvanel-") ? 1 : 0;
    return n;
}

// 200 kills per file kind, or KORVANEL_CRASH_KILLS for a longer run.
inline int killCount()
{
    const char *text = std::getenv("KORVANEL_CRASH_KILLS");
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : 200;
}

// A bound on the run; a slow disk gets fewer kills, and the figures say how many.
inline std::chrono::milliseconds killBudget(int kills) { return std::max(30000ms, kills * 150ms); }

// `save(i)` writes image i (0 or 1) into `file` and says whether it succeeded.
// The two images are the file's bytes after each save, taken from the saves
// themselves, so a writer that merges (the settings) is judged by its own output.
inline Tally killWhileSaving(const std::string &file, const std::function<bool(int)> &save, int kills,
                             std::chrono::milliseconds budget)
{
    Tally tally;
    std::array<Bytes, 2> images;
    for (int round = 0; round < 2; ++round) {
        for (int i : {1, 0}) {
            EXPECT_TRUE(save(i));
            const Bytes now = readAll(file);
            if (round == 0)
                images[i] = now;
            EXPECT_EQ(now, images[i]) << "saving image " << i << " again gives other bytes";
        }
    }
    EXPECT_NE(images[0], images[1]);
    EXPECT_FALSE(images[0].empty());

    // The kill lands at a random moment of the first save or the start of the second.
    const auto started = std::chrono::steady_clock::now();
    constexpr int Timed = 10;
    for (int n = 0; n < Timed; ++n)
        save(n % 2 == 0 ? 1 : 0);
    const auto perSave = (std::chrono::steady_clock::now() - started) / Timed;
    const auto window = std::chrono::duration_cast<std::chrono::microseconds>(perSave * 6 / 5) + 100us;

    struct Progress {
        std::atomic<std::uint64_t> begun{0};
        std::atomic<std::uint64_t> finished{0};
        std::atomic<std::uint64_t> failed{0};
    };
    void *shared = ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        ADD_FAILURE() << "no shared memory";
        return tally;
    }
    auto *progress = new (shared) Progress;

    std::random_device seed;
    std::mt19937 random(seed());
    const auto folder = std::filesystem::path(file).parent_path();
    const auto deadline = std::chrono::steady_clock::now() + budget;
    int onDisk = 0;
    while (tally.kills < kills && std::chrono::steady_clock::now() < deadline) {
        progress->begun = 0;
        progress->finished = 0;
        const pid_t child = ::fork();
        if (child < 0) {
            ADD_FAILURE() << "fork failed";
            break;
        }
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            const auto stop = std::chrono::steady_clock::now() + 20s;
            for (std::uint64_t i = 1; std::chrono::steady_clock::now() < stop; ++i) {
                progress->begun = i;
                if (!save(static_cast<int>((onDisk + i) % 2)))
                    progress->failed.fetch_add(1);
                progress->finished = i;
            }
            ::_exit(0);
        }
        for (int spin = 0; spin < 100000 && progress->begun == 0; ++spin)
            std::this_thread::sleep_for(50us);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (window.count() + 1)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFSIGNALED(status)) {
            ADD_FAILURE() << "the writer ended by itself";
            break;
        }

        const std::uint64_t begun = progress->begun;
        const bool during = begun != progress->finished;
        const int fresh = static_cast<int>((onDisk + begun) % 2);
        const Bytes now = readAll(file);
        ++tally.kills;
        tally.duringSave += during ? 1 : 0;
        if (now == images[fresh]) {
            ++tally.fresh;
            onDisk = fresh;
        } else if (now == images[1 - fresh] && during) {
            ++tally.old;
            onDisk = 1 - fresh;
        } else {
            ++tally.other;
            tally.firstOther = "kill " + std::to_string(tally.kills) + " in save " + std::to_string(begun) +
                (during ? "" : " (finished)") + ": " + std::to_string(now.size()) + " bytes on disk";
            break;
        }
        tally.mostTemporaries = std::max(tally.mostTemporaries, temporariesIn(folder));
    }
    tally.failedSaves = static_cast<int>(progress->failed);
    ::munmap(shared, sizeof(Progress));

    if (tally.other == 0) {
        EXPECT_TRUE(save(1 - onDisk));
        EXPECT_EQ(readAll(file), images[1 - onDisk]);
        tally.temporariesAfterNextSave = temporariesIn(folder);
    }
    return tally;
}

// Checks what every caller expects and prints the figures.
inline void expectOldOrNew(const char *kind, const Tally &tally, int kills)
{
    std::printf("[ kills    ] %s: %d kills (%d during a save): old %d, new %d, other %d; "
                "temporaries after a kill at most %d, after the next save %d\n",
                kind, tally.kills, tally.duringSave, tally.old, tally.fresh, tally.other, tally.mostTemporaries,
                tally.temporariesAfterNextSave);
    EXPECT_EQ(tally.other, 0) << tally.firstOther;
    EXPECT_GE(tally.kills, std::min(kills, 50)) << "too few kills in the time";
    EXPECT_GT(tally.duringSave, tally.kills / 2) << "the kills missed the saves";
    EXPECT_EQ(tally.failedSaves, 0);
    // The one a kill may leave; the next save removes it.
    EXPECT_LE(tally.mostTemporaries, 1);
    EXPECT_EQ(tally.temporariesAfterNextSave, 0);
}

} // namespace killtest
