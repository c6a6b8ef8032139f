#include "ui/ChannelName.h"

#include <QByteArray>
#include <QStringDecoder>

#include "core/Engine.h"

namespace korvanel {

QString channelName(const Engine &engine, std::size_t channel)
{
    QByteArray bytes;
    for (std::size_t i = 0; i < NameSize && channel <= ChannelCount; ++i) {
        const std::uint8_t b = engine.SceneMemory.get(nameOffset(channel) + i);
        if (b == 0)
            break;
        bytes.append(static_cast<char>(b));
    }
    QStringDecoder decode("windows-1251");
    return decode(bytes);
}

} // namespace korvanel
