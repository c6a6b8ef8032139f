#include "control/midi/MidiPortName.h"

namespace korvanel {

namespace {

bool digits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The name without ALSA's trailing " CLIENT:PORT".
std::string_view withoutNumbers(std::string_view name)
{
    const auto space = name.rfind(' ');
    if (space == std::string_view::npos)
        return name;
    const std::string_view numbers = name.substr(space + 1);
    const auto colon = numbers.find(':');
    if (colon == std::string_view::npos || !digits(numbers.substr(0, colon)) || !digits(numbers.substr(colon + 1)))
        return name;
    return name.substr(0, space);
}

} // namespace

std::string findMidiPort(std::string_view wanted, const std::vector<std::string> &listed)
{
    if (wanted.empty())
        return {};
    for (const std::string &name : listed) {
        if (name == wanted)
            return name;
    }
    const std::string_view plain = withoutNumbers(wanted);
    for (const std::string &name : listed) {
        if (withoutNumbers(name) == plain)
            return name;
    }
    return {};
}

} // namespace korvanel
