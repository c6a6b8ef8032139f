// Twenty remote pages, each sending fifty fader changes a second to the real
// window over loopback, while the output ticker runs. Reports whether every
// change was applied, how late a 10 ms timer on the window's thread ran, the
// spread of the output period, and the resident memory before and after.
// Usage: bench_remote_load [seconds] [pages] [changes per second]   (default 60 20 50)
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Quantile.h"
#include "core/Engine.h"
#include "output/FrameAssembly.h"
#include "output/OutputTicker.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/remote/RemoteServer.h"
#include "ui/remote/RemoteSurface.h"

using namespace korvanel;
using Clock = std::chrono::steady_clock;

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const int pages = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, RemoteServer::MaxClients) : 20;
    const int rate = argc > 3 ? std::clamp(std::atoi(argv[3]), 1, 500) : 50;
    QApplication app(argc, argv);

    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    TBaseForm form(*engine);
    form.ClearAll();
    RemoteServer &server = *form.remoteServer();
    if (const QString failure = server.start(0, false); !failure.isEmpty()) {
        std::printf("server: %s\n", qPrintable(failure));
        return 1;
    }
    const quint16 port = server.port();
    const QByteArray token = server.token();

    std::vector<Clock::time_point> stamps;
    stamps.reserve(static_cast<std::size_t>(seconds + 10) * 20);
    OutputTicker ticker;
    ticker.start([&] {
        if (stamps.size() < stamps.capacity())
            stamps.push_back(Clock::now());
        buildFrame(*engine);
    });

    // The window's responsiveness: how late a 10 ms timer on its thread fires.
    std::vector<double> lateness;
    QElapsedTimer since;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (since.isValid())
            lateness.push_back(std::max(0.0, static_cast<double>(since.nsecsElapsed()) / 1e6 - 10.0));
        since.restart();
    });

    // The pages, in a thread of their own, as phones would be outside the program.
    std::atomic<long> sent{0};
    std::atomic<int> connected{0};
    std::atomic<bool> sending{true};
    const long residentBefore = residentKb();
    QThread *phones = QThread::create([&] {
        std::vector<std::unique_ptr<QWebSocket>> sockets;
        std::vector<std::unique_ptr<QTimer>> timers;
        for (int p = 0; p < pages; ++p) {
            auto socket = std::make_unique<QWebSocket>(QStringLiteral("http://127.0.0.1:%1").arg(port));
            QObject::connect(socket.get(), &QWebSocket::connected, [&] { ++connected; });
            socket->open(
                QUrl(QStringLiteral("ws://127.0.0.1:%1/ws?token=%2").arg(port).arg(QString::fromLatin1(token))));
            auto timer = std::make_unique<QTimer>();
            timer->setTimerType(Qt::PreciseTimer);
            timer->setInterval(1000 / rate);
            QWebSocket *s = socket.get();
            int step = p * 7;
            QObject::connect(timer.get(), &QTimer::timeout, [&, s, p, step]() mutable {
                if (!sending || s->state() != QAbstractSocket::ConnectedState)
                    return;
                const int channel = 1 + p % static_cast<int>(FaderCount);
                s->sendTextMessage(QStringLiteral(R"({"t":"fader","ch":%1,"v":%2})").arg(channel).arg(step++ % 256));
                ++sent;
            });
            timer->start();
            sockets.push_back(std::move(socket));
            timers.push_back(std::move(timer));
        }
        QEventLoop loop;
        QTimer end;
        end.setSingleShot(true);
        QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
        end.start((seconds + 5) * 1000);
        loop.exec();
    });

    QElapsedTimer run;
    QTimer::singleShot(0, [&] {
        phones->start();
        probe.start();
        since.start();
        run.start();
    });
    QTimer::singleShot(seconds * 1000, [&] { sending = false; });
    // The last changes in flight are given two seconds, then the run ends.
    QTimer::singleShot(seconds * 1000 + 2000, [&] { app.quit(); });
    app.exec();
    const long appliedAfterLoad = static_cast<long>(form.remoteSurface()->applied());

    // Then rounds of a thousand connections opened and dropped half-way through a request or a
    // handshake: what stays of them shows as resident memory growing from round to round.
    std::vector<long> churn{residentKb()};
    for (int round = 0; round < 5; ++round) {
        for (int batch = 0; batch < 20; ++batch) {
            std::vector<std::unique_ptr<QTcpSocket>> sockets;
            for (int i = 0; i < 50; ++i) {
                sockets.push_back(std::make_unique<QTcpSocket>());
                sockets.back()->connectToHost(QHostAddress::LocalHost, port);
            }
            QElapsedTimer wait;
            wait.start();
            while (wait.elapsed() < 3000 && std::any_of(sockets.begin(), sockets.end(), [](const auto &socket) {
                       return socket->state() != QAbstractSocket::ConnectedState;
                   }))
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            for (std::size_t i = 0; i < sockets.size(); ++i)
                sockets[i]->write(i % 2 ? "GET /ws?token=" + token + " HTTP/1.1\r\nUpgrade: webs"
                                        : QByteArray("GET / HT"));
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            for (auto &socket : sockets)
                socket->abort();
        }
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        churn.push_back(residentKb());
    }
    probe.stop();
    ticker.stop();
    const long applied = appliedAfterLoad;
    const long residentAfter = churn.front();
    phones->wait(10000);
    delete phones;

    std::vector<double> periodError;
    for (std::size_t i = 1; i < stamps.size(); ++i)
        periodError.push_back(
            std::abs(std::chrono::duration<double, std::milli>(stamps[i] - stamps[i - 1]).count() - 50.0));
    std::printf("pages %d connected %d, %d changes/s each, %d s\n", pages, connected.load(), rate, seconds);
    std::printf("changes sent %ld, applied %ld%s\n", sent.load(), applied,
                applied == sent.load() ? " (all)" : " (MISSING)");
    std::printf("window timer (10 ms) late: median %.2f ms, p99 %.2f ms, max %.2f ms\n", quantile(lateness, 0.5),
                quantile(lateness, 0.99), lateness.empty() ? 0.0 : *std::max_element(lateness.begin(), lateness.end()));
    std::printf("output |period - 50 ms|: median %.3f ms, p99 %.3f ms, max %.3f ms (%zu ticks, %s)\n",
                quantile(periodError, 0.5), quantile(periodError, 0.99),
                periodError.empty() ? 0.0 : *std::max_element(periodError.begin(), periodError.end()), stamps.size(),
                ticker.priority() == OutputTicker::Priority::RealTime ? "real-time" : "normal priority");
    std::printf("resident memory: %ld kB before the pages, %ld kB after\n", residentBefore, residentAfter);
    std::printf("resident memory over 5 x 1000 connections opened and dropped:");
    for (const long kb : churn)
        std::printf(" %ld", kb);
    std::printf(" kB\n");
    return applied == sent.load() ? 0 : 1;
}
