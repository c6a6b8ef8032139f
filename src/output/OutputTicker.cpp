#include "output/OutputTicker.h"

#include <cerrno>
#include <ctime>
#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>
#include <unistd.h>

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

// Asked of the kernel: glibc keeps the policy a thread had when first asked,
// and another process (RTKit) may have changed it since.
bool runsRealTime(std::int64_t threadId)
{
    const int policy = sched_getscheduler(static_cast<pid_t>(threadId));
    if (policy < 0)
        return false;
    const int plain = policy & ~SCHED_RESET_ON_FORK;
    return plain == SCHED_FIFO || plain == SCHED_RR;
}

} // namespace

OutputTicker::OutputTicker(std::chrono::nanoseconds period) : m_period(period) {}

OutputTicker::~OutputTicker() { stop(); }

void OutputTicker::start(std::function<void()> tick, const RealtimeRequest &fallback)
{
    if (m_thread.joinable())
        return;
    m_tick = std::move(tick);
    m_ticks.store(0, std::memory_order_relaxed);
    m_threadId.store(0, std::memory_order_relaxed);
    m_thread = std::jthread([this](std::stop_token stop) { run(stop); });

    sched_param param{};
    param.sched_priority = OutputPriority;
    Priority priority = Priority::Normal;
    if (!m_realTimeWanted) {
        // Normal priority asked for: neither the system nor RTKit is asked.
    } else if (pthread_setschedparam(m_thread.native_handle(), SCHED_FIFO, &param) == 0) {
        priority = Priority::RealTime;
    } else if (fallback) {
        // The request names the thread by its kernel id, which the thread sets first thing.
        m_threadId.wait(0, std::memory_order_acquire);
        fallback(m_threadId.load(std::memory_order_relaxed), OutputPriority);
        if (runsRealTime(m_threadId.load(std::memory_order_relaxed)))
            priority = Priority::Delegated;
    }
    m_priority.store(priority, std::memory_order_relaxed);
}

OutputTicker::Priority OutputTicker::recheckPriority()
{
    const std::int64_t thread = m_threadId.load(std::memory_order_relaxed);
    if (thread != 0 && priority() == Priority::Normal && runsRealTime(thread))
        m_priority.store(Priority::Delegated, std::memory_order_relaxed);
    return priority();
}

void OutputTicker::stop()
{
    if (!m_thread.joinable())
        return;
    m_thread.request_stop();
    m_thread.join();
    m_thread = std::jthread();
    m_threadId.store(0, std::memory_order_relaxed);
}

void OutputTicker::run(std::stop_token stop)
{
    m_threadId.store(static_cast<std::int64_t>(::gettid()), std::memory_order_release);
    m_threadId.notify_all();
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
