#include "control/osc/OscAddressSpace.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "core/Engine.h"
#include "core/ShowLayout.h"
#include "playback/Tempo.h"

namespace korvanel {

namespace {

constexpr std::string_view Root = "/korvanel/";

// A whole number lo..hi written in at most three digits, without a sign or leading zero.
std::optional<int> numberIn(std::string_view text, int lo, int hi)
{
    if (text.empty() || text.size() > 3 || text.front() == '0')
        return std::nullopt;
    int n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < lo || n > hi)
        return std::nullopt;
    return n;
}

// The single int argument lo..hi.
std::optional<int> intIn(const OscMessage &m, int lo, int hi)
{
    if (m.types != "i" || m.ints[0] < lo || m.ints[0] > hi)
        return std::nullopt;
    return m.ints[0];
}

// 0..1 as a level 0..255.
std::optional<int> unitLevel(float value)
{
    if (!(value >= 0.0f && value <= 1.0f)) // NaN fails too
        return std::nullopt;
    return static_cast<int>(std::lround(value * 255.0f));
}

OscRequest bad() { return osc::Bad{}; }

OscRequest indexed(std::string_view name, std::string_view number, const OscMessage &m)
{
    if (name == "picture") {
        const auto n = numberIn(number, 1, static_cast<int>(StaticPictureCount));
        const auto down = intIn(m, 0, 1);
        if (!n || !down)
            return bad();
        return command::Picture{*n - 1, *down == 1, false};
    }
    if (name == "fader") {
        const auto channel = numberIn(number, 1, static_cast<int>(ChannelCount));
        if (!channel)
            return bad();
        if (m.types == "f") {
            if (const auto level = unitLevel(m.floats[0]))
                return command::FaderLevel{*channel, *level};
            return bad();
        }
        if (const auto level = intIn(m, 0, 255))
            return command::FaderLevel{*channel, *level};
        return bad();
    }
    if (name == "conveyor") {
        const auto slot = numberIn(number, 1, static_cast<int>(ConveyorSlotCount));
        if (!slot || !m.types.empty())
            return bad();
        return command::ConveyorSlot{*slot};
    }
    return bad();
}

} // namespace

OscRequest oscRequestOf(const OscMessage &m)
{
    if (!m.path.starts_with(Root))
        return bad();
    const std::string_view rest = std::string_view(m.path).substr(Root.size());
    const bool none = m.types.empty();
    if (rest == "play")
        return none ? OscRequest{command::Play{}} : bad();
    if (rest == "stop")
        return none ? OscRequest{command::Stop{}} : bad();
    if (rest == "scene/next")
        return none ? OscRequest{command::StepScene{1}} : bad();
    if (rest == "scene/prev")
        return none ? OscRequest{command::StepScene{-1}} : bad();
    if (rest == "subscribe")
        return none ? OscRequest{osc::Subscribe{}} : bad();
    if (rest == "unsubscribe")
        return none ? OscRequest{osc::Unsubscribe{}} : bad();
    if (rest == "scene") {
        // Scene 256 is the furthest the slider ever reaches; the input checks the show's own reach.
        if (const auto n = intIn(m, 1, 256))
            return command::GoToScene{*n - 1};
        return bad();
    }
    if (rest == "tempo") {
        if (const auto t = intIn(m, MinSequencerTempo, MaxSequencerTempo))
            return command::Tempo{*t};
        return bad();
    }
    if (rest == "blackout") {
        if (const auto on = intIn(m, 0, 1))
            return command::Blackout{*on == 1};
        return bad();
    }
    if (rest == "pad") {
        if (m.types != "ff")
            return bad();
        const auto x = unitLevel(m.floats[0]);
        const auto y = unitLevel(m.floats[1]);
        if (!x || !y)
            return bad();
        // The pad's pixels run down from its top edge, where the level is 255.
        return command::Pad{*x, 255 - *y};
    }
    const auto slash = rest.find('/');
    if (slash == std::string_view::npos)
        return bad();
    return indexed(rest.substr(0, slash), rest.substr(slash + 1), m);
}

} // namespace korvanel
