#include <gtest/gtest.h>

#include "playback/SequencerClock.h"

using namespace korvanel;
using namespace std::chrono_literals;

namespace {
const SequencerClock::Clock::time_point t0{std::chrono::hours(100)};
}

TEST(SequencerClock, StepsOnAbsoluteDeadlinesAndOnlyANewIntervalRestartsThePeriod)
{
    SequencerClock clock;
    clock.start(t0, 900);
    EXPECT_FALSE(clock.due(t0 + 899ms));
    EXPECT_TRUE(clock.due(t0 + 930ms)) << "woken 30 ms late";
    EXPECT_EQ(clock.deadline(), t0 + 1800ms) << "the lateness does not carry over";
    EXPECT_FALSE(clock.due(t0 + 930ms)) << "one step per deadline";

    clock.applyInterval(t0 + 1000ms, 900);
    EXPECT_EQ(clock.deadline(), t0 + 1800ms) << "the same interval leaves the period running";
    clock.applyInterval(t0 + 1000ms, 400);
    EXPECT_EQ(clock.intervalMs(), 400);
    EXPECT_EQ(clock.deadline(), t0 + 1400ms) << "a new interval restarts the period";
}

TEST(SequencerClock, AStepFarTooLateRunsOnceAndTheScheduleRestartsFromThen)
{
    SequencerClock clock;
    clock.start(t0, 100);
    EXPECT_TRUE(clock.due(t0 + 5s));
    EXPECT_FALSE(clock.due(t0 + 5s)) << "no burst of the fifty missed steps";
    EXPECT_EQ(clock.deadline(), t0 + 5s + 100ms);
    clock.start(t0, 0);
    EXPECT_EQ(clock.deadline(), t0 + 1ms) << "an interval of 0 cannot spin";
}
