#pragma once
// A short UTF-8 text in a fixed buffer: the link sets its status texts on the
// output thread, where nothing may allocate.

#include <array>
#include <cstddef>
#include <string_view>

namespace korvanel {

template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t capacity() { return N; }

    std::string_view view() const { return {m_bytes.data(), m_length}; }
    bool empty() const { return m_length == 0; }

    void clear() { m_length = 0; }
    void assign(std::string_view text)
    {
        m_length = 0;
        append(text);
    }
    // What does not fit is cut at a character boundary.
    void append(std::string_view text)
    {
        std::size_t n = text.size() < N - m_length ? text.size() : N - m_length;
        if (n < text.size()) {
            while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
                --n;
        }
        for (std::size_t i = 0; i < n; ++i)
            m_bytes[m_length + i] = text[i];
        m_length += n;
    }

    friend bool operator==(const FixedText &a, const FixedText &b) { return a.view() == b.view(); }

private:
    std::array<char, N> m_bytes{};
    std::size_t m_length = 0;
};

} // namespace korvanel
