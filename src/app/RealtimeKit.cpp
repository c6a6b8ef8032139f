#include "app/RealtimeKit.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QUuid>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <sched.h>
#include <sys/resource.h>

namespace korvanel {

namespace {

const QString Service = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString Path = QStringLiteral("/org/freedesktop/RealtimeKit1");

// The thread RTKit was asked about: on SIGXCPU (its real-time budget spent
// without a pause) it goes back to normal priority instead of the program
// being killed at the hard limit.
std::atomic<pid_t> demoteOnXcpu{0};

void onXcpu(int)
{
    const pid_t thread = demoteOnXcpu.load(std::memory_order_relaxed);
    if (thread != 0) {
        sched_param param{};
        sched_setscheduler(thread, SCHED_OTHER, &param);
    }
}

class Budget {
public:
    explicit Budget(std::chrono::milliseconds total) : m_total(total.count()) { m_clock.start(); }
    // At least 1 ms, so a spent budget still gives a call that fails at once.
    int left() const { return static_cast<int>(std::max<qint64>(1, m_total - m_clock.elapsed())); }

private:
    qint64 m_total;
    QElapsedTimer m_clock;
};

RealtimeKitResult failure(const QDBusMessage &reply)
{
    using Answer = RealtimeKitResult::Answer;
    const QString name = reply.errorName();
    Answer answer = Answer::Refused;
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        answer = Answer::NoService;
    else if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
             name == QLatin1String("org.freedesktop.DBus.Error.Timeout"))
        answer = Answer::NoReply;
    else if (name == QLatin1String("org.freedesktop.DBus.Error.Disconnected"))
        answer = Answer::NoBus;
    else if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied") ||
             name == QLatin1String("org.freedesktop.DBus.Error.AuthFailed") ||
             name == QLatin1String("org.freedesktop.PolicyKit1.Error.NotAuthorized"))
        answer = Answer::Denied;
    return {answer, name};
}

bool readProperty(QDBusConnection &bus, const Budget &budget, const char *name, qlonglong &value,
                  RealtimeKitResult &error)
{
    QDBusMessage get = QDBusMessage::createMethodCall(Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << Service << QString::fromLatin1(name);
    const QDBusMessage reply = bus.call(get, QDBus::Block, budget.left());
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        error = failure(reply);
        return false;
    }
    bool ok = false;
    value = reply.arguments().constFirst().value<QDBusVariant>().variant().toLongLong(&ok);
    if (!ok)
        error = {RealtimeKitResult::Answer::Refused, QStringLiteral("%1?").arg(QString::fromLatin1(name))};
    return ok;
}

// RTKit grants only to a process whose hard limit is finite and within its maximum.
bool limitRealtimeCpu(qlonglong maxUs)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) != 0 || maxUs < 2)
        return false;
    const rlim_t most = static_cast<rlim_t>(maxUs);
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > most)
        limit.rlim_max = most;
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_cur, limit.rlim_max / 2);
    return setrlimit(RLIMIT_RTTIME, &limit) == 0;
}

RealtimeKitResult ask(QDBusConnection &bus, std::int64_t threadId, int priority, const Budget &budget)
{
    using Answer = RealtimeKitResult::Answer;
    RealtimeKitResult error;
    qlonglong maxPriority = 0;
    qlonglong maxRtTime = 0;
    if (!readProperty(bus, budget, "MaxRealtimePriority", maxPriority, error) ||
        !readProperty(bus, budget, "RTTimeUSecMax", maxRtTime, error))
        return error;
    if (maxPriority < 1)
        return {Answer::Refused, QStringLiteral("MaxRealtimePriority %1").arg(maxPriority)};

    demoteOnXcpu.store(static_cast<pid_t>(threadId), std::memory_order_relaxed);
    struct sigaction action {};
    action.sa_handler = onXcpu;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGXCPU, &action, nullptr);
    if (!limitRealtimeCpu(maxRtTime))
        return {Answer::Refused, QStringLiteral("RLIMIT_RTTIME")};

    QDBusMessage make = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("MakeThreadRealtime"));
    make << QVariant::fromValue(static_cast<qulonglong>(threadId))
         << QVariant::fromValue(static_cast<uint>(std::min<qlonglong>(priority, maxPriority)));
    const QDBusMessage reply = bus.call(make, QDBus::Block, budget.left());
    if (reply.type() != QDBusMessage::ReplyMessage)
        return failure(reply);
    return {Answer::Granted, {}};
}

} // namespace

RealtimeKitResult requestRealtimeFromKit(std::int64_t threadId, int priority, std::chrono::milliseconds budget)
{
    const Budget left(budget);
    const QString address =
        qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS", QStringLiteral("unix:path=/var/run/dbus/system_bus_socket"));
    // A connection of its own, closed after: nothing else of the program uses the system bus.
    const QString name = QStringLiteral("korvanel-rtkit-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    RealtimeKitResult result;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, name);
        if (!bus.isConnected())
            result = {RealtimeKitResult::Answer::NoBus, bus.lastError().name()};
        else
            result = ask(bus, threadId, priority, left);
    }
    QDBusConnection::disconnectFromBus(name);
    return result;
}

QString outputPriorityText(OutputTicker::Priority priority, const RealtimeKitResult *kit)
{
    using Answer = RealtimeKitResult::Answer;
    switch (priority) {
    case OutputTicker::Priority::RealTime:
        return QCoreApplication::translate("OutputPriority", "Вывод DMX: приоритет реального времени (SCHED_FIFO)");
    case OutputTicker::Priority::Delegated:
        return QCoreApplication::translate("OutputPriority", "Вывод DMX: приоритет реального времени от RTKit");
    case OutputTicker::Priority::NotStarted:
        return {};
    case OutputTicker::Priority::Normal:
        break;
    }
    QString why;
    if (kit != nullptr) {
        switch (kit->answer) {
        case Answer::NoBus:
            why = QCoreApplication::translate("OutputPriority", "системная шина D-Bus недоступна");
            break;
        case Answer::NoService:
            why = QCoreApplication::translate("OutputPriority", "служба RTKit не найдена");
            break;
        case Answer::Denied:
            why = QCoreApplication::translate("OutputPriority",
                                              "RTKit отказал: система не даёт этому сеансу реального времени — "
                                              "программа запущена не из локального сеанса входа, "
                                              "или polkit разрешает его только активным сеансам");
            break;
        case Answer::Refused:
            why = QCoreApplication::translate("OutputPriority", "RTKit отказал: %1").arg(kit->detail);
            break;
        case Answer::NoReply:
            why = QCoreApplication::translate("OutputPriority", "RTKit не ответил за 1 с");
            break;
        case Answer::Granted:
            why = QCoreApplication::translate("OutputPriority", "RTKit ответил, но приоритет не изменился");
            break;
        }
    }
    const QString normal = QCoreApplication::translate("OutputPriority", "Вывод DMX: обычный приоритет");
    if (why.isEmpty())
        return normal;
    QString text = normal + QStringLiteral(" (") + why + QLatin1Char(')');
    // What an administrator can do about a refusal; either way suffices.
    if (kit->answer == Answer::Denied || kit->answer == Answer::Refused)
        text += QLatin1Char('\n') +
            QCoreApplication::translate(
                    "OutputPriority",
                    "Администратор может разрешить его правилом polkit для "
                    "org.freedesktop.RealtimeKit1.acquire-real-time или строкой «@audio - rtprio 20» "
                    "в /etc/security/limits.conf, добавив пользователя в группу audio (действует со следующего входа)");
    return text;
}

} // namespace korvanel
