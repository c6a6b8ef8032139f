#pragma once
// Sleeping on an atomic word and waking its sleeper, with a time limit that
// std::atomic::wait lacks. A wake costs one system call and takes no lock,
// so the output tick may make it. And the barrier that lets the tick go
// without a fence of its own.

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <linux/futex.h>
#include <linux/membarrier.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace korvanel {

static_assert(sizeof(std::atomic<std::uint32_t>) == sizeof(std::uint32_t) &&
                  std::atomic<std::uint32_t>::is_always_lock_free,
              "the kernel sees the atomic word as a plain 32-bit word");

// Sleeps while `word` holds `expected`, at most `timeout`; returns at once
// when it no longer does. Spurious returns happen: callers look again.
inline void futexWait(std::atomic<std::uint32_t> &word, std::uint32_t expected, std::chrono::nanoseconds timeout)
{
    if (timeout <= std::chrono::nanoseconds::zero())
        return;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout);
    const timespec limit{static_cast<time_t>(seconds.count()), static_cast<long>((timeout - seconds).count())};
    syscall(SYS_futex, reinterpret_cast<std::uint32_t *>(&word), FUTEX_WAIT_PRIVATE, expected, &limit, nullptr, 0);
}

inline void futexWakeAll(std::atomic<std::uint32_t> &word)
{
    syscall(SYS_futex, reinterpret_cast<std::uint32_t *>(&word), FUTEX_WAKE_PRIVATE, INT32_MAX, nullptr, nullptr, 0);
}

// A full memory barrier on every thread of this process, paid for by the
// caller alone: a thread that pairs with it needs no fence of its own, only
// that the compiler keeps its order. False where the kernel refuses it.
inline bool processBarrierAvailable()
{
    static const bool registered = syscall(SYS_membarrier, MEMBARRIER_CMD_REGISTER_PRIVATE_EXPEDITED, 0, 0) == 0;
    return registered;
}

inline void processBarrier() { syscall(SYS_membarrier, MEMBARRIER_CMD_PRIVATE_EXPEDITED, 0, 0); }

} // namespace korvanel
