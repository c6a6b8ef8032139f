#include <gtest/gtest.h>

#include "playback/Tempo.h"

using namespace korvanel;

TEST(Tempo, IntervalIsTheSquareAndTheLabelCountsScenesPerMinute)
{
    EXPECT_EQ(sequencerIntervalMs(44), 1936);
    EXPECT_EQ(scenesPerMinute(1936), 30);
    EXPECT_EQ(sequencerIntervalMs(10), 100);
    EXPECT_EQ(scenesPerMinute(100), 600);
    EXPECT_EQ(sequencerIntervalMs(170), 28900);
    EXPECT_EQ(scenesPerMinute(28900), 2);
}

TEST(Tempo, BytesOutsideTheSliderTakeTheNearestEnd)
{
    EXPECT_EQ(sequencerIntervalMs(0), 100);
    EXPECT_EQ(sequencerIntervalMs(9), 100);
    EXPECT_EQ(sequencerIntervalMs(171), 28900);
    EXPECT_EQ(sequencerIntervalMs(255), 28900);
    EXPECT_EQ(scenesPerMinute(0), 0);
}
