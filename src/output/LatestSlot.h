#pragma once
// A single-slot hand-over of a block of bytes from one writer to any reader:
// the writer never waits and a new block replaces the one before, never
// queues behind it. A reader gets the latest whole block or, while a write is
// under way, tries again. Every word is an atomic; the sequence number (odd
// during a write) tells a reader whether its copy is whole. Words are stored
// with release and loaded with acquire, so a reader that saw any word of a
// newer write also sees that write's odd number: no fences, which
// ThreadSanitizer cannot follow; on x86 these are plain moves.

#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <span>

namespace korvanel {

template <std::size_t Bytes>
class LatestSlot {
    static_assert(Bytes % 8 == 0, "whole 64-bit words");
    static constexpr std::size_t Words = Bytes / 8;

public:
    static constexpr std::size_t size() { return Bytes; }
    // A write takes well under a microsecond; a reader that meets this many
    // writes in a row has met a writer that died mid-write, not a busy one.
    static constexpr int ReadAttempts = 100'000;

    // One writer thread only. `word(i)` gives bytes 8i..8i+7 as they lie in memory.
    template <typename WordOf>
    void writeWords(WordOf word)
    {
        const std::uint32_t seq = m_seq.load(std::memory_order_relaxed);
        m_seq.store(seq + 1, std::memory_order_relaxed);
        for (std::size_t i = 0; i < Words; ++i)
            m_words[i].store(word(i), std::memory_order_release);
        m_seq.store(seq + 2, std::memory_order_release);
    }

    void write(std::span<const std::uint8_t, Bytes> bytes)
    {
        writeWords([&](std::size_t i) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes.data() + i * 8, 8);
            return word;
        });
    }

    // Even; it changes with every write. 0: nothing written yet.
    std::uint32_t sequence() const { return m_seq.load(std::memory_order_acquire) & ~1u; }

    // Copies the latest block and returns its sequence number; false when no
    // whole copy could be taken.
    bool read(std::span<std::uint8_t, Bytes> out, std::uint32_t &sequence) const
    {
        for (int attempt = 0; attempt < ReadAttempts; ++attempt) {
            const std::uint32_t before = m_seq.load(std::memory_order_acquire);
            if ((before & 1u) != 0)
                continue;
            for (std::size_t i = 0; i < Words; ++i) {
                const std::uint64_t word = m_words[i].load(std::memory_order_acquire);
                std::memcpy(out.data() + i * 8, &word, 8);
            }
            if (m_seq.load(std::memory_order_relaxed) == before) {
                sequence = before;
                return true;
            }
        }
        return false;
    }

private:
    std::atomic<std::uint32_t> m_seq{0};
    std::array<std::atomic<std::uint64_t>, Words> m_words{};
};

} // namespace korvanel
