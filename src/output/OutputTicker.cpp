#include "output/OutputTicker.h"

#include <cerrno>
#include <ctime>
#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

namespace korvanel {

namespace {

constexpr std::int64_t NsPerSecond = 1'000'000'000;

std::int64_t toNs(const timespec &t) { return t.tv_sec * NsPerSecond + t.tv_nsec; }

timespec fromNs(std::int64_t ns)
{
    return timespec{static_cast<time_t>(ns / NsPerSecond), static_cast<long>(ns % NsPerSecond)};
}

std::int64_t monotonicNow()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return toNs(t);
}

// A low real-time priority: above every normal thread, below the kernel's own.
constexpr int OutputPriority = 10;

} // namespace

OutputTicker::OutputTicker(std::chrono::nanoseconds period) : m_period(period) {}

OutputTicker::~OutputTicker() { stop(); }

void OutputTicker::start(std::function<void()> tick)
{
    if (m_thread.joinable())
        return;
    m_tick = std::move(tick);
    m_ticks.store(0, std::memory_order_relaxed);
    m_thread = std::jthread([this](std::stop_token stop) { run(stop); });

    sched_param param{};
    param.sched_priority = OutputPriority;
    const bool granted = m_realTimeWanted && pthread_setschedparam(m_thread.native_handle(), SCHED_FIFO, &param) == 0;
    m_priority.store(granted ? Priority::RealTime : Priority::Normal, std::memory_order_relaxed);
}

void OutputTicker::stop()
{
    if (!m_thread.joinable())
        return;
    m_thread.request_stop();
    m_thread.join();
    m_thread = std::jthread();
}

void OutputTicker::run(std::stop_token stop)
{
    // Without this the kernel may wake us up to 50 us late on purpose.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);

    const std::int64_t period = m_period.count();
    std::int64_t next = monotonicNow();
    while (!stop.stop_requested()) {
        next += period;
        const timespec deadline = fromNs(next);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {}
        if (stop.stop_requested())
            break;
        const std::int64_t started = monotonicNow();
        if (started - next > period / 2)
            next = started;
        m_tick();
        m_ticks.fetch_add(1, std::memory_order_relaxed);
    }
}

} // namespace korvanel
