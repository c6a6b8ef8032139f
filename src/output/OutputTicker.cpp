#include "output/OutputTicker.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace korvanel {

template class BasicOutputTicker<MonotonicClock>;

namespace {

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

void OutputTickerBase::setPriority(std::thread::native_handle_type thread, const RealtimeRequest &fallback)
{
    sched_param param{};
    param.sched_priority = OutputPriority;
    Priority priority = Priority::Normal;
    if (!m_realTimeWanted) {
        // Normal priority asked for: neither the system nor RTKit is asked.
    } else if (pthread_setschedparam(thread, SCHED_FIFO, &param) == 0) {
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

OutputTickerBase::Priority OutputTickerBase::recheckPriority()
{
    const std::int64_t thread = m_threadId.load(std::memory_order_relaxed);
    if (thread != 0 && priority() == Priority::Normal && runsRealTime(thread))
        m_priority.store(Priority::Delegated, std::memory_order_relaxed);
    return priority();
}

void OutputTickerBase::enterOutputThread()
{
    m_threadId.store(static_cast<std::int64_t>(::gettid()), std::memory_order_release);
    m_threadId.notify_all();
    // Without this the kernel may wake us up to 50 us late on purpose.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

} // namespace korvanel
