#pragma once
// The sequencer's arithmetic: stepping the current scene and the per-channel
// crossfade steps that make each change take about one tempo period.

#include <cstdint>
#include <functional>

#include "core/Engine.h"

namespace korvanel {

enum class SceneAdvance : std::uint8_t {
    Stopped,  // not playing: nothing moves
    Advanced, // to the next scene
    Wrapped,  // past the last scene back to scene 0
    Ended,    // the ring is off and the last scene was reached: playback stops there
};

// One step of the playing show. With ring off the show stops on its last
// scene instead of wrapping.
SceneAdvance advanceScene(Engine &engine, bool ring);

// The divisor of the crossfade steps: the tempo interval in output ticks, 1..255.
std::uint8_t crossfadeDivisor(int intervalMs);

// CrossfadeStep[c] = |new - old| div d (1 where that is 0); before scene 0 every level counts as 0.
void computeCrossfadeSteps(Engine &engine, int intervalMs);

// One tick of the sequencer timer, in the window and in the player alike:
// the next scene, or scene 0 and then `atWrap` (where a conveyor list loads
// its next show), then the crossfade steps for the interval the timer runs
// at. Stopped and Ended change nothing more; on Ended the caller stops play.
SceneAdvance sequencerStep(Engine &engine, bool ring, int intervalMs, const std::function<void()> &atWrap = {});

struct ShowClock {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    void reset() { hours = minutes = seconds = 0; }
    void tick()
    {
        if (++seconds >= 60) {
            seconds = 0;
            if (++minutes >= 60) {
                minutes = 0;
                if (++hours >= 24)
                    hours = 0;
            }
        }
    }
};

} // namespace korvanel
