#include "files/ChannelNames.h"

#include <algorithm>

namespace korvanel {

NameBytes LoadEdit(Engine &engine, std::size_t channel)
{
    const std::size_t at = nameOffset(channel);
    NameBytes bytes{};
    engine.SceneMemory.copyTo(bytes, at);
    std::replace(bytes.begin(), bytes.end(), std::uint8_t{0}, std::uint8_t{' '});
    for (auto it = bytes.rbegin(); it != bytes.rend() && *it == ' '; ++it)
        *it = 0;
    engine.SceneMemory.copyFrom(bytes, at);
    return bytes;
}

void SaveEdit(Engine &engine, std::size_t channel, const NameBytes &bytes)
{
    engine.SceneMemory.copyFrom(bytes, nameOffset(channel));
}

NameBytes padName(std::string_view text)
{
    NameBytes bytes;
    bytes.fill(' ');
    const std::size_t n = std::min(text.size(), NameSize);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t>(text[i]);
    return bytes;
}

void zeroNameBlanks(Engine &engine)
{
    for (std::size_t i = NamesOffset; i <= NameBlanksEnd; ++i) {
        if (engine.SceneMemory.get(i) == ' ')
            engine.SceneMemory.set(i, 0);
    }
}

} // namespace korvanel
