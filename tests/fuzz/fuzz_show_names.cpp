// Short display names of show files: any path, valid UTF-8 or not, gives the
// first characters of its file name, never a split letter, never a folder.

#include <algorithm>

#include "FuzzSupport.h"
#include "files/ShowNames.h"

using namespace korvanel;

namespace {

// Length of the well-formed UTF-8 sequence at text[i] (the Unicode standard's
// table of well-formed byte sequences), 0 where there is none.
std::size_t wellFormed(std::string_view text, std::size_t i)
{
    const auto at = [&](std::size_t k) { return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0; };
    const unsigned b0 = at(0);
    const auto in = [](unsigned b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; };
    if (b0 < 0x80)
        return 1;
    if (in(b0, 0xC2, 0xDF))
        return in(at(1), 0x80, 0xBF) ? 2 : 0;
    if (in(b0, 0xE0, 0xEF)) {
        const unsigned lo = b0 == 0xE0 ? 0xA0 : 0x80;
        const unsigned hi = b0 == 0xED ? 0x9F : 0xBF;
        return in(at(1), lo, hi) && in(at(2), 0x80, 0xBF) ? 3 : 0;
    }
    if (in(b0, 0xF0, 0xF4)) {
        const unsigned lo = b0 == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = b0 == 0xF4 ? 0x8F : 0xBF;
        return in(at(1), lo, hi) && in(at(2), 0x80, 0xBF) && in(at(3), 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t characters = data[0] % 24;
    const std::string_view path(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::string name = shortShowName(path, characters);

    const auto slash = path.find_last_of("/\\");
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    // The first `characters` characters, a byte that is not UTF-8 counting as one.
    std::size_t cut = 0;
    for (std::size_t n = 0; n < characters && cut < file.size(); ++n)
        cut += std::max<std::size_t>(1, wellFormed(file, cut));
    const std::string_view head = file.substr(0, cut);
    // Less an extension: a last dot that does not start the name.
    const auto dot = head.rfind('.');
    const std::string_view expected = dot == std::string_view::npos || dot == 0 ? head : head.substr(0, dot);
    FUZZ_CHECK(name == expected);
    return 0;
}
