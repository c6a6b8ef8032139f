#pragma once
// Time that only the test moves, for the output ticker: its sleeps end when the
// test steps past their deadline or its stop is asked, never by themselves.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stop_token>

namespace korvanel::test {

class SteppedTime {
public:
    std::int64_t now() const
    {
        std::lock_guard guard(m_lock);
        return m_now;
    }

    void advance(std::chrono::nanoseconds by)
    {
        {
            std::lock_guard guard(m_lock);
            m_now += by.count();
            ++m_steps;
        }
        m_changed.notify_all();
    }

    // Waits (bounded) until the ticker sleeps having seen the latest step, and
    // returns its deadline; nothing when it does not go to sleep.
    std::optional<std::int64_t> asleepUntil(std::chrono::milliseconds limit = std::chrono::seconds(5))
    {
        std::unique_lock lock(m_lock);
        if (!m_asleep.wait_for(lock, limit, [&] { return m_sleepingUntil >= 0 && m_seenSteps == m_steps; }))
            return std::nullopt;
        return m_sleepingUntil;
    }

    void sleepUntil(std::int64_t deadline, const std::stop_token &stop)
    {
        std::unique_lock lock(m_lock);
        m_changed.wait(lock, stop, [&] {
            const bool due = m_now >= deadline;
            m_sleepingUntil = due ? -1 : deadline;
            m_seenSteps = m_steps;
            m_asleep.notify_all();
            return due;
        });
        m_sleepingUntil = -1;
    }

private:
    mutable std::mutex m_lock;
    std::condition_variable_any m_changed;
    std::condition_variable m_asleep;
    std::int64_t m_now = 1'000'000'000'000;
    std::int64_t m_steps = 0;
    std::int64_t m_seenSteps = -1;
    std::int64_t m_sleepingUntil = -1;
};

// The ticker's clock parameter: a handle on the test's time.
struct SteppedClock {
    SteppedTime *time = nullptr;
    std::int64_t now() const { return time->now(); }
    void sleepUntil(std::int64_t deadline, const std::stop_token &stop) const { time->sleepUntil(deadline, stop); }
};

} // namespace korvanel::test
