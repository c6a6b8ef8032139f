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
    enum class Priority : std::uint8_t { NotStarted, RealTime, Normal };

    explicit OutputTicker(std::chrono::nanoseconds period = std::chrono::milliseconds(50));
    ~OutputTicker();
    OutputTicker(const OutputTicker &) = delete;
    OutputTicker &operator=(const OutputTicker &) = delete;

    // Starts the thread; the first tick comes one period later. The callable
    // runs on the output thread only and must not block on the UI thread.
    void start(std::function<void()> tick);
    // Before start: false keeps the thread at normal priority without asking.
    void setRealTimeWanted(bool wanted) { m_realTimeWanted = wanted; }
    // Waits for a running tick to end; no tick runs after it returns.
    void stop();

    bool running() const { return m_thread.joinable(); }
    Priority priority() const { return m_priority.load(std::memory_order_relaxed); }
    std::uint64_t tickCount() const { return m_ticks.load(std::memory_order_relaxed); }

private:
    void run(std::stop_token stop);

    std::chrono::nanoseconds m_period;
    std::function<void()> m_tick;
    bool m_realTimeWanted = true;
    std::atomic<Priority> m_priority{Priority::NotStarted};
    std::atomic<std::uint64_t> m_ticks{0};
    std::jthread m_thread;
};

} // namespace korvanel
