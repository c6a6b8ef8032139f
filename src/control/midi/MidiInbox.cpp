#include "control/midi/MidiInbox.h"

#include <sys/eventfd.h>
#include <unistd.h>

namespace korvanel {

MidiInbox::MidiInbox() : m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

MidiInbox::~MidiInbox()
{
    if (m_wake >= 0)
        ::close(m_wake);
}

void MidiInbox::push(std::span<const std::uint8_t> bytes)
{
    // Program changes, aftertouch and the like mean nothing here: not lost, just not kept.
    if (bytes.size() != 3)
        return;
    const std::uint64_t tail = m_tail.load(std::memory_order_relaxed);
    if (tail - m_head.load(std::memory_order_acquire) >= Capacity) {
        m_dropped.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    m_slots[tail % Capacity] = {bytes[0], bytes[1], bytes[2]};
    m_tail.store(tail + 1, std::memory_order_release);
    // One wake-up until the reader has cleared it: a burst costs one system call.
    if (!m_signalled.exchange(true, std::memory_order_acq_rel) && m_wake >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_wake, &one, sizeof one);
    }
}

void MidiInbox::clearWake()
{
    if (m_wake >= 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t read = ::read(m_wake, &count, sizeof count);
    }
    // Cleared before the ring is read, and by a read-modify-write: a writer that
    // found it still set had stored its message before, so the reader sees it;
    // one that comes later wakes the reader again.
    static_cast<void>(m_signalled.exchange(false, std::memory_order_acq_rel));
}

} // namespace korvanel
