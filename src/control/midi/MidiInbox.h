#pragma once
// Messages from the MIDI system's own thread (JACK's process thread, which
// must never wait, or the ALSA sequencer's reader) to the window's thread: a
// ring of fixed slots with one writer and one reader, and an eventfd that
// wakes the reader's event loop once for any number of messages. A full ring
// drops the newest and counts it; the writer never blocks nor allocates.

#include <array>
#include <atomic>
#include <cstdint>
#include <span>

#include "control/midi/MidiMessage.h"

namespace korvanel {

class MidiInbox {
public:
    static constexpr std::size_t Capacity = 1024; // a power of two

    MidiInbox();
    ~MidiInbox();
    MidiInbox(const MidiInbox &) = delete;
    MidiInbox &operator=(const MidiInbox &) = delete;

    // The descriptor that becomes readable when messages wait; -1 when the system gave none.
    int wakeDescriptor() const { return m_wake; }

    // The writer: a message that is not three bytes long is none the program reads, and is not kept.
    void push(std::span<const std::uint8_t> bytes);

    // The reader: clears the wake-up, then takes at most `limit` messages. Returns how many.
    template <typename Each>
    std::size_t take(std::size_t limit, Each each)
    {
        clearWake();
        std::size_t n = 0;
        std::uint64_t head = m_head.load(std::memory_order_relaxed);
        const std::uint64_t tail = m_tail.load(std::memory_order_acquire);
        for (; head != tail && n < limit; ++head, ++n)
            each(m_slots[head % Capacity]);
        m_head.store(head, std::memory_order_release);
        return n;
    }
    bool empty() const { return m_head.load(std::memory_order_acquire) == m_tail.load(std::memory_order_acquire); }
    // Messages lost to a full ring.
    std::uint64_t dropped() const { return m_dropped.load(std::memory_order_relaxed); }

private:
    void clearWake();

    std::array<MidiBytes, Capacity> m_slots{};
    std::atomic<std::uint64_t> m_head{0}; // the reader's
    std::atomic<std::uint64_t> m_tail{0}; // the writer's
    std::atomic<bool> m_signalled{false};
    std::atomic<std::uint64_t> m_dropped{0};
    int m_wake = -1;
};

} // namespace korvanel
