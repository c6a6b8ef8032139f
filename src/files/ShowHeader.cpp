#include "files/ShowHeader.h"

#include <string_view>

namespace korvanel {

namespace {

// Bytes 0..55: what the file is; 56..97: 42 characters of contact text;
// 98..127: zero. Readers never look at any of it.
constexpr std::string_view Title = "Korvanel DMX512 show: 256 scenes x 255 channels.      \r\n";
constexpr std::string_view Contact = "Contact: the lighting desk of this venue. ";

static_assert(Title.size() == 56);
static_assert(Contact.size() == 42);

constexpr std::array<std::uint8_t, ShowHeaderSize> makeHeader()
{
    std::array<std::uint8_t, ShowHeaderSize> header{};
    std::size_t i = 0;
    for (char ch : Title)
        header[i++] = static_cast<std::uint8_t>(ch);
    for (char ch : Contact)
        header[i++] = static_cast<std::uint8_t>(ch);
    return header;
}

} // namespace

const std::array<std::uint8_t, ShowHeaderSize> ShowHeader = makeHeader();

} // namespace korvanel
