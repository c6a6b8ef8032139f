// The OSC input in the real window over loopback, while the output ticker runs.
// First, one fader message at a time: the time from sending it to the window
// applying it, to the first frame that carries it, and to a subscriber hearing
// it back, and how late a 10 ms timer on the window's thread fires meanwhile.
// Then a flood of messages: the same timer, and how far the output period
// strays.
// Usage: bench_osc [messages] [flood seconds]   (default 300 3; each bounded)
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "Quantile.h"
#include "control/osc/OscPacket.h"
#include "core/Engine.h"
#include "output/FrameAssembly.h"
#include "output/OutputTicker.h"
#include "support/OscBytes.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/osc/OscInput.h"

using namespace korvanel;
using Clock = std::chrono::steady_clock;

namespace {

void report(const char *what, const std::vector<double> &values)
{
    std::printf("%-34s median %7.3f ms, p99 %7.3f ms, max %7.3f ms (%zu)\n", what, quantile(values, 0.5),
                quantile(values, 0.99), values.empty() ? 0.0 : *std::max_element(values.begin(), values.end()),
                values.size());
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int count = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 5000) : 300;
    const int floodSeconds = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 30) : 3;
    QApplication app(argc, argv);

    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    TBaseForm form(*engine);
    form.ClearAll();
    OscInput &input = *form.oscInput();
    if (const int error = input.start(0, false); error != 0) {
        std::printf("OSC input: %s\n", std::strerror(error));
        return 1;
    }
    const std::uint16_t port = input.port();

    // Each frame's channel 1 and when it was built, in one word: microseconds since the start, the level below.
    const Clock::time_point start = Clock::now();
    std::atomic<std::uint64_t> lastFrame{0};
    std::vector<Clock::time_point> stamps;
    stamps.reserve(static_cast<std::size_t>(count + 40 * floodSeconds + 400));
    std::atomic<bool> stamping{false};
    OutputTicker ticker;
    ticker.start([&] {
        buildFrame(*engine);
        const auto now = Clock::now();
        if (stamping.load(std::memory_order_relaxed) && stamps.size() < stamps.capacity())
            stamps.push_back(now);
        const auto us =
            static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now - start).count());
        lastFrame.store((us << 8) | engine->DmxOut.get(1), std::memory_order_release);
    });

    std::vector<double> applied, framed, heard, latenessQuiet, lateness;
    std::atomic<long> flooded{0};
    std::atomic<bool> flooding{false};
    QThread *client = QThread::create([&] {
        test::OscClient osc(port);
        osc.send(test::oscMessage("/korvanel/subscribe"));
        while (!osc.receive(std::chrono::milliseconds(200)).empty()) {}
        std::mt19937 random(7);
        for (int k = 0; k < count; ++k) {
            const int level = 1 + k % 250; // never the level before
            const auto sent = Clock::now();
            osc.send(test::oscMessage("/korvanel/fader/1", "i", {static_cast<double>(level)}));
            const auto deadline = sent + std::chrono::seconds(1);
            Clock::time_point appliedAt{}, framedAt{}, heardAt{};
            while (Clock::now() < deadline &&
                   (appliedAt == Clock::time_point{} || framedAt == Clock::time_point{} ||
                    heardAt == Clock::time_point{})) {
                if (appliedAt == Clock::time_point{} && engine->level(0, 1) == level)
                    appliedAt = Clock::now();
                const std::uint64_t frame = lastFrame.load(std::memory_order_acquire);
                if (framedAt == Clock::time_point{} && static_cast<int>(frame & 0xFF) == level)
                    framedAt = start + std::chrono::microseconds(frame >> 8);
                const auto bytes = osc.receive(std::chrono::milliseconds(0));
                if (!bytes.empty()) {
                    const auto messages = decodeOscPacket(bytes);
                    if (messages && messages->size() == 1 && messages->front().path == "/korvanel/fader/1" &&
                        messages->front().ints[0] == level)
                        heardAt = Clock::now();
                }
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            }
            if (appliedAt != Clock::time_point{})
                applied.push_back(ms(appliedAt - sent));
            if (framedAt != Clock::time_point{})
                framed.push_back(ms(framedAt - sent));
            if (heardAt != Clock::time_point{})
                heard.push_back(ms(heardAt - sent));
            // The loop ends just after a frame: the next message goes at any point of the 50 ms period.
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 50000));
        }

        // The flood: as fast as the socket takes them, bounded in count and time.
        flooding = true;
        const auto until = Clock::now() + std::chrono::seconds(floodSeconds);
        const auto message = test::oscMessage("/korvanel/fader/2", "i", {77});
        for (long n = 0; n < 2'000'000 && Clock::now() < until; ++n) {
            osc.send(message);
            ++flooded;
        }
        flooding = false;
    });

    QElapsedTimer since;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (since.isValid())
            (flooding ? lateness : latenessQuiet)
                .push_back(std::max(0.0, static_cast<double>(since.nsecsElapsed()) / 1e6 - 10.0));
        stamping = flooding.load();
        since.restart();
    });
    QObject::connect(client, &QThread::finished, &app, &QApplication::quit);
    QTimer::singleShot(0, [&] {
        client->start();
        probe.start();
        since.start();
    });
    app.exec();
    ticker.stop();
    client->wait();
    delete client;

    std::vector<double> periodError;
    for (std::size_t i = 1; i < stamps.size(); ++i)
        periodError.push_back(std::abs(ms(stamps[i] - stamps[i - 1]) - 50.0));
    std::printf("%d fader messages over loopback, one at a time:\n", count);
    report("  sent -> applied by the window", applied);
    report("  sent -> first frame carrying it", framed);
    report("  sent -> heard back by a subscriber", heard);
    report("  window timer (10 ms) late", latenessQuiet);
    std::printf("flood: %ld messages in %d s, %llu applied, %llu ignored\n", flooded.load(), floodSeconds,
                static_cast<unsigned long long>(input.applied()), static_cast<unsigned long long>(input.ignored()));
    report("  window timer (10 ms) late", lateness);
    report("  output |period - 50 ms|", periodError);
    const bool complete = applied.size() == static_cast<std::size_t>(count) && framed.size() == applied.size() &&
        heard.size() == applied.size();
    if (!complete)
        std::printf("MISSING: some messages were not applied, framed or heard within 1 s\n");
    return complete ? 0 : 1;
}
