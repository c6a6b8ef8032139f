// korvanel-player with the OLA output, against a private daemon in this
// test's own network and the fake D2XX library: the same frames on both
// outputs, a daemon killed and started again while the show plays, the
// blackout on exit, and no output opened that was not asked for.
#ifdef KORVANEL_PLAYER_PROGRAM

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>

#include "OlaDaemon.h"
#include "PrivateNetwork.h"
#include "support/PlayerRun.h"

using namespace player_test;
using olatest::OlaDaemon;
using olatest::Slots;

namespace {

constexpr const char *Program = KORVANEL_PLAYER_PROGRAM;

// The names of the player's threads.
std::vector<std::string> threadNames(pid_t pid)
{
    std::vector<std::string> names;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *dir = opendir(tasks.c_str())) {
        while (const dirent *entry = readdir(dir)) {
            std::string name;
            if (entry->d_name[0] != '.' && std::getline(std::ifstream(tasks + "/" + entry->d_name + "/comm"), name))
                names.push_back(name);
        }
        closedir(dir);
    }
    return names;
}

bool hasThread(pid_t pid, const std::string &name)
{
    const std::vector<std::string> names = threadNames(pid);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Whether a library whose path holds `name` is mapped into the process.
bool mapsLibrary(pid_t pid, const std::string &name)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    for (std::string line; std::getline(maps, line);) {
        if (line.find(name) != std::string::npos)
            return true;
    }
    return false;
}

class PlayerOla : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!olatest::olaTestsUnavailable().empty())
            GTEST_SKIP() << olatest::olaTestsUnavailable();
        ASSERT_TRUE(folder.valid());
        const std::string problem = daemon.start();
        ASSERT_TRUE(problem.empty()) << problem;
        // Channel 1 moves between the scenes; 2..255 hold c * 7, the same in both.
        std::vector<std::vector<std::uint8_t>> scenes(2, std::vector<std::uint8_t>(255));
        for (std::size_t c = 2; c <= 255; ++c)
            scenes[0][c - 1] = scenes[1][c - 1] = static_cast<std::uint8_t>(c * 7);
        scenes[0][0] = 10;
        scenes[1][0] = 90;
        writeBytes(show, showImage(scenes, 170));
        fake.plug();
    }
    std::unique_ptr<PlayerRun> start(const std::vector<std::string> &arguments)
    {
        auto run = std::make_unique<PlayerRun>(folder, Program, arguments, fake);
        EXPECT_TRUE(run->process().started());
        return run;
    }
    // The universe as the USB frames have it: slot n is channel n + 1 of the show.
    static bool constantChannelsMatch(const Slots &slots)
    {
        for (std::size_t c = 2; c <= 255; ++c) {
            if (slots[c - 1] != static_cast<std::uint8_t>(c * 7))
                return false;
        }
        return std::all_of(slots.begin() + 255, slots.end(), [](std::uint8_t v) { return v == 0; });
    }

    ScratchFolder folder;
    SharedFakeD2xx fake{folder / "fake"};
    OlaDaemon daemon;
    const std::string show = folder / "ola.kvl";
};

} // namespace

TEST_F(PlayerOla, BothOutputsCarryTheSameFramesTheDaemonComesBackAndTheBlackoutStays)
{
    // 400 ms a scene, 8 ticks of fade from 10 to 90 and back.
    auto run = start({"--output", "both", "--universe", "1", "--tempo", "20", "--blackout-on-exit", show});
    ASSERT_TRUE(run->logSays("вывод OLA: демон найден, кадры идут во вселенную 1")) << run->log();
    EXPECT_TRUE(run->logSays("вывод OLA: вселенная 1 выводится через")) << run->log();

    // The first frame reaches the daemon a moment after the connection is logged.
    for (const auto settle = std::chrono::steady_clock::now() + 2s; std::chrono::steady_clock::now() < settle;) {
        if (const std::optional<Slots> first = OlaDaemon::fetch(1); first && constantChannelsMatch(*first))
            break;
        std::this_thread::sleep_for(10ms);
    }
    // The universe, sampled while the show plays, passes through the same levels in the same order as the wire.
    std::vector<int> sampled;
    const auto end = std::chrono::steady_clock::now() + 1500ms;
    for (int i = 0; i < 400 && std::chrono::steady_clock::now() < end; ++i) {
        const std::optional<Slots> slots = OlaDaemon::fetch(1);
        ASSERT_TRUE(slots);
        ASSERT_TRUE(constantChannelsMatch(*slots)) << "sample " << i;
        if (sampled.empty() || sampled.back() != (*slots)[0])
            sampled.push_back((*slots)[0]);
        std::this_thread::sleep_for(10ms);
    }
    const std::vector<int> wire = run->channelSteps(1);
    EXPECT_GE(sampled.size(), 4u) << "the universe follows the fades";
    std::size_t at = 0;
    for (const int level : sampled) {
        while (at < wire.size() && wire[at] != level)
            ++at;
        ASSERT_LT(at, wire.size()) << "level " << level << " is not next on the wire";
    }

    // The daemon goes away: the USB frames go on, and the universe is fed again soon after it is back.
    daemon.kill();
    ASSERT_TRUE(run->logSays("вывод OLA: связь с демоном потеряна")) << run->log();
    EXPECT_TRUE(run->framesFlow(fake.writeCount(), 5));
    const std::string problem = daemon.start();
    ASSERT_TRUE(problem.empty()) << problem;
    const auto restarted = std::chrono::steady_clock::now();
    EXPECT_TRUE(ChildProcess::waitUntil(
        [] {
            const std::optional<Slots> slots = OlaDaemon::fetch(1, 200ms);
            return slots && constantChannelsMatch(*slots);
        },
        2s))
        << run->log();
    EXPECT_LT(std::chrono::steady_clock::now() - restarted, 2s);
    EXPECT_TRUE(run->logSays("вывод OLA: связь с демоном восстановлена")) << run->log();
    EXPECT_EQ(run->logCount("вывод OLA: связь с демоном потеряна"), 1u) << "one line per event, not per second";

    const auto sent = std::chrono::steady_clock::now();
    run->process().signal(SIGTERM);
    EXPECT_EQ(run->process().waitFor(5s), 0) << run->log();
    EXPECT_LT(std::chrono::steady_clock::now() - sent, 1s) << "stopped late";
    const std::optional<Slots> last = OlaDaemon::fetch(1);
    ASSERT_TRUE(last);
    EXPECT_TRUE(std::all_of(last->begin(), last->end(), [](std::uint8_t v) { return v == 0; }))
        << "the blackout stays in the universe";
    EXPECT_EQ(fake.lastLevel(2), 0);
    EXPECT_TRUE(run->logSays("вывод OLA закрыт", 0ms)) << run->log();
}

TEST_F(PlayerOla, OnlyTheOutputAskedForIsOpened)
{
    {
        auto run = start({"--output", "ola", "--universe", "7", show});
        ASSERT_TRUE(run->logSays("вывод OLA: демон найден, кадры идут во вселенную 7")) << run->log();
        // The daemon drops a universe with no port: it keeps no frames to look at, hence the line.
        EXPECT_TRUE(run->logSays("вывод OLA: у вселенной 7 нет выходного порта")) << run->log();
        EXPECT_EQ(fake.writeCount(), 0u) << "no USB frame with --output ola";
        EXPECT_TRUE(mapsLibrary(run->process().pid(), "libola"));
        EXPECT_EQ(run->log().find("интерфейс"), std::string::npos) << run->log();
        run->process().signal(SIGTERM);
        EXPECT_EQ(run->process().waitFor(5s), 0) << run->log();
    }
    {
        auto run = start({show});
        ASSERT_TRUE(run->framesFlow(0, 5)) << run->log();
        EXPECT_FALSE(hasThread(run->process().pid(), "korvanel-ola")) << "no OLA worker with --output usb";
        EXPECT_GE(threadNames(run->process().pid()).size(), 2u) << "the threads are seen at all";
        // OLA's libraries cost memory from the moment they are loaded.
        EXPECT_FALSE(mapsLibrary(run->process().pid(), "libola")) << "OLA's library loaded with --output usb";
        EXPECT_EQ(run->log().find("OLA"), std::string::npos) << run->log();
        const std::optional<Slots> universe1 = OlaDaemon::fetch(1);
        ASSERT_TRUE(universe1);
        EXPECT_EQ((*universe1)[1], 0) << "nothing sent to the daemon";
        run->process().signal(SIGTERM);
        EXPECT_EQ(run->process().waitFor(5s), 0) << run->log();
    }
}

TEST_F(PlayerOla, AStalledDaemonIsToldAsNotAnsweringNeverAsMissingAndSoIsItsReturn)
{
    auto run = start({"--output", "ola", show});
    ASSERT_TRUE(run->logSays("вывод OLA: демон найден, кадры идут во вселенную 1")) << run->log();
    daemon.pause();
    EXPECT_TRUE(run->logSays("вывод OLA: демон не отвечает на запросы", 5s)) << run->log();
    daemon.resume();
    EXPECT_TRUE(run->logSays("вывод OLA: демон снова отвечает, кадры идут во вселенную 1", 5s)) << run->log();
    run->process().signal(SIGTERM);
    EXPECT_EQ(run->process().waitFor(5s), 0) << run->log();
    EXPECT_EQ(run->logCount("не отвечает на запросы"), 1u) << run->log();
    EXPECT_EQ(run->log().find("не запущен"), std::string::npos) << run->log();
    EXPECT_EQ(run->log().find("потеряна"), std::string::npos) << run->log();
}

// A daemon that takes no connections at all: its listening socket's queue is
// full, so a connect hangs in the kernel. The worker is stuck in OLA's library;
// the log says so while it hangs, and the player still stops, leaving it.
TEST(PlayerOlaHung, AConnectThatHangsIsNotAnsweringAndThePlayerStillStops)
{
    if (!olatest::olaTestsUnavailable().empty())
        GTEST_SKIP() << olatest::olaTestsUnavailable();
    ScratchFolder folder;
    SharedFakeD2xx fake{folder / "fake"};
    writeBytes(folder / "s.kvl", showImage({{1}}, 10));
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int reuse = 1; // the daemons of the tests before may have left the port in TIME_WAIT
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(9010);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 0), 0); // one connection queued, never taken; the next waits
    PlayerRun run(folder, Program, {"--output", "ola", folder / "s.kvl"}, fake);
    EXPECT_TRUE(run.logSays("вывод OLA: демон не отвечает на запросы", 5s)) << run.log();
    run.process().signal(SIGTERM);
    EXPECT_EQ(run.process().waitFor(5s), 0) << run.log();
    EXPECT_EQ(run.log().find("не запущен"), std::string::npos) << run.log();
    close(listener);
}

#endif
