#include "control/osc/OscFeedback.h"

namespace korvanel {

namespace {
constexpr std::string_view FaderPath = "/korvanel/fader/";
}

std::vector<OscValue> oscFeedbackOf(const ShowState &state)
{
    std::vector<OscValue> values{
        {"/korvanel/scene", state.scene + 1},
        {"/korvanel/playing", state.playing ? 1 : 0},
        {"/korvanel/tempo", state.tempo},
        {"/korvanel/blackout", state.blackout ? 1 : 0},
    };
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        values.push_back({"/korvanel/picture/" + std::to_string(k + 1), (state.pictures >> k) & 1});
    for (std::size_t k = 0; k < FaderCount; ++k)
        values.push_back(
            {std::string(FaderPath) + std::to_string(state.pageOffset + 1 + static_cast<int>(k)), state.faders[k]});
    return values;
}

std::vector<OscValue> OscFeedback::changes(const ShowState &state)
{
    // Another page: its faders go out whole, whatever an earlier page sent for the same channels,
    // since a newer subscriber may never have heard them.
    if (state.pageOffset != m_page) {
        std::erase_if(m_sent, [](const auto &sent) { return sent.first.starts_with(FaderPath); });
        m_page = state.pageOffset;
    }
    std::vector<OscValue> changed;
    for (OscValue &value : oscFeedbackOf(state)) {
        const auto [it, added] = m_sent.try_emplace(value.path, value.value);
        if (!added && it->second == value.value)
            continue;
        it->second = value.value;
        changed.push_back(std::move(value));
    }
    return changed;
}

} // namespace korvanel
