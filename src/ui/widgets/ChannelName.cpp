#include "ui/widgets/ChannelName.h"

#include "core/Engine.h"
#include "files/ChannelNames.h"
#include "ui/widgets/NameCodec.h"

namespace korvanel {

QString channelName(const Engine &engine, std::size_t channel)
{
    if (channel > ChannelCount)
        return {};
    // Zero bytes and blanks read the same; trailing ones are not part of the name.
    NameBytes bytes{};
    std::size_t length = 0;
    for (std::size_t i = 0; i < NameSize; ++i) {
        const std::uint8_t b = engine.SceneMemory.get(nameOffset(channel) + i);
        bytes[i] = b == 0 ? ' ' : b;
        if (bytes[i] != ' ')
            length = i + 1;
    }
    return NameCodec::instance().decode(std::span<const std::uint8_t>(bytes.data(), length));
}

} // namespace korvanel
