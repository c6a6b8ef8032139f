#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/Engine.h"
#include "playback/Sequencer.h"
#include "playback/Tempo.h"

using namespace korvanel;

namespace {

struct Show {
    Show()
    {
        initialiseAtStart(e);
        ClearAll(e);
    }
    std::unique_ptr<Engine> owner = std::make_unique<Engine>();
    Engine &e = *owner;
};

} // namespace

TEST(Sequencer, StoppedShowDoesNotMove)
{
    Show s;
    s.e.setSys(SysCurrentScene, 1);
    EXPECT_EQ(advanceScene(s.e, true), SceneAdvance::Stopped);
    EXPECT_EQ(s.e.sys(SysCurrentScene), 1);
}

TEST(Sequencer, NewShowAlternatesAndALoneSceneWrapsEveryStep)
{
    Show s;
    store(s.e.PlayMode, 1);
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        advanceScene(s.e, true);
        seen.push_back(s.e.sys(SysCurrentScene));
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 1, 0}));

    s.e.setSys(SysLastScene, 0);
    EXPECT_EQ(advanceScene(s.e, true), SceneAdvance::Wrapped);
    EXPECT_EQ(advanceScene(s.e, true), SceneAdvance::Wrapped) << "the conveyor hook runs at every step";
    EXPECT_EQ(s.e.sys(SysCurrentScene), 0);
}

TEST(Sequencer, RingOffStopsOnTheLastScene)
{
    Show s;
    store(s.e.PlayMode, 1);
    s.e.setSys(SysLastScene, 2);
    EXPECT_EQ(advanceScene(s.e, false), SceneAdvance::Advanced);
    EXPECT_EQ(advanceScene(s.e, false), SceneAdvance::Advanced);
    EXPECT_EQ(advanceScene(s.e, false), SceneAdvance::Ended);
    EXPECT_EQ(s.e.sys(SysCurrentScene), 2) << "the last scene stays on output";
}

TEST(Sequencer, CrossfadeDivisorIsTheIntervalInTicksClamped)
{
    EXPECT_EQ(crossfadeDivisor(sequencerIntervalMs(10)), 2);
    EXPECT_EQ(crossfadeDivisor(sequencerIntervalMs(170)), 255) << "578 clamped";
    EXPECT_EQ(crossfadeDivisor(sequencerIntervalMs(44)), 38);
    EXPECT_EQ(crossfadeDivisor(0), 1);
}

TEST(Sequencer, CrossfadeStepsComeFromTheSceneLevels)
{
    Show s;
    s.e.SceneMemory.set(sceneByte(0, 1), 200);
    s.e.SceneMemory.set(sceneByte(1, 1), 0);
    s.e.SceneMemory.set(sceneByte(0, 2), 77);
    s.e.SceneMemory.set(sceneByte(1, 2), 77);
    s.e.SceneMemory.set(sceneByte(1, 3), 1);
    s.e.setSys(SysCurrentScene, 1);
    computeCrossfadeSteps(s.e, 100); // d = 2
    EXPECT_EQ(s.e.CrossfadeStep.get(1), 100);
    EXPECT_EQ(s.e.CrossfadeStep.get(2), 1) << "unchanged channel gets step 1";
    EXPECT_EQ(s.e.CrossfadeStep.get(3), 1) << "0 by division becomes 1";

    s.e.setSys(SysCurrentScene, 0);
    computeCrossfadeSteps(s.e, 100);
    EXPECT_EQ(s.e.CrossfadeStep.get(1), 100) << "scene 0 counts from all zeros";
    EXPECT_EQ(s.e.CrossfadeStep.get(2), 38);
}

TEST(Sequencer, ShowClockWrapsAtMidnight)
{
    ShowClock clock;
    clock.hours = 23;
    clock.minutes = 59;
    clock.seconds = 59;
    clock.tick();
    EXPECT_EQ(clock.hours, 0);
    EXPECT_EQ(clock.minutes, 0);
    EXPECT_EQ(clock.seconds, 0);
    for (int i = 0; i < 125; ++i)
        clock.tick();
    EXPECT_EQ(clock.minutes, 2);
    EXPECT_EQ(clock.seconds, 5);
}

TEST(Sequencer, StepRunsTheWrapHookBeforeItsCrossfadeStepsAndEndedOrStoppedChangesNothing)
{
    Show s;
    s.e.SceneMemory.set(sceneByte(0, 1), 100);
    s.e.SceneMemory.set(sceneByte(1, 1), 40);
    int hooks = 0;
    // The conveyor's next show, loaded at the wrap: its scene 0 is what the steps fade to.
    const auto loadNext = [&] {
        ++hooks;
        s.e.SceneMemory.set(sceneByte(0, 1), 200);
    };
    EXPECT_EQ(sequencerStep(s.e, true, 100, loadNext), SceneAdvance::Stopped);
    store(s.e.PlayMode, 1);
    EXPECT_EQ(sequencerStep(s.e, true, 100, loadNext), SceneAdvance::Advanced);
    EXPECT_EQ(s.e.CrossfadeStep.get(1), 30) << "|40 - 100| div 2";
    EXPECT_EQ(sequencerStep(s.e, true, 100, loadNext), SceneAdvance::Wrapped);
    EXPECT_EQ(hooks, 1);
    EXPECT_EQ(s.e.CrossfadeStep.get(1), 100) << "from the loaded scene 0, not the old one";
    EXPECT_EQ(sequencerStep(s.e, false, 100, loadNext), SceneAdvance::Advanced);
    EXPECT_EQ(sequencerStep(s.e, false, 1000, loadNext), SceneAdvance::Ended);
    EXPECT_EQ(hooks, 1);
    EXPECT_EQ(s.e.CrossfadeStep.get(1), 80) << "the end computes nothing: |40 - 200| div 2 stays";
}
