#pragma once
// The 50 ms output clock: its own thread, absolute monotonic deadlines, so the
// period does not drift. A tick that starts late runs at once and the schedule
// restarts from then, with no burst of catch-up ticks. Ticks never overlap.
// The time source is a parameter so that tests can step it; the program runs
// MonotonicClock alone (OutputTicker).

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <stop_token>
#include <thread>

namespace korvanel {

// CLOCK_MONOTONIC in nanoseconds, with sleeps to absolute deadlines.
struct MonotonicClock {
    static std::int64_t now()
    {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    }
    // A stop request does not cut the sleep short: stop() waits at most one period.
    static void sleepUntil(std::int64_t deadlineNs, const std::stop_token &)
    {
        const timespec deadline{static_cast<time_t>(deadlineNs / 1'000'000'000),
                                static_cast<long>(deadlineNs % 1'000'000'000)};
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {}
    }
};

// What does not depend on the clock: the thread's priority and the counts.
class OutputTickerBase {
public:
    // RealTime: SCHED_FIFO set directly (root or an rtprio limit); Delegated:
    // real-time through the request the starter passed (RTKit); Normal: neither.
    enum class Priority : std::uint8_t { NotStarted, RealTime, Normal, Delegated };
    // Asked on the starting thread when the direct request is refused: make the
    // thread with kernel id `threadId` real-time at `priority`. Never from a tick.
    using RealtimeRequest = std::function<void(std::int64_t threadId, int priority)>;

    // Before start: false keeps the thread at normal priority without asking.
    void setRealTimeWanted(bool wanted) { m_realTimeWanted = wanted; }
    Priority priority() const { return m_priority.load(std::memory_order_relaxed); }
    std::uint64_t tickCount() const { return m_ticks.load(std::memory_order_relaxed); }
    // The output thread's kernel id while it runs, else 0.
    std::int64_t threadId() const { return m_threadId.load(std::memory_order_relaxed); }
    // Looks again at the thread's policy: a request that answered after its
    // caller gave up may still have made it real-time. Returns the priority.
    Priority recheckPriority();

protected:
    OutputTickerBase() = default;
    ~OutputTickerBase() = default;

    // On the starting thread, right after the output thread was made.
    void setPriority(std::thread::native_handle_type thread, const RealtimeRequest &fallback);
    // First thing on the output thread.
    void enterOutputThread();

    bool m_realTimeWanted = true;
    std::atomic<Priority> m_priority{Priority::NotStarted};
    std::atomic<std::uint64_t> m_ticks{0};
    std::atomic<std::int64_t> m_threadId{0};
};

template <typename Clock>
class BasicOutputTicker : public OutputTickerBase {
public:
    explicit BasicOutputTicker(std::chrono::nanoseconds period = std::chrono::milliseconds(50), Clock clock = {})
        : m_period(period), m_clock(clock)
    {
    }
    ~BasicOutputTicker() { stop(); }
    BasicOutputTicker(const BasicOutputTicker &) = delete;
    BasicOutputTicker &operator=(const BasicOutputTicker &) = delete;

    // Starts the thread; the first tick comes one period later. The callable
    // runs on the output thread only and must not block on the UI thread.
    void start(std::function<void()> tick, const RealtimeRequest &fallback = {})
    {
        if (m_thread.joinable())
            return;
        m_tick = std::move(tick);
        m_ticks.store(0, std::memory_order_relaxed);
        m_threadId.store(0, std::memory_order_relaxed);
        m_thread = std::jthread([this](std::stop_token stop) { run(stop); });
        setPriority(m_thread.native_handle(), fallback);
    }

    // Waits for a running tick to end; no tick runs after it returns.
    void stop()
    {
        if (!m_thread.joinable())
            return;
        m_thread.request_stop();
        m_thread.join();
        m_thread = std::jthread();
        m_threadId.store(0, std::memory_order_relaxed);
    }

    bool running() const { return m_thread.joinable(); }

private:
    void run(std::stop_token stop)
    {
        enterOutputThread();
        const std::int64_t period = m_period.count();
        std::int64_t next = m_clock.now();
        while (!stop.stop_requested()) {
            next += period;
            m_clock.sleepUntil(next, stop);
            if (stop.stop_requested())
                break;
            const std::int64_t started = m_clock.now();
            if (started - next > period / 2)
                next = started;
            m_tick();
            m_ticks.fetch_add(1, std::memory_order_relaxed);
        }
    }

    std::chrono::nanoseconds m_period;
    Clock m_clock;
    std::function<void()> m_tick;
    std::jthread m_thread;
};

extern template class BasicOutputTicker<MonotonicClock>;
using OutputTicker = BasicOutputTicker<MonotonicClock>;

} // namespace korvanel
