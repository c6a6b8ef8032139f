// The RTKit interface on a bus of the test's own: MakeThreadRealtime and the
// properties clients read. Applies RTKit's policy (the caller's thread, a
// finite RLIMIT_RTTIME within RTTimeUSecMax, a priority within the maximum)
// with sched_setscheduler, as RTKit does, or answers as the test asks.
//
// Usage: rtkit_standin ADDRESS LOG grant|deny|slow:MS
// Writes "ready" on stdout once it owns its name; appends to LOG one line per
// call, "call THREAD PRIORITY", then "granted", "refused WHY" or "late".
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <sched.h>

namespace {

constexpr int MaxPriority = 20;
constexpr qlonglong RtTimeMax = 200000;

class Kit : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.RealtimeKit1")
    Q_PROPERTY(int MaxRealtimePriority READ maxRealtimePriority)
    Q_PROPERTY(int MinNiceLevel READ minNiceLevel)
    Q_PROPERTY(qlonglong RTTimeUSecMax READ rtTimeUSecMax)

public:
    Kit(QString log, QString answer) : m_log(std::move(log)), m_answer(std::move(answer)) {}
    int maxRealtimePriority() const { return MaxPriority; }
    int minNiceLevel() const { return -15; }
    qlonglong rtTimeUSecMax() const { return RtTimeMax; }

public slots:
    void MakeThreadRealtime(qulonglong thread, uint priority)
    {
        record(QStringLiteral("call %1 %2").arg(thread).arg(priority));
        const uint pid = connection().interface()->servicePid(message().service()).value();
        if (m_answer == QLatin1String("deny"))
            return refuse(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"), QStringLiteral("by the test"));
        if (m_answer.startsWith(QLatin1String("slow:"))) {
            setDelayedReply(true);
            const QDBusMessage call = message();
            QTimer::singleShot(m_answer.mid(5).toInt(), this, [this, call, thread, priority, pid] {
                const QString why = apply(pid, thread, priority);
                record(why.isEmpty() ? QStringLiteral("late") : QStringLiteral("refused ") + why);
                connection().send(call.createReply());
            });
            return;
        }
        const QString why = apply(pid, thread, priority);
        if (!why.isEmpty())
            return refuse(QStringLiteral("org.freedesktop.DBus.Error.Failed"), why);
        record(QStringLiteral("granted"));
    }

private:
    // RTKit's checks, then the change; empty when it was made.
    static QString apply(uint pid, qulonglong thread, uint priority)
    {
        if (!QFileInfo::exists(QStringLiteral("/proc/%1/task/%2").arg(pid).arg(thread)))
            return QStringLiteral("not a thread of the caller");
        if (priority < 1 || priority > MaxPriority)
            return QStringLiteral("priority");
        // Read as RTKit reads it: prlimit() on another user's process needs CAP_SYS_RESOURCE.
        bool finite = false;
        qlonglong hard = 0;
        QFile limits(QStringLiteral("/proc/%1/limits").arg(pid));
        if (limits.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : limits.readAll().split('\n')) {
                if (line.startsWith("Max realtime timeout"))
                    hard = line.simplified().split(' ').value(4).toLongLong(&finite);
            }
        }
        if (!finite || hard > RtTimeMax)
            return QStringLiteral("RLIMIT_RTTIME");
        sched_param param{};
        param.sched_priority = static_cast<int>(priority);
        if (sched_setscheduler(static_cast<pid_t>(thread), SCHED_RR | SCHED_RESET_ON_FORK, &param) != 0)
            return QStringLiteral("sched_setscheduler");
        return {};
    }
    void refuse(const QString &name, const QString &why)
    {
        record(QStringLiteral("refused ") + why);
        sendErrorReply(name, why);
    }
    void record(const QString &line)
    {
        QFile file(m_log);
        if (file.open(QIODevice::Append))
            file.write(line.toUtf8() + '\n');
    }

    QString m_log;
    QString m_answer;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: rtkit_standin ADDRESS LOG grant|deny|slow:MS\n", stderr);
        return 2;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]), QStringLiteral("bus"));
    Kit kit(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (!bus.isConnected() ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/RealtimeKit1"), &kit,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.freedesktop.RealtimeKit1"))) {
        std::fprintf(stderr, "rtkit_standin: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

#include "rtkit_standin.moc"
