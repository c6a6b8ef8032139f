#include "files/ShowNames.h"

#include "files/CompanionFiles.h"

namespace korvanel {

namespace {

// Length in bytes of the UTF-8 sequence that starts at text[i]; 1 for a byte
// that does not start a well-formed sequence. Overlong forms, surrogates and
// code points past U+10FFFF are not well-formed: the window would show each of
// their bytes as a character of its own.
std::size_t sequenceLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    unsigned char low = 0x80; // the range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (i + length > text.size())
        return 1;
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF))
            return 1;
    }
    return length;
}

} // namespace

std::string shortShowName(std::string_view path, std::size_t characters)
{
    const auto slash = path.find_last_of("/\\");
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::size_t end = 0;
    for (std::size_t n = 0; n < characters && end < file.size(); ++n)
        end += sequenceLength(file, end);
    return getFileNameNoExt(file.substr(0, end));
}

} // namespace korvanel
