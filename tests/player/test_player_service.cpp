// korvanel-player as a systemd service, against the fake D2XX library: its log
// lines carry the journal's priorities when standard error is the journal, and
// it tells a datagram socket of the test's own, given as NOTIFY_SOCKET as
// systemd gives it, that it is ready, what it plays, that it reloads and stops,
// and pings the watchdog from its output loop. And --check, which sends nothing.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <thread>

#include "player/ServiceNotify.h"
#include "support/PlayerRun.h"

using namespace player_test;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char *Program = KORVANEL_PLAYER_PROGRAM;

// systemd's end of NOTIFY_SOCKET: every datagram, with when it came.
class NotifyListener {
public:
    struct Message {
        std::string text;
        Clock::time_point at;
    };

    // `name`: a path, or an abstract name starting with '@'.
    explicit NotifyListener(std::string name) : m_name(std::move(name))
    {
        m_fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, m_name.data(), m_name.size());
        socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + m_name.size());
        if (m_name[0] == '@')
            address.sun_path[0] = '\0';
        else
            ++length;
        m_bound = m_fd >= 0 && bind(m_fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
        m_reader = std::thread([this] { read(); });
    }
    ~NotifyListener()
    {
        m_stop = true;
        m_reader.join();
        if (m_fd >= 0)
            close(m_fd);
    }

    bool bound() const { return m_bound; }
    std::string environment() const { return "NOTIFY_SOCKET=" + m_name; }
    std::vector<Message> messages() const
    {
        std::lock_guard guard(m_lock);
        return m_messages;
    }
    // The messages that start with `start`.
    std::vector<Message> starting(const std::string &start) const
    {
        std::vector<Message> found;
        for (const Message &m : messages()) {
            if (m.text.rfind(start, 0) == 0)
                found.push_back(m);
        }
        return found;
    }
    bool waitFor(const std::string &start, std::size_t count = 1, std::chrono::milliseconds limit = 5s) const
    {
        return ChildProcess::waitUntil([&] { return starting(start).size() >= count; }, limit);
    }

private:
    void read()
    {
        while (!m_stop) {
            pollfd p{m_fd, POLLIN, 0};
            if (poll(&p, 1, 10) <= 0)
                continue;
            char buffer[4096];
            const ssize_t n = recv(m_fd, buffer, sizeof buffer, 0);
            if (n < 0)
                continue;
            std::lock_guard guard(m_lock);
            m_messages.push_back({std::string(buffer, static_cast<std::size_t>(n)), Clock::now()});
        }
    }

    std::string m_name;
    int m_fd = -1;
    bool m_bound = false;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_lock;
    std::vector<Message> m_messages;
    std::thread m_reader;
};

class PlayerService : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.valid()); }

    std::string show(const std::string &name, const std::vector<std::vector<std::uint8_t>> &scenes,
                     std::uint8_t tempo = 10)
    {
        writeBytes(folder / name, showImage(scenes, tempo));
        return folder / name;
    }
    std::unique_ptr<PlayerRun> start(const std::vector<std::string> &arguments,
                                     const std::vector<std::string> &environment)
    {
        auto run =
            std::make_unique<PlayerRun>(folder, Program, arguments, fake, FAKE_D2XX_FOLDER, "ru_RU.UTF-8", environment);
        EXPECT_TRUE(run->process().started());
        return run;
    }

    ScratchFolder folder;
    SharedFakeD2xx fake{folder / "fake"};
};

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        lines.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return lines;
}

} // namespace

TEST_F(PlayerService, LogLinesCarryTheJournalsPrioritiesOnlyWhenStandardErrorIsTheJournal)
{
    const std::string good = show("good.kvl", {{1}});
    writeBytes(folder / "bad.kvl", std::vector<std::uint8_t>(100, 1));
    // The journal's stream is standard error's file itself; the test makes it first to know its identity.
    const auto journalOf = [](const std::string &file) {
        std::ofstream(file).close();
        struct stat info {};
        stat(file.c_str(), &info);
        return "JOURNAL_STREAM=" + std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
    };
    const auto run = [&](const std::vector<std::string> &arguments, const std::string &stream) {
        const std::string log = folder / "journal.log";
        std::vector<std::string> argv{Program};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        ChildProcess child(argv,
                           {stream == "ours" ? journalOf(log) : stream, fake.environment(),
                            std::string("LD_LIBRARY_PATH=") + FAKE_D2XX_FOLDER,
                            "LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG=ru_RU.UTF-8", "NOTIFY_SOCKET="},
                           log);
        if (!arguments.empty() && arguments[0] == good) {
            EXPECT_TRUE(ChildProcess::waitUntil(
                [&] { return child.errorOutput().find("интерфейс не найден") != std::string::npos; }, 5s))
                << child.errorOutput();
            child.signal(SIGTERM);
        }
        EXPECT_GE(child.waitFor(10s), 0);
        return child.errorOutput();
    };

    const std::string playing = run({good, folder / "bad.kvl"}, "ours");
    const std::vector<std::string> lines = linesOf(playing);
    ASSERT_GE(lines.size(), 4u) << playing;
    for (const std::string &line : lines) {
        EXPECT_TRUE(line.rfind("<3>", 0) == 0 || line.rfind("<4>", 0) == 0 || line.rfind("<6>", 0) == 0) << line;
        EXPECT_EQ(line.find("korvanel-player: "), std::string::npos) << "the journal names the program itself";
    }
    EXPECT_NE(playing.find("<6>шоу: " + good), std::string::npos) << playing;
    EXPECT_NE(playing.find("<4>шоу не загружено, будет пропускаться: " + folder / "bad.kvl"), std::string::npos);
    EXPECT_NE(playing.find("<4>интерфейс не найден"), std::string::npos);
    EXPECT_NE(playing.find("<6>остановка по сигналу SIGTERM"), std::string::npos);

    // An error; a refusal, whose usage lines follow at their own priority.
    EXPECT_EQ(linesOf(run({folder / "missing.kvl"}, "ours")),
              std::vector<std::string>{"<3>первое шоу не загружено: " + folder / "missing.kvl" + ": файл не найден"});
    const std::vector<std::string> refused = linesOf(run({"--bogus", good}, "ours"));
    ASSERT_EQ(refused.size(), 3u);
    EXPECT_EQ(refused[0], "<3>неизвестный параметр «--bogus»");
    EXPECT_EQ(refused[1].rfind("<6>Использование: korvanel-player", 0), 0u) << refused[1];

    // A stream of another file (inherited from a parent, say) is not the journal: plain lines, as ever.
    const std::string stale = run({folder / "missing.kvl"}, "JOURNAL_STREAM=1:2");
    EXPECT_EQ(stale, "korvanel-player: первое шоу не загружено: " + folder / "missing.kvl" + ": файл не найден\n");
}

TEST_F(PlayerService, TellsSystemdWhenItIsReadyWhatItPlaysWhenItReloadsAndWhenItStops)
{
    fake.plug();
    NotifyListener systemd(folder / "notify");
    ASSERT_TRUE(systemd.bound());
    // 100 ms a scene: the status would change ten times a second.
    const std::string path = show("three.kvl", {{10}, {20}, {30}});
    auto run = start({path}, {systemd.environment()});

    ASSERT_TRUE(systemd.waitFor("READY=1")) << run->log();
    EXPECT_GE(fake.writeCount(), 1u) << "ready once the first frame has gone out";
    const std::string ready = systemd.starting("READY=1").front().text;
    EXPECT_EQ(ready.rfind("READY=1\nSTATUS=three.kvl, сцена ", 0), 0u) << ready;
    EXPECT_NE(ready.find("из 3; USB: FAKE DMX 1, серийный номер = KV000001"), std::string::npos) << ready;

    ASSERT_TRUE(systemd.waitFor("STATUS=", 5)) << run->log();
    const std::vector<NotifyListener::Message> statuses = systemd.starting("STATUS=");
    for (std::size_t i = 1; i < statuses.size(); ++i) {
        EXPECT_NE(statuses[i].text, statuses[i - 1].text) << "told when it changes";
        EXPECT_GE(statuses[i].at - statuses[i - 1].at, 200ms) << "a few times a second at most";
    }

    run->process().signal(SIGHUP);
    ASSERT_TRUE(systemd.waitFor("READY=1", 2)) << run->log();
    std::vector<std::string> texts;
    for (const NotifyListener::Message &m : systemd.messages())
        texts.push_back(m.text);
    const auto reloading = std::find_if(texts.begin(), texts.end(), [](const std::string &t) {
        return t.rfind("RELOADING=1\nMONOTONIC_USEC=", 0) == 0;
    });
    ASSERT_NE(reloading, texts.end());
    EXPECT_EQ(std::find_if(reloading, texts.end(), [](const std::string &t) { return t.rfind("READY=1\n", 0) == 0; }) -
                  reloading,
              1)
        << "ready again right after the reload";

    run->process().signal(SIGTERM);
    EXPECT_EQ(run->process().waitFor(5s), 0) << run->log();
    EXPECT_EQ(systemd.messages().back().text, "STOPPING=1");
    EXPECT_TRUE(systemd.starting("WATCHDOG=1").empty()) << "no watchdog was asked for";
}

TEST_F(PlayerService, TheOutputLoopPingsTheWatchdogAtHalfItsIntervalAndStopsWhenItHangs)
{
    fake.plug();
    NotifyListener systemd("@korvanel-player-test-" + std::to_string(getpid()));
    ASSERT_TRUE(systemd.bound());
    auto run = start({show("s.kvl", {{5}})}, {systemd.environment(), "WATCHDOG_USEC=1000000"});
    ASSERT_TRUE(systemd.waitFor("WATCHDOG=1", 3, 5s)) << run->log();
    const std::vector<NotifyListener::Message> pings = systemd.starting("WATCHDOG=1");
    for (std::size_t i = 1; i < pings.size(); ++i) {
        EXPECT_GE(pings[i].at - pings[i - 1].at, 400ms) << "at half the interval, not at every tick";
        EXPECT_LT(pings[i].at - pings[i - 1].at, 1000ms) << "before systemd's patience ends";
    }

    // The output loop hangs in a write: the pings stop, and come back with it.
    fake.holdWrites(true);
    const auto held = fake.writeCount();
    std::this_thread::sleep_for(100ms);
    ASSERT_LE(fake.writeCount(), held + 1) << "the loop is stuck in its write";
    const std::size_t before = systemd.starting("WATCHDOG=1").size();
    std::this_thread::sleep_for(1200ms);
    EXPECT_EQ(systemd.starting("WATCHDOG=1").size(), before) << "no ping from a hung output loop";
    fake.holdWrites(false);
    EXPECT_TRUE(systemd.waitFor("WATCHDOG=1", before + 1, 3s));
    run->process().signal(SIGTERM);
    EXPECT_EQ(run->process().waitFor(5s), 0) << run->log();
}

TEST(ServiceNotify, TheWatchdogIsForTheProcessItNamesOnly)
{
    using korvanel::watchdogInterval;
    EXPECT_EQ(watchdogInterval("500000", nullptr, 42).count(), 500000);
    EXPECT_EQ(watchdogInterval("500000", "42", 42).count(), 500000);
    EXPECT_EQ(watchdogInterval("500000", "41", 42).count(), 0) << "another process's watchdog";
    EXPECT_EQ(watchdogInterval("5e5", nullptr, 42).count(), 0);
    EXPECT_EQ(watchdogInterval("0", nullptr, 42).count(), 0);
    EXPECT_EQ(watchdogInterval(nullptr, nullptr, 42).count(), 0);
}

TEST_F(PlayerService, CheckSaysWhatEachFileHoldsOrWhyItFailsSendsNothingAndExitsTwoOnAnyFault)
{
    fake.plug();
    std::vector<std::uint8_t> levels(12, 0);
    levels[0] = levels[1] = levels[2] = 50; // channels 1-3
    levels[9] = 9;                          // and 10
    const std::string good = show("good.kvl", {levels, {0, 7}}, 40);
    writeBytes(folder / "short.kvl", std::vector<std::uint8_t>(100, 1));
    std::vector<std::uint8_t> table(512);
    writeBytes(folder / "table.kvr", table);
    const std::string settings = folder / "korvanel.ini";
    std::ofstream(settings) << "[LastFile]\nCoder=" << folder / "table.kvr"
                            << "\n";

    {
        PlayerRun run(folder, Program, {"--check", "--settings", settings, good}, fake);
        EXPECT_EQ(run.process().waitFor(10s), 0) << run.output() << run.log();
        EXPECT_EQ(run.output(),
                  good + ": шоу, сцен 2, темп 40 (1600 мс), занято каналов: 4 (1-3, 10)\n" + settings +
                      ": файл настроек, таблица перекодировки " + folder / "table.kvr" + "\n" + folder / "table.kvr" +
                      ": таблица перекодировки в порядке\n" + "проверено файлов: 3, все в порядке\n");
    }
    {
        PlayerRun run(folder, Program, {"--check", good, folder / "short.kvl", folder / "none.kvl"}, fake,
                      FAKE_D2XX_FOLDER, "en_US.UTF-8");
        EXPECT_EQ(run.process().waitFor(10s), 2) << run.output() << run.log();
        const std::string out = run.output();
        EXPECT_NE(out.find(good + ": show, scenes: 2, tempo 40 (1600 ms), channels used: 4 (1-3, 10)\n"),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find(folder / "short.kvl" + ": error: file shorter than 81920 bytes: not a show\n"),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find(folder / "none.kvl" + ": error: file not found\n"), std::string::npos) << out;
        EXPECT_NE(out.find("files checked: 3, with errors: 2\n"), std::string::npos) << out;
    }
    {
        // A recoding table that cannot be read is a fault too, as it stops the player.
        PlayerRun run(folder, Program, {"--check", "--coder", folder / "missing.kvr", good}, fake);
        EXPECT_EQ(run.process().waitFor(10s), 2) << run.output() << run.log();
        EXPECT_NE(run.output().find(folder / "missing.kvr" + ": ошибка: файл не найден"), std::string::npos);
    }
    EXPECT_EQ(fake.writeCount(), 0u) << "nothing sent";
    EXPECT_EQ(fake.closes(), 0u) << "no interface opened";
}
