// The real ticker building frames while the show plays: each channel moves by
// its step per frame and lands on the new scene.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "core/Engine.h"
#include "core/FrameHold.h"
#include "output/FrameAssembly.h"
#include "output/OutputTicker.h"
#include "playback/Sequencer.h"
#include "playback/Tempo.h"

using namespace korvanel;
using namespace std::chrono_literals;

namespace {

struct Recorder {
    static constexpr int Frames = 14;
    std::array<std::uint8_t, Frames> level{};
    std::atomic<int> count{0};
};

// Runs the real ticker until `frames` frames are recorded for one channel.
void run(Engine &e, Recorder &r, std::size_t channel)
{
    OutputTicker ticker;
    ticker.start([&] {
        buildFrame(e);
        const int n = r.count.load(std::memory_order_relaxed);
        if (n < Recorder::Frames) {
            r.level[static_cast<std::size_t>(n)] = e.DmxOut.get(channel);
            r.count.store(n + 1, std::memory_order_release);
        }
    });
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (r.count.load(std::memory_order_acquire) < Recorder::Frames && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ticker.stop();
    ASSERT_EQ(r.count.load(), Recorder::Frames);
}

} // namespace

TEST(CrossfadeEndToEnd, AutomaticModeReachesTheNextSceneInAboutOneTempoPeriod)
{
    auto owner = std::make_unique<Engine>();
    Engine &e = *owner;
    initialiseAtStart(e);
    ClearAll(e);
    e.SceneMemory.set(sceneByte(1, 6), 200);
    const int interval = sequencerIntervalMs(20); // 400 ms: eight frames
    store(e.live.fadeMode, 1);
    store(e.PlayMode, 1);
    ASSERT_EQ(advanceScene(e, true), SceneAdvance::Advanced);
    computeCrossfadeSteps(e, interval);
    ASSERT_EQ(e.CrossfadeStep.get(6), 25);

    Recorder r;
    run(e, r, 6);
    for (int i = 0; i < Recorder::Frames; ++i)
        EXPECT_EQ(r.level[static_cast<std::size_t>(i)], std::min(200, 25 * (i + 1))) << "frame " << i;
    EXPECT_EQ(r.level[7], 200) << "the eighth frame, 400 ms in, lands on the scene";
}

TEST(CrossfadeEndToEnd, FaderModeUsesEachChannelsRate)
{
    auto owner = std::make_unique<Engine>();
    Engine &e = *owner;
    initialiseAtStart(e);
    ClearAll(e);
    e.SceneMemory.set(sceneByte(0, 9), 255);
    e.SceneMemory.set(rateByte(9), 20);
    e.CrossfadeStep.set(9, 1); // not used in this mode
    store(e.PlayMode, 1);

    Recorder r;
    run(e, r, 9);
    for (int i = 0; i < Recorder::Frames; ++i)
        EXPECT_EQ(r.level[static_cast<std::size_t>(i)], std::min(255, 20 * (i + 1))) << "frame " << i;
    EXPECT_EQ(r.level[12], 255) << "13 frames from 0 to 255 at step 20";
}

TEST(CrossfadeEndToEnd, AShowChangedUnderAHoldNeverReachesTheOutputHalfDone)
{
    auto owner = std::make_unique<Engine>();
    Engine &e = *owner;
    initialiseAtStart(e);
    ClearAll(e);
    store(e.live.fadeMode, 1);
    e.SceneMemory.set(sceneByte(0, 1), 100);
    e.SceneMemory.set(sceneByte(1, 1), 104);
    {
        const FrameHold hold(e);
        buildFrame(e);
        EXPECT_EQ(e.DmxOut.get(1), 0) << "held: the last frame stays";
    }
    buildFrame(e);
    EXPECT_EQ(e.DmxOut.get(1), 100) << "stopped in Автомат: the scene as it is";
    store(e.PlayMode, 1);
    ASSERT_EQ(sequencerStep(e, true, 400), SceneAdvance::Advanced);
    for (int i = 0; i < 4; ++i)
        buildFrame(e);
    ASSERT_EQ(e.DmxOut.get(1), 104);

    // The wrap loads the next show slowly, as a list does from a slow disk: its scene 0 has 120.
    Recorder r;
    std::thread step([&] {
        std::this_thread::sleep_for(60ms);
        const FrameHold hold(e);
        sequencerStep(e, true, 400, [&] {
            std::this_thread::sleep_for(200ms);
            e.SceneMemory.set(sceneByte(0, 1), 120);
        });
    });
    run(e, r, 1);
    step.join();
    for (int i = 1; i < Recorder::Frames; ++i)
        EXPECT_GE(r.level[static_cast<std::size_t>(i)], r.level[static_cast<std::size_t>(i - 1)])
            << "frame " << i << ": no step back toward the old show's scene 0";
    EXPECT_EQ(r.level[Recorder::Frames - 1], 120);
}
