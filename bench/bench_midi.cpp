// Time from a MIDI controller's message to the frame that carries its change,
// in the real window (offscreen) with the output ticker running: a JACK
// client sends a fader's controller change on a JACK server of the bench's own,
// the window hands it over from JACK's thread, applies it through the control
// layer, and the next tick builds the frame. Reported: median and 99th
// percentile to the live state the tick reads, and to the changed frame (which
// includes waiting for the tick, up to one 50 ms period). Each message waits
// 2 s at most; the pauses between messages vary, so that they meet every phase
// of the tick.
// Usage: bench_midi [messages]   (default 300, at most 5000)
#include <QApplication>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "Quantile.h"
#include "core/Engine.h"
#include "midi/JackServer.h"
#include "midi/MidiController.h"
#include "output/FrameAssembly.h"
#include "output/OutputTicker.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/midi/MidiGroup.h"
#include "ui/midi/MidiLink.h"

using namespace korvanel;
using Clock = std::chrono::steady_clock;

namespace {

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int count = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 5000) : 300;
    QApplication app(argc, argv);
    test::JackServer server;
    if (!server.running()) {
        std::printf("no JACK server: %s\n", server.why().c_str());
        return 1;
    }

    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    TBaseForm form(*engine);
    form.ClearAll();
    test::MidiController controller;
    form.midiGroup()->applySettings({true, test::MidiController::Sends, {}});
    if (!form.midiLink()->inputOpen()) {
        std::printf("the window did not open %s\n", test::MidiController::Sends);
        return 1;
    }

    // The frames as the output thread builds them: when channel 1 last changed, and to what.
    std::atomic<std::int64_t> changedAt{0};
    std::atomic<int> changedTo{-1};
    int previous = -1;
    OutputTicker ticker;
    ticker.start([&] {
        buildFrame(*engine);
        const int level = engine->DmxOut.get(1);
        if (level != previous) {
            changedAt.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
            changedTo.store(level, std::memory_order_release);
            previous = level;
        }
    });

    std::vector<double> toState;
    std::vector<double> toFrame;
    int lost = 0;
    QThread *sender = QThread::create([&] {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> pause(5, 60);
        const auto waitFor = [](const auto &done) {
            const auto end = Clock::now() + std::chrono::seconds(2);
            while (!done()) {
                if (Clock::now() > end)
                    return false;
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
            return true;
        };
        // The fader meets the row's level first: from then on it leads.
        controller.send({0xB0, 1, 0});
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        for (int i = 0; i < count; ++i) {
            const int value = i % 2 == 0 ? 127 : 0;
            const int level = value == 127 ? 255 : 0;
            const int before = changedTo.load(std::memory_order_acquire);
            const auto sent = Clock::now();
            controller.send({0xB0, 1, static_cast<unsigned char>(value)});
            const bool applied = waitFor([&] { return engine->live.faderPosition.get(1) == level; });
            const auto state = Clock::now();
            const bool framed = waitFor([&] { return changedTo.load(std::memory_order_acquire) != before; });
            if (!applied || !framed) {
                ++lost;
            } else {
                toState.push_back(ms(state - sent));
                toFrame.push_back(
                    ms(Clock::time_point(Clock::duration(changedAt.load(std::memory_order_relaxed))) - sent));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        }
    });
    QObject::connect(sender, &QThread::finished, &app, &QApplication::quit);
    sender->start();
    app.exec();
    sender->wait();
    delete sender;
    ticker.stop();

    std::printf("%d messages over JACK (%s), %d lost\n", count,
                ticker.priority() == OutputTicker::Priority::RealTime ? "real-time output" : "normal priority output",
                lost);
    std::printf("message to live state:   median %.2f ms, p99 %.2f ms, max %.2f ms\n", quantile(toState, 0.5),
                quantile(toState, 0.99), toState.empty() ? 0.0 : *std::max_element(toState.begin(), toState.end()));
    std::printf("message to changed frame: median %.2f ms, p99 %.2f ms, max %.2f ms\n", quantile(toFrame, 0.5),
                quantile(toFrame, 0.99), toFrame.empty() ? 0.0 : *std::max_element(toFrame.begin(), toFrame.end()));
    return lost == 0 ? 0 : 1;
}
