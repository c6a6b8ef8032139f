// The OLA output against a private daemon: what it adds to one output tick
// (the hand-over), and the time from the tick to the daemon holding the frame,
// seen by a second client the daemon tells of every change of the universe.
// Needs root: it enters a network namespace of its own, as the tests do.
// The tick is the real output ticker, by default at 5 ms instead of 50 to
// gather more in less time. The frames go out twice: first with the daemon at
// its default priority, then with every thread of it raised to real time, as
// an operator can do (`chrt -f -a -p 5 PID`): on a busy machine the daemon's
// wait for a processor is most of the tail.
// Usage: bench_ola [frames [period_ms]]   (default 2000 frames each, at most 30000; 5 ms)
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <pthread.h>
#include <sched.h>
#include <string>
#include <thread>
#include <vector>

#include <ola/Callback.h>
#include <ola/DmxBuffer.h>

#include "OlaConnection.h"
#include "OlaDaemon.h"
#include "PrivateNetwork.h"
#include "core/AtomicBytes.h"
#include "core/Engine.h"
#include "core/ShowLayout.h"
#include "output/FrameAssembly.h"
#include "output/OlaOutput.h"
#include "output/OutputTicker.h"

using namespace korvanel;
using Clock = std::chrono::steady_clock;

namespace {

// Frame n carries n in slots 1 and 2; the listener stamps when each arrives.
class Listener {
public:
    explicit Listener(std::size_t frames) : m_arrived(frames) {}

    bool connect()
    {
        if (!m_connection.connect())
            return false;
        m_connection.client().SetDMXCallback(ola::NewCallback(this, &Listener::dmx));
        m_connection.client().RegisterUniverse(1, ola::client::REGISTER,
                                               ola::NewSingleCallback(this, &Listener::registered));
        const auto end = Clock::now() + std::chrono::seconds(2);
        while (!m_registered && Clock::now() < end)
            m_connection.select().RunOnce(ola::TimeInterval(0, 10'000));
        return m_registered;
    }
    void run() { m_connection.select().Run(); }
    void stop() { m_connection.select().Terminate(); }

    std::vector<std::atomic<std::int64_t>> &arrived() { return m_arrived; }

private:
    void registered(const ola::client::Result &result) { m_registered = result.Success(); }
    void dmx(const ola::client::DMXMetadata &, const ola::DmxBuffer &data)
    {
        const std::size_t n = static_cast<std::size_t>(data.Get(0)) << 8 | data.Get(1);
        if (n < m_arrived.size() && m_arrived[n].load() == 0)
            m_arrived[n].store(Clock::now().time_since_epoch().count());
    }

    olatest::OlaConnection m_connection;
    bool m_registered = false;
    std::vector<std::atomic<std::int64_t>> m_arrived;
};

// The library's client, stamping when each frame has been handed to the socket.
class StampingClient final : public OlaClientApi {
public:
    StampingClient(std::unique_ptr<OlaClientApi> inner, std::vector<std::atomic<std::int64_t>> &sent)
        : m_inner(std::move(inner)), m_sent(sent)
    {
    }
    bool connect() override { return m_inner->connect(); }
    void disconnect() override { m_inner->disconnect(); }
    bool send(std::uint16_t universe, std::span<const std::uint8_t, OlaSlotCount> frame) override
    {
        const bool ok = m_inner->send(universe, frame);
        const std::size_t n = static_cast<std::size_t>(frame[0]) << 8 | frame[1];
        if (ok && n < m_sent.size() && m_sent[n].load() == 0)
            m_sent[n].store(Clock::now().time_since_epoch().count());
        return ok;
    }
    bool askPorts(std::uint16_t universe) override { return m_inner->askPorts(universe); }
    std::optional<OlaPortAnswer> pollPorts() override { return m_inner->pollPorts(); }

private:
    std::unique_ptr<OlaClientApi> m_inner;
    std::vector<std::atomic<std::int64_t>> &m_sent;
};

struct Spread {
    double median, p99, max;
};

Spread spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) {
        return values[std::min(values.size() - 1, static_cast<std::size_t>(q * static_cast<double>(values.size())))];
    };
    return {at(0.5), at(0.99), values.back()};
}

// Every thread of the daemon to SCHED_FIFO 5: below the output tick and the worker.
bool raiseDaemon(pid_t pid)
{
    std::error_code error;
    bool all = true;
    for (const auto &task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        sched_param param{};
        param.sched_priority = 5;
        all = sched_setscheduler(static_cast<pid_t>(std::stol(task.path().filename().string())), SCHED_FIFO, &param) ==
                0 &&
            all;
    }
    return all && !error;
}

void report(const char *label, std::vector<double> cost, std::vector<double> toSocket, std::vector<double> inDaemon,
            std::vector<double> latency, std::size_t frames, int periodMs)
{
    std::printf("-- %s\n", label);
    const Spread on = spread(std::move(cost));
    std::printf("tick cost, sending:      median %.3f us, p99 %.3f us, max %.3f us (%zu ticks of %d ms)\n", on.median,
                on.p99, on.max, frames, periodMs);
    if (latency.empty() || toSocket.empty() || inDaemon.empty()) {
        std::puts("no frame reached the daemon");
        return;
    }
    const Spread handed = spread(std::move(toSocket));
    const Spread daemon = spread(std::move(inDaemon));
    const std::size_t seen = latency.size();
    const Spread late = spread(std::move(latency));
    std::printf("tick to socket:          median %.3f ms, p99 %.3f ms, max %.3f ms (our part)\n", handed.median,
                handed.p99, handed.max);
    std::printf("socket to daemon:        median %.3f ms, p99 %.3f ms, max %.3f ms (the daemon's part)\n",
                daemon.median, daemon.p99, daemon.max);
    std::printf("tick to daemon:          median %.3f ms, p99 %.3f ms, max %.3f ms (%zu of %zu frames seen)\n",
                late.median, late.p99, late.max, seen, frames);
}

} // namespace

int main(int argc, char **argv)
{
    const std::size_t frames = argc > 1 ? static_cast<std::size_t>(std::clamp(std::atoi(argv[1]), 100, 30000)) : 2000;
    const int periodMs = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 1000) : 5;
    if (const std::string why = olatest::enterPrivateNetwork(); !why.empty()) {
        std::printf("cannot run: %s\n", why.c_str());
        return 1;
    }
    olatest::OlaDaemon daemon;
    if (const std::string why = daemon.start(); !why.empty()) {
        std::printf("no daemon: %s\n", why.c_str());
        return 1;
    }
    Listener listener(2 * frames + 1);
    if (!listener.connect()) {
        std::puts("the listener could not register with the daemon");
        return 1;
    }
    // The listener at a real-time priority where granted, so that what it sees is the daemon's delay.
    std::thread listening([&] {
        sched_param param{};
        param.sched_priority = 5;
        pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
        listener.run();
    });

    std::vector<std::atomic<std::int64_t>> sent(2 * frames + 1);
    OlaOutput ola(std::make_unique<StampingClient>(makeOlaClient(), sent));
    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    ClearAll(*engine);
    AtomicBytes<DmxFrameSize> frame;
    // Switched off: what every tick pays when OLA output is not used.
    std::vector<double> offCost;
    for (std::size_t n = 0; n < 1000; ++n) {
        const auto before = Clock::now();
        ola.publish(frame);
        offCost.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
    }
    ola.setEnabled(true);
    ola.start();
    const auto connected = Clock::now() + std::chrono::seconds(3);
    while (ola.status().state != OlaState::Connected && Clock::now() < connected)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));

    // The real output ticker, faster than the program's 50 ms to gather more ticks.
    // Frames 1..frames with the daemon as started, then as many with it raised.
    std::vector<double> cost;
    cost.reserve(2 * frames);
    std::vector<std::int64_t> published(2 * frames + 1, 0);
    std::atomic<std::size_t> last{frames};
    std::size_t n = 0;
    OutputTicker ticker{std::chrono::milliseconds(periodMs)};
    ticker.start([&] {
        if (n >= last.load())
            return;
        ++n;
        // A whole tick's frame, numbered in slots 1 and 2.
        buildFrame(*engine);
        engine->DmxOut.set(1, static_cast<std::uint8_t>(n >> 8));
        engine->DmxOut.set(2, static_cast<std::uint8_t>(n));
        const auto before = Clock::now();
        ola.publish(engine->DmxOut);
        const auto after = Clock::now();
        published[n] = before.time_since_epoch().count();
        cost.push_back(std::chrono::duration<double, std::micro>(after - before).count());
    });
    const auto waitTicks = [&](std::uint64_t count) {
        const auto end = Clock::now() + std::chrono::milliseconds(periodMs) * count * 3 + std::chrono::seconds(5);
        while (ticker.tickCount() < count && Clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    };
    waitTicks(frames);
    const bool raised = raiseDaemon(daemon.pid());
    last.store(2 * frames);
    waitTicks(2 * frames);
    ticker.stop();
    const bool realTime = ticker.priority() == OutputTicker::Priority::RealTime;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    listener.stop();
    listening.join();
    const bool workerRealTime = ola.status().realTime;
    ola.stop();

    const Spread off = spread(offCost);
    std::printf("output thread: %s; OLA worker: %s\n", realTime ? "real-time (SCHED_FIFO)" : "normal priority",
                workerRealTime ? "real-time (SCHED_FIFO)" : "normal priority");
    std::printf("tick cost, switched off: median %.3f us, p99 %.3f us, max %.3f us\n", off.median, off.p99, off.max);
    bool allSeen = true;
    for (int phase = 0; phase < 2; ++phase) {
        const std::size_t first = 1 + static_cast<std::size_t>(phase) * frames;
        std::vector<double> toSocket;
        std::vector<double> inDaemon;
        std::vector<double> latency;
        for (std::size_t i = first; i < first + frames && i <= n; ++i) {
            const std::int64_t handed = sent[i].load();
            const std::int64_t seen = listener.arrived()[i].load();
            if (handed != 0)
                toSocket.push_back(static_cast<double>(handed - published[i]) / 1e6);
            if (seen != 0)
                latency.push_back(static_cast<double>(seen - published[i]) / 1e6);
            if (handed != 0 && seen != 0)
                inDaemon.push_back(static_cast<double>(seen - handed) / 1e6);
        }
        allSeen = allSeen && !latency.empty();
        const std::size_t from = first - 1;
        const std::size_t to = std::min(cost.size(), from + frames);
        report(phase == 0 ? "olad at its default priority"
                          : (raised ? "olad raised to real time (SCHED_FIFO 5, as chrt -f -a -p 5)"
                                    : "olad NOT raised (refused): as above"),
               std::vector<double>(cost.begin() + static_cast<std::ptrdiff_t>(std::min(from, to)),
                                   cost.begin() + static_cast<std::ptrdiff_t>(to)),
               std::move(toSocket), std::move(inDaemon), std::move(latency), frames, periodMs);
    }
    std::printf("frames sent by the worker: %llu, connections lost: %u\n",
                static_cast<unsigned long long>(ola.status().framesSent), ola.status().losses);
    if (!allSeen)
        return 1;
    return 0;
}
