#include <gtest/gtest.h>

#include "playback/TapTempo.h"

using namespace korvanel;
using namespace std::chrono_literals;

TEST(TapTempo, TheMeanGapOfTheLastTapsGivesTheNearestSliderPosition)
{
    const TapTempo::Clock::time_point t0{};
    TapTempo taps;
    EXPECT_EQ(taps.tap(t0), std::nullopt);
    EXPECT_EQ(taps.tap(t0 + 500ms), std::nullopt) << "two taps are not enough";
    EXPECT_EQ(taps.tap(t0 + 1000ms), 22) << "500 ms: 22 (484 ms) is nearer than 23 (529 ms)";
    EXPECT_EQ(taps.tap(t0 + 1500ms), 22);

    // A pause over 2 s starts a new count.
    EXPECT_EQ(taps.tap(t0 + 3600ms), std::nullopt);
    EXPECT_EQ(taps.tap(t0 + 3900ms), std::nullopt);
    EXPECT_EQ(taps.tap(t0 + 4200ms), 17) << "300 ms: 17 (289 ms)";

    // Only the last eight count: after eight taps 1 s apart, faster ones pull the mean down.
    TapTempo slow;
    for (int i = 0; i < 8; ++i)
        slow.tap(t0 + i * 1000ms);
    EXPECT_EQ(slow.tap(t0 + 7000ms + 200ms), tempoPositionOfStep((6000.0 + 200) / 7));

    EXPECT_EQ(tempoPositionOfStep(20), 10) << "the slider's ends";
    EXPECT_EQ(tempoPositionOfStep(1e6), 170);
    EXPECT_EQ(tempoPositionOfStep(506), 22) << "484 and 529 are 22 and 23 away";
    EXPECT_EQ(tempoPositionOfStep(507), 23);
}
