#pragma once
// The 50 ms output clock: its own thread, absolute monotonic deadlines, so the
// period does not drift. A tick that starts late runs at once and the schedule
// restarts from then, with no burst of catch-up ticks. Ticks never overlap.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

namespace korvanel {

class OutputTicker {
public:
    // RealTime: SCHED_FIFO set directly (root or an rtprio limit); Delegated:
    // real-time through the request the starter passed (RTKit); Normal: neither.
    enum class Priority : std::uint8_t { NotStarted, RealTime, Normal, Delegated };
    // Asked on the starting thread when the direct request is refused: make the
    // thread with kernel id `threadId` real-time at `priority`. Never from a tick.
    using RealtimeRequest = std::function<void(std::int64_t threadId, int priority)>;

    explicit OutputTicker(std::chrono::nanoseconds period = std::chrono::milliseconds(50));
    ~OutputTicker();
    OutputTicker(const OutputTicker &) = delete;
    OutputTicker &operator=(const OutputTicker &) = delete;

    // Starts the thread; the first tick comes one period later. The callable
    // runs on the output thread only and must not block on the UI thread.
    void start(std::function<void()> tick, const RealtimeRequest &fallback = {});
    // Before start: false keeps the thread at normal priority without asking.
    void setRealTimeWanted(bool wanted) { m_realTimeWanted = wanted; }
    // Waits for a running tick to end; no tick runs after it returns.
    void stop();

    bool running() const { return m_thread.joinable(); }
    Priority priority() const { return m_priority.load(std::memory_order_relaxed); }
    std::uint64_t tickCount() const { return m_ticks.load(std::memory_order_relaxed); }
    // The output thread's kernel id while it runs, else 0.
    std::int64_t threadId() const { return m_threadId.load(std::memory_order_relaxed); }
    // Looks again at the thread's policy: a request that answered after its
    // caller gave up may still have made it real-time. Returns the priority.
    Priority recheckPriority();

private:
    void run(std::stop_token stop);

    std::chrono::nanoseconds m_period;
    std::function<void()> m_tick;
    bool m_realTimeWanted = true;
    std::atomic<Priority> m_priority{Priority::NotStarted};
    std::atomic<std::uint64_t> m_ticks{0};
    std::atomic<std::int64_t> m_threadId{0};
    std::jthread m_thread;
};

} // namespace korvanel
