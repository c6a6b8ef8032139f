// Runs the real output ticker, building real frames, and reports how far each
// period strays from 50 ms: median, p99 and max of |period - 50 ms|, and the
// ticks in each second (20). Then ticks that take longer than the period: each
// late tick runs at once and the schedule restarts, so 200 ms of 8 ms ticks at
// a 5 ms period make about 25 ticks, never a burst of catch-up ticks.
// Usage: bench_ticker_period [seconds]   (default 20)
// bench_ticker_period_rtkit asks RTKit, as the program does, when SCHED_FIFO is refused.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "core/Engine.h"
#include "output/FrameAssembly.h"
#include "output/OutputTicker.h"
#ifdef KORVANEL_BENCH_RTKIT
#include "app/RealtimeKit.h"
#include <QCoreApplication>
#endif

using namespace korvanel;
using Clock = std::chrono::steady_clock;

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    OutputTicker::RealtimeRequest fallback;
#ifdef KORVANEL_BENCH_RTKIT
    QCoreApplication app(argc, argv);
    fallback = [](std::int64_t thread, int priority) {
        const RealtimeKitResult kit = requestRealtimeFromKit(thread, priority);
        if (kit.answer != RealtimeKitResult::Answer::Granted)
            std::printf("%s\n", qPrintable(outputPriorityText(OutputTicker::Priority::Normal, &kit)));
    };
#endif
    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    ClearAll(*engine);

    std::vector<Clock::time_point> stamps;
    stamps.reserve(static_cast<std::size_t>(seconds) * 20 + 100);
    OutputTicker ticker;
    ticker.start(
        [&] {
            if (stamps.size() < stamps.capacity())
                stamps.push_back(Clock::now());
            buildFrame(*engine);
        },
        fallback);
    // The last whole second after the first tick ends before this does.
    std::this_thread::sleep_for(std::chrono::seconds(seconds) + std::chrono::milliseconds(75));
    ticker.stop();

    std::vector<double> error;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        const double period = std::chrono::duration<double, std::milli>(stamps[i] - stamps[i - 1]).count();
        error.push_back(std::abs(period - 50.0));
    }
    if (error.empty()) {
        std::puts("no ticks");
        return 1;
    }
    std::sort(error.begin(), error.end());
    const auto at = [&](double q) {
        return error[std::min(error.size() - 1, static_cast<std::size_t>(q * error.size()))];
    };
    const char *priority = ticker.priority() == OutputTicker::Priority::RealTime ? "real-time (SCHED_FIFO)"
        : ticker.priority() == OutputTicker::Priority::Delegated                 ? "real-time (RTKit)"
                                                                                 : "normal";
    std::printf("ticks %zu, priority %s\n", stamps.size(), priority);
    std::printf("|period - 50 ms|: median %.3f ms, p99 %.3f ms, max %.3f ms\n", at(0.5), at(0.99), error.back());
    std::size_t fewest = stamps.size();
    std::size_t most = 0;
    for (int s = 0; s < seconds; ++s) {
        const auto from = stamps.front() + std::chrono::seconds(s);
        const auto in = static_cast<std::size_t>(std::count_if(
            stamps.begin(), stamps.end(), [&](auto t) { return t >= from && t < from + std::chrono::seconds(1); }));
        fewest = std::min(fewest, in);
        most = std::max(most, in);
    }
    std::printf("ticks in one second: fewest %zu, most %zu (20)\n", fewest, most);

    std::atomic<int> slow{0};
    OutputTicker late(std::chrono::milliseconds(5));
    late.start([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(8));
        slow.fetch_add(1, std::memory_order_relaxed);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    late.stop();
    std::printf("8 ms ticks at a 5 ms period for 200 ms: %d ticks (about 25)\n", slow.load());
    return 0;
}
