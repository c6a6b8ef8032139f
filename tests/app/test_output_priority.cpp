// The output thread's priority at start-up: SCHED_FIFO directly, else RTKit
// over the system bus, else normal. RTKit is a stand-in on a private bus
// (tests/rtkit_standin), reached through DBUS_SYSTEM_BUS_ADDRESS; the direct
// right is taken from the test thread for the cases that need it refused.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <linux/capability.h>
#include <memory>
#include <optional>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "app/AppShell.h"
#include "support/FakeD2xx.h"
#include "ui/mainwindow/BaseForm.h"

using namespace korvanel;

namespace {

const QString NoPriorityStatus = QString::fromUtf8(" Вывод DMX без приоритета реального времени ");

// While it lives, the calling thread (and threads it starts) may not set a
// real-time policy itself: CAP_SYS_NICE is out of its effective set and the
// rtprio limit is 0, as for an ordinary user.
class WithoutRealtimeRight {
public:
    WithoutRealtimeRight()
    {
        getrlimit(RLIMIT_RTPRIO, &m_rtprio);
        getrlimit(RLIMIT_RTTIME, &m_rttime);
        sigaction(SIGXCPU, nullptr, &m_xcpu);
        rlimit none = m_rtprio;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_RTPRIO, &none);
        if (capget(&m_header, m_caps) == 0) {
            __user_cap_data_struct lowered[2] = {m_caps[0], m_caps[1]};
            lowered[CAP_TO_INDEX(CAP_SYS_NICE)].effective &= ~CAP_TO_MASK(CAP_SYS_NICE);
            m_lowered = capset(&m_header, lowered) == 0;
        }
    }
    ~WithoutRealtimeRight()
    {
        if (m_lowered)
            capset(&m_header, m_caps);
        setrlimit(RLIMIT_RTPRIO, &m_rtprio);
        // The program under test lowered it; raising it back needs CAP_SYS_RESOURCE,
        // which some containers withhold (ctest runs each test in a process of its own).
        setrlimit(RLIMIT_RTTIME, &m_rttime);
        sigaction(SIGXCPU, &m_xcpu, nullptr);
    }
    WithoutRealtimeRight(const WithoutRealtimeRight &) = delete;
    WithoutRealtimeRight &operator=(const WithoutRealtimeRight &) = delete;

private:
    static int capget(__user_cap_header_struct *h, __user_cap_data_struct *d) { return syscall(SYS_capget, h, d); }
    static int capset(__user_cap_header_struct *h, const __user_cap_data_struct *d)
    {
        return syscall(SYS_capset, h, d);
    }

    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_caps[2]{};
    bool m_lowered = false;
    rlimit m_rtprio{};
    rlimit m_rttime{};
    struct sigaction m_xcpu {};
};

class OutputPriority : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "the stand-in applies priorities as root, as RTKit does";
        ASSERT_TRUE(dir.isValid());
        m_savedAddress = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
        m_hadAddress = qEnvironmentVariableIsSet("DBUS_SYSTEM_BUS_ADDRESS");
    }
    void TearDown() override
    {
        for (QProcess *p : {&standIn, &bus}) {
            p->kill();
            p->waitForFinished(3000);
        }
        if (m_hadAddress)
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_savedAddress);
        else
            qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    }

    // A bus of the test's own, set as the program's system bus.
    void startBus()
    {
        const QString config = dir.filePath("bus.conf");
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n<busconfig>\n  <listen>unix:path=" +
            dir.filePath("bus").toUtf8() +
            "</listen>\n  <auth>EXTERNAL</auth>\n  <policy context=\"default\">\n"
            "    <allow user=\"*\"/>\n    <allow own=\"*\"/>\n    <allow send_destination=\"*\"/>\n"
            "    <allow receive_sender=\"*\"/>\n  </policy>\n</busconfig>\n");
        file.close();
        bus.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                   QStringLiteral("--print-address=1")});
        ASSERT_TRUE(bus.waitForStarted(5000)) << "dbus-daemon: " << bus.errorString().toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return bus.canReadLine(); }, 5000));
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.readLine().trimmed());
    }
    void startStandIn(const char *answer)
    {
        standIn.start(QStringLiteral(RTKIT_STANDIN),
                      {QString::fromUtf8(qgetenv("DBUS_SYSTEM_BUS_ADDRESS")), dir.filePath("calls.log"),
                       QString::fromLatin1(answer)});
        ASSERT_TRUE(standIn.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return standIn.canReadLine(); }, 5000))
            << standIn.readAllStandardError().toStdString();
        EXPECT_EQ(standIn.readLine().trimmed(), "ready");
    }
    QString calls() const
    {
        QFile file(dir.filePath("calls.log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    struct Started {
        OutputTicker::Priority priority;
        std::int64_t thread;
        QString status;
        QString line;
        qint64 startUpMs;
    };
    // The program's start-up; the output runs until the next start or the end of the test.
    Started start()
    {
        shell.reset();
        form = std::make_unique<TBaseForm>(*engine);
        shell = std::make_unique<AppShell>(*engine, *form, dir.filePath("light.exe"), dir.filePath("data"));
        QElapsedTimer clock;
        clock.start();
        shell->FormCreate();
        const qint64 ms = clock.elapsed();
        OutputTicker &ticker = shell->ticker();
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticker.tickCount() >= 2; }, 2000)) << "the output runs";
        return {ticker.priority(), ticker.threadId(), form->StatusPanel0()->text(),
                form->control<QLabel>("LabelOutputPriority")->text(), ms};
    }

    QTemporaryDir dir;
    QProcess bus;
    QProcess standIn;
    FakeD2xx fake;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    std::unique_ptr<TBaseForm> form;
    std::unique_ptr<AppShell> shell;

private:
    QByteArray m_savedAddress;
    bool m_hadAddress = false;
};

int policyOf(std::int64_t thread) { return sched_getscheduler(static_cast<pid_t>(thread)) & ~SCHED_RESET_ON_FORK; }

} // namespace

TEST_F(OutputPriority, DirectFirstThenRtkitWhatItAnswersDecides)
{
    startBus();
    startStandIn("grant");

    Started direct = start();
    EXPECT_EQ(direct.priority, OutputTicker::Priority::RealTime);
    EXPECT_EQ(direct.line, QString::fromUtf8("Вывод DMX: приоритет реального времени (SCHED_FIFO)"));
    EXPECT_FALSE(direct.status.contains(NoPriorityStatus));
    EXPECT_EQ(calls(), "") << "RTKit is not asked when the direct request works";

    WithoutRealtimeRight ordinaryUser;
    const Started granted = start();
    EXPECT_EQ(granted.priority, OutputTicker::Priority::Delegated);
    EXPECT_EQ(granted.line, QString::fromUtf8("Вывод DMX: приоритет реального времени от RTKit"));
    EXPECT_FALSE(granted.status.contains(NoPriorityStatus)) << granted.status.toStdString();
    EXPECT_EQ(calls(), QStringLiteral("call %1 10\ngranted\n").arg(granted.thread));
    EXPECT_EQ(policyOf(granted.thread), SCHED_RR);
    rlimit rttime{};
    getrlimit(RLIMIT_RTTIME, &rttime);
    EXPECT_LE(rttime.rlim_max, 200000u) << "within the service's RTTimeUSecMax";
    EXPECT_LT(rttime.rlim_cur, rttime.rlim_max) << "SIGXCPU before the kill";

    standIn.kill();
    standIn.waitForFinished(3000);
    QFile::remove(dir.filePath("calls.log"));
    startStandIn("deny");
    const Started denied = start();
    EXPECT_EQ(denied.priority, OutputTicker::Priority::Normal);
    EXPECT_EQ(policyOf(denied.thread), SCHED_OTHER);
    EXPECT_TRUE(denied.status.contains(NoPriorityStatus)) << denied.status.toStdString();
    // The policy's refusal in words, with what the administrator can do; no bus error name.
    EXPECT_TRUE(denied.line.startsWith(
        QString::fromUtf8("Вывод DMX: обычный приоритет (RTKit отказал: система не даёт этому сеансу")))
        << denied.line.toStdString();
    for (const char *remedy : {"org.freedesktop.RealtimeKit1.acquire-real-time", "«@audio - rtprio 20»", "limits.conf"})
        EXPECT_TRUE(denied.line.contains(QString::fromUtf8(remedy))) << remedy;
    EXPECT_FALSE(denied.line.contains("Error")) << denied.line.toStdString();
    EXPECT_EQ(calls(), QStringLiteral("call %1 10\nrefused by the test\n").arg(denied.thread));
}

TEST_F(OutputPriority, WithoutBusServiceOrATimelyAnswerTheOutputRunsAtNormalPriority)
{
    WithoutRealtimeRight ordinaryUser;
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + dir.filePath("no-bus").toUtf8());
    const Started noBus = start();
    EXPECT_EQ(noBus.priority, OutputTicker::Priority::Normal);
    EXPECT_TRUE(noBus.status.contains(NoPriorityStatus));
    EXPECT_EQ(noBus.line, QString::fromUtf8("Вывод DMX: обычный приоритет (системная шина D-Bus недоступна)"));

    startBus();
    const Started noService = start();
    EXPECT_EQ(noService.priority, OutputTicker::Priority::Normal);
    EXPECT_EQ(noService.line, QString::fromUtf8("Вывод DMX: обычный приоритет (служба RTKit не найдена)"));

    // A service that answers after seconds holds the start-up for 1 s at most;
    // the priority it then applies shows at the next look.
    startStandIn("slow:3000");
    const Started slow = start();
    EXPECT_LT(slow.startUpMs, noService.startUpMs + 1500) << "the start-up went on without the answer";
    EXPECT_EQ(slow.priority, OutputTicker::Priority::Normal);
    EXPECT_TRUE(slow.status.contains(NoPriorityStatus));
    EXPECT_EQ(slow.line, QString::fromUtf8("Вывод DMX: обычный приоритет (RTKit не ответил за 1 с)"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls().endsWith("late\n"); }, 5000)) << calls().toStdString();
    EXPECT_EQ(calls(), QStringLiteral("call %1 10\nlate\n").arg(slow.thread));
    shell->recheckOutputPriority();
    EXPECT_EQ(form->control<QLabel>("LabelOutputPriority")->text(),
              QString::fromUtf8("Вывод DMX: приоритет реального времени от RTKit"));
}
