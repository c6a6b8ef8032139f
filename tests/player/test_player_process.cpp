// korvanel-player as a program: started with show files against the fake D2XX
// library, watched on the wire and in its log, stopped with signals.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "player/PlayerOutputs.h"
#include "support/PlayerRun.h"

using namespace player_test;

namespace {

constexpr const char *Program = KORVANEL_PLAYER_PROGRAM;

class PlayerProcess : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.valid()); }

    std::string show(const std::string &name, const std::vector<std::vector<std::uint8_t>> &scenes,
                     std::uint8_t tempo = 10)
    {
        writeBytes(folder / name, showImage(scenes, tempo));
        return folder / name;
    }
    std::string shortFile(const std::string &name)
    {
        writeBytes(folder / name, std::vector<std::uint8_t>(1000, 7));
        return folder / name;
    }
    std::unique_ptr<PlayerRun> start(const std::vector<std::string> &arguments)
    {
        auto run = std::make_unique<PlayerRun>(folder, Program, arguments, fake);
        EXPECT_TRUE(run->process().started());
        return run;
    }
    // SIGTERM or SIGINT: a clean stop, well inside a second.
    void stopWith(PlayerRun &run, int signal)
    {
        const auto sent = std::chrono::steady_clock::now();
        run.process().signal(signal);
        EXPECT_EQ(run.process().waitFor(5s), 0) << run.log();
        EXPECT_LT(std::chrono::steady_clock::now() - sent, 1s) << "stopped late";
        EXPECT_EQ(fake.openHandles(), 0u) << "the interface is closed";
    }

    ScratchFolder folder;
    SharedFakeD2xx fake{folder / "fake"};
};

} // namespace

TEST_F(PlayerProcess, BadStartsExitWithCode2AndAClearLineAndSendNothing)
{
    fake.plug();
    const std::string good = show("good.kvl", {{1}});
    mkdir((folder / "folder.kvl").c_str(), 0700);
    mkfifo((folder / "pipe.kvl").c_str(), 0600);
    const struct {
        std::vector<std::string> arguments;
        std::string says;
        bool usage;
    } cases[] = {
        {{}, "не указан файл шоу", true},
        {{"--tempo", "0", good}, "темп — число от 10 до 170", true},
        {{"--universe", "0", good}, "вселенная OLA", true},
        {{"--output", "usb", "--universe", "3", good},
         korvanel::PlayerOutputs::olaBuilt() ? "--universe задаёт вселенную OLA" : "в этой сборке нет вывода OLA",
         true},
        {{"--bogus", good}, "неизвестный параметр «--bogus»", true},
        {{folder / "missing.kvl", good},
         "первое шоу не загружено: " + folder / "missing.kvl" + ": файл не найден",
         false},
        {{folder / "folder.kvl"}, "это папка, а не файл шоу", false},
        {{shortFile("short.kvl")}, "файл короче 81920 байт: это не шоу", false},
        {{folder / "pipe.kvl"}, "это не обычный файл", false},
        {{"--coder", folder / "missing.kvr", good}, "таблица перекодировки не загружена", false},
        {{"--settings", folder / "missing.ini", good}, "файл настроек не читается", false},
    };
    for (const auto &c : cases) {
        auto run = start(c.arguments);
        EXPECT_EQ(run->process().waitFor(10s), 2) << c.says;
        EXPECT_NE(run->log().find(c.says), std::string::npos) << run->log();
        EXPECT_EQ(run->log().find("Использование: korvanel-player") != std::string::npos, c.usage) << run->log();
        EXPECT_EQ(run->log().find('\033'), std::string::npos) << "no colours into a file";
    }
    EXPECT_EQ(fake.writeCount(), 0u) << "nothing sent";
}

TEST_F(PlayerProcess, SpeaksTheLanguageOfTheLocale)
{
    const std::string missing = folder / "missing.kvl";
    const struct {
        const char *locale;
        const char *help;
        std::string line;
    } cases[] = {
        {"ru_RU.UTF-8", "Использование: korvanel-player [ПАРАМЕТР]... ШОУ.kvl...\nИграет шоу без окна",
         "korvanel-player: первое шоу не загружено: " + missing + ": файл не найден\n"},
        {"en_US.UTF-8", "Usage: korvanel-player [OPTION]... SHOW.kvl...\nPlays shows without a window",
         "korvanel-player: first show not loaded: " + missing + ": file not found\n"},
    };
    for (const auto &c : cases) {
        PlayerRun help(folder, Program, {"--help"}, fake, FAKE_D2XX_FOLDER, c.locale);
        EXPECT_EQ(help.process().waitFor(10s), 0);
        EXPECT_EQ(help.output().rfind(c.help, 0), 0u) << help.output();
        PlayerRun run(folder, Program, {missing}, fake, FAKE_D2XX_FOLDER, c.locale);
        EXPECT_EQ(run.process().waitFor(10s), 2);
        EXPECT_EQ(run.log(), c.line);
    }
}

TEST_F(PlayerProcess, PlaysTheFilesInTurnSkippingABadOneEachTimeAndWithOnceHoldsTheLastScene)
{
    fake.plug();
    // Stored tempo 170 (28.9 s a scene): only --tempo 20 (400 ms, 8 ticks) gets through in time.
    const std::string a = show("a.kvl", {{10}, {14}}, 170);
    const std::string b = show("b.kvl", {{20}, {24}, {28}}, 170);
    const std::string bad = shortFile("bad.kvl");
    {
        auto run = start({"--once", "--tempo", "20", a, bad, b});
        ASSERT_TRUE(ChildProcess::waitUntil([&] { return run->logSays("показ окончен", 0ms); }, 8s)) << run->log();
        const auto from = fake.writeCount();
        ASSERT_TRUE(run->framesFlow(from, 10));
        // Each change fades by its steps and lands before the next: 1 a tick, 2 from scene 0's 20 div 8.
        EXPECT_EQ(run->channelSteps(1),
                  (std::vector<int>{10, 11, 12, 13, 14, 16, 18, 20, 21, 22, 23, 24, 25, 26, 27, 28}));
        EXPECT_EQ(run->channelSteps(1, from), std::vector<int>{28}) << "the last scene stays";
        EXPECT_EQ(run->logCount("шоу пропущено: " + bad), 1u) << run->log();
        stopWith(*run, SIGTERM);
    }
    {
        // Round and round at 100 ms a scene: the bad file is passed over at every turn, and told of once.
        auto run = start({"--tempo=10", a, bad, b});
        EXPECT_TRUE(ChildProcess::waitUntil(
            [&] { return run->logCount("шоу: " + a) >= 3 && run->logCount("шоу: " + b) >= 3; }, 8s))
            << run->log();
        EXPECT_EQ(run->logCount("шоу пропущено: " + bad), 1u) << run->log();
        stopWith(*run, SIGINT);
    }
}

TEST_F(PlayerProcess, StopsOnSignalsWithTheLastFrameOrABlackout)
{
    fake.plug();
    const std::string lit = show("lit.kvl", {{200, 255, 7}});
    for (const bool blackout : {false, true}) {
        std::vector<std::string> arguments{lit};
        if (blackout)
            arguments.insert(arguments.begin(), "--blackout-on-exit");
        auto run = start(arguments);
        ASSERT_TRUE(run->framesFlow(fake.writeCount(), 3)) << run->log();
        stopWith(*run, SIGTERM);
        const SharedFakeD2xx::Levels last = fake.lastLevels();
        ASSERT_EQ(last.size(), 513u);
        const std::vector<std::uint8_t> shown(last.begin() + 1, last.begin() + 4);
        EXPECT_EQ(shown, (blackout ? std::vector<std::uint8_t>{0, 0, 0} : std::vector<std::uint8_t>{200, 255, 7}));
        EXPECT_TRUE(run->logSays(blackout ? "отправлено затемнение" : "остановка по сигналу SIGTERM", 0ms));
    }
}

TEST_F(PlayerProcess, HangupReloadsAChangedShowInPlaceAndKeepsItWhenTheFileBreaks)
{
    fake.plug();
    const std::string path = show("live.kvl", {{100}});
    auto run = start({"--no-realtime", path});
    ASSERT_TRUE(run->framesFlow(0)) << run->log();
    EXPECT_TRUE(run->logSays("вывод DMX с обычным приоритетом (--no-realtime)", 0ms)) << run->log();

    show("live.kvl", {{150}});
    run->process().signal(SIGHUP);
    EXPECT_TRUE(run->logSays("шоу перечитано: " + path)) << run->log();
    EXPECT_TRUE(ChildProcess::waitUntil([&] { return fake.lastLevel(1) == 150; }, 3s));

    shortFile("live.kvl");
    run->process().signal(SIGHUP);
    EXPECT_TRUE(run->logSays("шоу не перечитано, остаётся прежнее: " + path + ": файл короче")) << run->log();
    const auto from = fake.writeCount();
    ASSERT_TRUE(run->framesFlow(from, 5)) << "the output never stopped";
    EXPECT_EQ(run->channelSteps(1, from), std::vector<int>{150});
    stopWith(*run, SIGTERM);
}

TEST_F(PlayerProcess, NoFrameWithoutAnInterfaceAndPluggingFailingAndPullingItAreLogged)
{
    const std::string path = show("s.kvl", {{60}});
    auto run = start({path});
    ASSERT_TRUE(run->logSays("интерфейс не найден")) << run->log();
    EXPECT_EQ(fake.writeCount(), 0u);

    fake.plug();
    ASSERT_TRUE(run->logSays("интерфейс найден: FAKE DMX 1, серийный номер = KV000001")) << run->log();
    ASSERT_TRUE(run->framesFlow(0));

    fake.unplug();
    ASSERT_TRUE(run->logSays("интерфейс потерян")) << run->log();
    const auto unplugged = fake.writeCount();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(fake.writeCount(), unplugged) << "nothing goes to a pulled interface";

    fake.plug();
    ASSERT_TRUE(ChildProcess::waitUntil([&] { return run->logCount("интерфейс найден") == 2; }, 3s)) << run->log();
    ASSERT_TRUE(run->framesFlow(unplugged));

    // Three failed writes in a row, each after a reopen: one line, not one a second.
    fake.failWrites(4, 3);
    EXPECT_TRUE(run->logSays("ошибка записи в интерфейс - Ошибка ввода-вывода...")) << run->log();
    EXPECT_TRUE(ChildProcess::waitUntil(
        [&] {
            const auto from = fake.writeCount();
            return run->framesFlow(from, 3, 200ms);
        },
        6s))
        << "frames resume after the reopen";
    EXPECT_EQ(run->logCount("ошибка записи"), 1u) << run->log();
    EXPECT_EQ(run->logCount("интерфейс потерян"), 1u) << "a write fault is not an unplug";

    // Plugged in again where the system refuses it (no right, or held elsewhere): there, not missing.
    fake.failOpens(3);
    fake.unplug();
    ASSERT_TRUE(ChildProcess::waitUntil([&] { return run->logCount("интерфейс потерян") == 2; }, 3s)) << run->log();
    fake.plug();
    EXPECT_TRUE(run->logSays("интерфейс есть, но не открывается: нет прав на него")) << run->log();
    fake.failOpens(0);
    EXPECT_TRUE(ChildProcess::waitUntil([&] { return run->logCount("интерфейс найден") == 3; }, 3s)) << run->log();
    EXPECT_EQ(run->logCount("интерфейс не найден"), 1u) << run->log();
    stopWith(*run, SIGTERM);
}

TEST_F(PlayerProcess, RecodesByTheTableOfTheSettingsOrTheOneNamedOnTheCommandLine)
{
    fake.plug();
    const std::string path = show("s.kvl", {{11, 22, 33}});
    // Tables of 256 little-endian entries: slot 1 carries channel 3, or channel 2.
    const auto table = [&](const std::string &name, std::uint8_t sourceOfSlot1) {
        std::vector<std::uint8_t> bytes(512);
        for (std::size_t i = 0; i < 256; ++i)
            bytes[2 * i] = static_cast<std::uint8_t>(i);
        bytes[2] = sourceOfSlot1;
        writeBytes(folder / name, bytes);
        return folder / name;
    };
    const std::string fromSettings = table("settings.kvr", 3);
    const std::string named = table("named.kvr", 2);
    const std::string settings = folder / "korvanel.ini";
    {
        std::ofstream out(settings);
        out << "[LastFile]\nCoder=" << fromSettings << "\n";
    }
    for (const bool onCommandLine : {false, true}) {
        std::vector<std::string> arguments{"--settings", settings, path};
        if (onCommandLine)
            arguments.insert(arguments.begin(), {"--coder", named});
        auto run = start(arguments);
        ASSERT_TRUE(run->framesFlow(fake.writeCount(), 2)) << run->log();
        EXPECT_EQ(fake.lastLevel(1), onCommandLine ? 22 : 33);
        EXPECT_TRUE(run->logSays("таблица перекодировки: " + (onCommandLine ? named : fromSettings), 0ms));
        stopWith(*run, SIGTERM);
    }
}

TEST_F(PlayerProcess, AShowOrSettingsFileItMayNotReadIsRefusedWithExitCode2)
{
    // Root reads any file: the player then runs as nobody, as a service user would.
    std::vector<std::string> asNobody;
    if (geteuid() == 0) {
        if (access("/usr/bin/setpriv", X_OK) != 0)
            GTEST_SKIP() << "setpriv is not installed: no way to run the player as an ordinary user";
        asNobody = {"--reuid=nobody", "--regid=nogroup", "--clear-groups", Program};
    }
    fake.plug();
    const std::string locked = show("locked.kvl", {{1}});
    const std::string hidden = show("hidden.kvl", {{1}});
    mkdir((folder / "closed").c_str(), 0700);
    const std::string behind = folder / "closed/show.kvl";
    std::rename(hidden.c_str(), behind.c_str());
    const std::string settings = folder / "locked.ini";
    std::ofstream(settings) << "[LastFile]\n";
    const std::string readable = show("readable.kvl", {{1}});
    chmod(readable.c_str(), 0644);
    chmod(locked.c_str(), 0);
    chmod(settings.c_str(), 0);
    chmod((folder / "closed").c_str(), 0);
    // The scratch folder itself lets everyone through, not list.
    chmod((folder / "").c_str(), 0711);
    const struct {
        std::vector<std::string> arguments;
        std::string says;
    } cases[] = {
        {{locked}, "первое шоу не загружено: " + locked + ": не открывается: нет прав на чтение"},
        {{behind}, "первое шоу не загружено: " + behind + ": не открывается: нет прав на чтение"},
        // Taken for an empty settings file, it let the show play without its recoding table.
        {{"--settings", settings, readable}, "файл настроек не читается: " + settings},
    };
    for (const auto &c : cases) {
        std::vector<std::string> arguments = asNobody;
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        PlayerRun run(folder, asNobody.empty() ? Program : "/usr/bin/setpriv", arguments, fake);
        const int code = run.process().waitFor(10s);
        if (code != 2 && run.log().find("setpriv") != std::string::npos)
            GTEST_SKIP() << "cannot drop privileges here: " << run.log();
        EXPECT_EQ(code, 2) << run.log();
        EXPECT_NE(run.log().find(c.says), std::string::npos) << run.log();
    }
    EXPECT_EQ(fake.writeCount(), 0u);
}
