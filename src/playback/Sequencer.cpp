#include "playback/Sequencer.h"

#include <algorithm>
#include <cstdlib>

#include "core/ShowLayout.h"

namespace korvanel {

SceneAdvance advanceScene(Engine &engine, bool ring)
{
    if (load(engine.PlayMode) == 0)
        return SceneAdvance::Stopped;
    const std::uint8_t current = engine.sys(SysCurrentScene);
    if (current < engine.sys(SysLastScene)) {
        engine.setSys(SysCurrentScene, static_cast<std::uint8_t>(current + 1));
        return SceneAdvance::Advanced;
    }
    if (!ring)
        return SceneAdvance::Ended;
    engine.setSys(SysCurrentScene, 0);
    return SceneAdvance::Wrapped;
}

std::uint8_t crossfadeDivisor(int intervalMs)
{
    return static_cast<std::uint8_t>(std::clamp(intervalMs / TickPeriodMs, 1, 255));
}

void computeCrossfadeSteps(Engine &engine, int intervalMs)
{
    const int d = crossfadeDivisor(intervalMs);
    const std::size_t scene = engine.sys(SysCurrentScene);
    for (std::size_t c = 1; c <= ChannelCount; ++c) {
        const int now = engine.level(scene, c);
        const int before = scene == 0 ? 0 : engine.level(scene - 1, c);
        const int step = std::abs(now - before) / d;
        engine.CrossfadeStep.set(c, static_cast<std::uint8_t>(step == 0 ? 1 : step));
    }
}

SceneAdvance sequencerStep(Engine &engine, bool ring, int intervalMs, const std::function<void()> &atWrap)
{
    const SceneAdvance advance = advanceScene(engine, ring);
    if (advance == SceneAdvance::Stopped || advance == SceneAdvance::Ended)
        return advance;
    if (advance == SceneAdvance::Wrapped && atWrap)
        atWrap();
    computeCrossfadeSteps(engine, intervalMs);
    return advance;
}

} // namespace korvanel
