#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <random>

#include "core/Engine.h"
#include "output/FrameAssembly.h"
#include "output/OutputTicker.h"
#include "support/SteppedClock.h"

using namespace korvanel;
using namespace std::chrono_literals;

namespace {

using SteppedTicker = BasicOutputTicker<test::SteppedClock>;

std::int64_t ns(std::chrono::nanoseconds d) { return d.count(); }

} // namespace

// The ticks in a real second and the spread of the period are in bench/bench_ticker_period.
TEST(OutputTicker, TicksOneAtATimeAndNotAfterStop)
{
    test::SteppedTime time;
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    std::atomic<int> calls{0};
    std::atomic<bool> stall{false};
    SteppedTicker ticker(5ms, test::SteppedClock{&time});
    ticker.start([&] {
        if (inside.fetch_add(1) != 0)
            overlaps.fetch_add(1);
        if (stall.exchange(false))
            time.advance(100ms); // twenty periods
        calls.fetch_add(1);
        inside.fetch_sub(1);
    });
    EXPECT_TRUE(ticker.running());
    EXPECT_NE(ticker.priority(), OutputTicker::Priority::NotStarted);
    ASSERT_TRUE(time.asleepUntil());
    for (int i = 0; i < 4; ++i) {
        time.advance(5ms);
        ASSERT_TRUE(time.asleepUntil());
    }
    EXPECT_EQ(calls.load(), 4) << "one tick per period";

    // A late tick runs at once and the schedule restarts from then: no burst of catch-up ticks.
    stall = true;
    time.advance(5ms);
    const auto next = time.asleepUntil();
    ASSERT_TRUE(next);
    EXPECT_EQ(calls.load(), 6);
    EXPECT_EQ(*next, time.now() + ns(5ms));

    ticker.stop();
    const int stopped = calls.load();
    time.advance(50ms);
    EXPECT_FALSE(ticker.running());
    EXPECT_EQ(calls.load(), stopped);
    EXPECT_EQ(overlaps.load(), 0);
    EXPECT_EQ(ticker.tickCount(), static_cast<std::uint64_t>(stopped));
}

TEST(OutputTicker, FirstTickComesOnePeriodAfterStart)
{
    test::SteppedTime time;
    std::atomic<int> calls{0};
    SteppedTicker ticker(300ms, test::SteppedClock{&time});
    const std::int64_t started = time.now();
    ticker.start([&] { calls.fetch_add(1); });
    EXPECT_EQ(time.asleepUntil(), started + ns(300ms));
    time.advance(299ms);
    ASSERT_TRUE(time.asleepUntil());
    EXPECT_EQ(calls.load(), 0);
    time.advance(1ms);
    ASSERT_TRUE(time.asleepUntil());
    EXPECT_EQ(calls.load(), 1) << "the tick is due one period after start";
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

    // Each tick races with the edits of its period; the test only moves time
    // once the tick is done, so every deadline gets its tick.
    test::SteppedTime time;
    SteppedTicker ticker(50ms, test::SteppedClock{&time});
    ticker.start([&e] { buildFrame(e); });
    ASSERT_TRUE(time.asleepUntil());

    std::mt19937 rng(7);
    int edits = 0;
    for (int period = 0; period < 20; ++period) {
        time.advance(50ms);
        for (int i = 0; i < 100; ++i) {
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
        }
        ASSERT_TRUE(time.asleepUntil());
    }
    ticker.stop();
    EXPECT_GT(edits, 100);
    EXPECT_EQ(ticker.tickCount(), 20u);
    EXPECT_EQ(e.DmxOut.get(0), 0);
}
