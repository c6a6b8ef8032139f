#pragma once
// Byte and word arrays shared between the UI thread and the output tick.
// Every element is a relaxed atomic: a frame may mix values from before and
// after an edit, and the next tick corrects it, but no access is a data race.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

namespace korvanel {

template <typename T, std::size_t N>
class AtomicArray {
public:
    static constexpr std::size_t size() { return N; }

    T get(std::size_t i) const { return m_items[i].load(std::memory_order_relaxed); }
    void set(std::size_t i, T value) { m_items[i].store(value, std::memory_order_relaxed); }

    T operator[](std::size_t i) const { return get(i); }

    void fill(std::size_t from, std::size_t to, T value)
    {
        for (std::size_t i = from; i < to; ++i)
            set(i, value);
    }
    void fill(T value) { fill(0, N, value); }

    // Bulk copies are loops of relaxed stores/loads, as any other access.
    void copyFrom(std::span<const T> source, std::size_t offset = 0)
    {
        for (std::size_t i = 0; i < source.size() && offset + i < N; ++i)
            set(offset + i, source[i]);
    }
    void copyTo(std::span<T> target, std::size_t offset = 0) const
    {
        for (std::size_t i = 0; i < target.size() && offset + i < N; ++i)
            target[i] = get(offset + i);
    }

private:
    std::array<std::atomic<T>, N> m_items{};
};

template <std::size_t N>
using AtomicBytes = AtomicArray<std::uint8_t, N>;

using AtomicByte = std::atomic<std::uint8_t>;

inline std::uint8_t load(const AtomicByte &b) { return b.load(std::memory_order_relaxed); }
inline void store(AtomicByte &b, std::uint8_t v) { b.store(v, std::memory_order_relaxed); }

} // namespace korvanel
