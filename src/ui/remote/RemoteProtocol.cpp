#include "ui/remote/RemoteProtocol.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "core/Engine.h"
#include "core/ShowLayout.h"

namespace korvanel {

namespace {

// A whole number within [low, high]; a fraction, a string or a missing key is none.
std::optional<int> integer(const QJsonObject &object, const char *key, int low, int high)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::floor(number) || number < low || number > high)
        return std::nullopt;
    return static_cast<int>(number);
}

std::optional<int> flag(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isBool())
        return std::nullopt;
    return value.toBool() ? 1 : 0;
}

} // namespace

std::optional<RemoteCommand> parseRemoteCommand(const QByteArray &message)
{
    using Kind = RemoteCommand::Kind;
    if (message.size() > MaxRemoteMessage)
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(message, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    const QString type = o.value(QLatin1String("t")).toString();

    auto one = [](Kind kind, std::optional<int> a) -> std::optional<RemoteCommand> {
        if (!a)
            return std::nullopt;
        return RemoteCommand{kind, *a, 0};
    };
    auto two = [](Kind kind, std::optional<int> a, std::optional<int> b) -> std::optional<RemoteCommand> {
        if (!a || !b)
            return std::nullopt;
        return RemoteCommand{kind, *a, *b};
    };
    constexpr int channels = static_cast<int>(ChannelCount);
    if (type == QLatin1String("play"))
        return RemoteCommand{Kind::Play};
    if (type == QLatin1String("stop"))
        return RemoteCommand{Kind::Stop};
    if (type == QLatin1String("tempo"))
        return one(Kind::Tempo, integer(o, "v", 10, 170));
    if (type == QLatin1String("step")) {
        const auto d = integer(o, "d", -1, 1);
        return d && *d != 0 ? std::optional(RemoteCommand{Kind::Step, *d}) : std::nullopt;
    }
    if (type == QLatin1String("blackout"))
        return one(Kind::Blackout, flag(o, "on"));
    if (type == QLatin1String("pic"))
        return two(Kind::Picture, integer(o, "n", 1, static_cast<int>(StaticPictureCount)), flag(o, "down"));
    if (type == QLatin1String("latch"))
        return one(Kind::Latch, flag(o, "on"));
    if (type == QLatin1String("slot"))
        return one(Kind::Slot, integer(o, "n", 1, static_cast<int>(ConveyorSlotCount)));
    if (type == QLatin1String("fader"))
        return two(Kind::Fader, integer(o, "ch", 1, channels), integer(o, "v", 0, 255));
    if (type == QLatin1String("select"))
        return two(Kind::Select, integer(o, "ch", 1, channels), flag(o, "on"));
    if (type == QLatin1String("page"))
        return one(Kind::Page, integer(o, "off", 0, MaxFaderPageOffset));
    if (type == QLatin1String("xy")) {
        auto command = two(Kind::Pad, integer(o, "x", 0, 255), integer(o, "y", 0, 255));
        const auto down = flag(o, "down");
        if (!command || !down)
            return std::nullopt;
        command->c = *down;
        return command;
    }
    if (type == QLatin1String("hold"))
        return RemoteCommand{Kind::Hold};
    if (type == QLatin1String("prio"))
        return one(Kind::Priority, flag(o, "on"));
    return std::nullopt;
}

} // namespace korvanel
