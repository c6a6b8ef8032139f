// The window with its OLA output on while the daemon stops answering for five
// seconds: how long the window's event loop went without running a 10 ms
// timer, the longest period between USB frames on the fake D2XX library, and
// how long closing the window takes with the daemon still stopped. Exits
// non-zero when a bound is broken. Needs root: it enters a network namespace
// of its own holding nothing but loopback, as the OLA tests do.
// Usage: bench_ola_window [pause_seconds]   (default 5, at most 60)
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "OlaDaemon.h"
#include "PrivateNetwork.h"
#include "app/AppShell.h"
#include "core/Engine.h"
#include "core/ShowLayout.h"
#include "support/FakeD2xx.h"
#include "ui/mainwindow/BaseForm.h"

using namespace korvanel;
using olatest::OlaDaemon;
using olatest::Slots;

namespace {

// Bounds that leave room for a machine busy with other work; a tick or a
// window that waited for the daemon would wait the whole pause.
constexpr qint64 WindowGapLimitMs = 250;
constexpr long long TickPeriodLimitNs = 150'000'000;
// The OLA output's part of the close is bounded by its stop's 150 ms.
constexpr qint64 CloseLimitMs = 200;

bool universeShows(int level)
{
    return QTest::qWaitFor(
        [level] { return OlaDaemon::fetch(1, std::chrono::milliseconds(200)).value_or(Slots{})[0] == level; }, 5000);
}

} // namespace

int main(int argc, char **argv)
{
    const int pauseSeconds = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 60) : 5;
    if (const std::string why = olatest::enterPrivateNetwork(); !why.empty()) {
        std::fprintf(stderr, "bench_ola_window: %s\n", why.c_str());
        return 2;
    }
    if (!olatest::onlyLoopback()) {
        std::fprintf(stderr, "bench_ola_window: the network holds more than loopback\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    QFile ini(dir.filePath("light.ini"));
    if (!dir.isValid() || !ini.open(QIODevice::WriteOnly))
        return 2;
    ini.write("[Ola]\nEnabled=1\nUniverse=1\n");
    ini.close();

    FakeD2xx fake;
    fake.plug(1);
    OlaDaemon daemon;
    if (const std::string problem = daemon.start(); !problem.empty()) {
        std::fprintf(stderr, "bench_ola_window: %s\n", problem.c_str());
        return 2;
    }
    auto engine = std::make_unique<Engine>();
    auto form = std::make_unique<TBaseForm>(*engine);
    auto shell = std::make_unique<AppShell>(*engine, *form, dir.filePath("light.exe"), dir.filePath("data"));
    shell->FormCreate();
    engine->SceneMemory.set(sceneByte(0, 1), 50);
    if (!universeShows(50) || !QTest::qWaitFor([&] { return fake.writeCount() > 0; }, 5000)) {
        std::fprintf(stderr, "bench_ola_window: no frames reached the daemon or the device\n");
        return 2;
    }

    daemon.pause();
    const auto from = fake.writeCount() + 1;
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longestGap = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    beat.start(10);
    QTest::qWait(pauseSeconds * 1000);
    beat.stop();
    const auto to = fake.writeCount();
    long long longestPeriod = 0;
    for (auto i = from; i < to; ++i)
        longestPeriod = std::max(longestPeriod, fake.write(i).timeNs - fake.write(i - 1).timeNs);

    QElapsedTimer closing;
    closing.start();
    shell->FormClose();
    const qint64 closeMs = closing.elapsed();
    daemon.resume();
    shell.reset();
    form.reset();

    std::printf("daemon stopped for %d s: %llu USB frames, longest period %.1f ms (limit %.0f); "
                "longest window gap %lld ms (limit %lld); close %lld ms (limit %lld)\n",
                pauseSeconds, static_cast<unsigned long long>(to - from + 1), longestPeriod / 1e6,
                TickPeriodLimitNs / 1e6, static_cast<long long>(longestGap), static_cast<long long>(WindowGapLimitMs),
                static_cast<long long>(closeMs), static_cast<long long>(CloseLimitMs));
    const bool within =
        longestGap < WindowGapLimitMs && longestPeriod < TickPeriodLimitNs && to > from && closeMs <= CloseLimitMs;
    return within ? 0 : 1;
}
