#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <thread>

#include "core/Engine.h"
#include "output/FrameAssembly.h"
#include "output/OutputTicker.h"

using namespace korvanel;
using namespace std::chrono_literals;

TEST(OutputTicker, TicksOneAtATimeAndNotAfterStop)
{
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    std::atomic<int> calls{0};
    OutputTicker ticker(5ms);
    ticker.start([&] {
        if (inside.fetch_add(1) != 0)
            overlaps.fetch_add(1);
        std::this_thread::sleep_for(8ms); // longer than the period
        calls.fetch_add(1);
        inside.fetch_sub(1);
    });
    EXPECT_TRUE(ticker.running());
    EXPECT_NE(ticker.priority(), OutputTicker::Priority::NotStarted);
    std::this_thread::sleep_for(200ms);
    ticker.stop();
    const int stopped = calls.load();
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(ticker.running());
    EXPECT_EQ(calls.load(), stopped);
    EXPECT_EQ(overlaps.load(), 0);
    // Late ticks restart the schedule instead of bursting: about 200/8.
    EXPECT_GE(stopped, 5);
    EXPECT_LE(stopped, 26);
    EXPECT_EQ(ticker.tickCount(), static_cast<std::uint64_t>(stopped));
}

TEST(OutputTicker, FirstTickComesOnePeriodAfterStart)
{
    std::atomic<int> calls{0};
    OutputTicker ticker(300ms);
    ticker.start([&] { calls.fetch_add(1); });
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(calls.load(), 0);
    ticker.stop();
}

// The real ticker building real frames while another thread edits the show
// and the live controls, as the UI thread does. Run under ThreadSanitizer.
TEST(OutputTicker, BuildsFramesWhileTheShowIsEdited)
{
    auto engine = std::make_unique<Engine>();
    Engine &e = *engine;
    initialiseAtStart(e);
    ClearAll(e);

    OutputTicker ticker;
    ticker.start([&e] { buildFrame(e); });

    std::mt19937 rng(7);
    const auto until = std::chrono::steady_clock::now() + 1s;
    int edits = 0;
    while (std::chrono::steady_clock::now() < until) {
        const auto r = rng();
        e.SceneMemory.set(sceneByte(r % 4, 1 + r % 255), static_cast<std::uint8_t>(r >> 8));
        e.setSys(SysCurrentScene, static_cast<std::uint8_t>(r % 4));
        e.SceneMemory.set(rateByte(1 + r % 255), static_cast<std::uint8_t>(r >> 16));
        e.SceneMemory.set(selectionByte(r % 256), (r >> 3) & 1);
        e.live.pictures.set(r % 16, (r >> 4) & 1);
        e.live.faderPosition.set(1 + r % 27, static_cast<std::uint8_t>(r >> 12));
        e.live.faderChecked.set(1 + r % 27, (r >> 5) & 1);
        store(e.live.fadeMode, static_cast<std::uint8_t>(r % 3));
        store(e.live.manual, (r >> 6) & 1);
        store(e.live.blackout, (r >> 7) & 1);
        store(e.live.macrosDown, (r >> 9) & 1);
        store(e.live.HandScanActive, (r >> 10) & 1);
        store(e.live.HandScanX, static_cast<std::uint8_t>(r));
        store(e.PlayMode, (r >> 11) & 1);
        store(e.FaderPageOffset, static_cast<std::uint8_t>(r % 229));
        e.CoderTable.set(1 + r % 255, static_cast<std::uint16_t>(r % 600));
        ++edits;
        std::this_thread::sleep_for(100us);
    }
    ticker.stop();
    EXPECT_GT(edits, 100);
    EXPECT_GE(ticker.tickCount(), 10u);
    EXPECT_LE(ticker.tickCount(), 21u);
    EXPECT_EQ(e.DmxOut.get(0), 0);
}
