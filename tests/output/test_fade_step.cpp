#include <gtest/gtest.h>

#include "output/FadeStep.h"

using korvanel::fadeStep;

TEST(FadeStep, RateZeroHoldsTheSlot)
{
    EXPECT_EQ(fadeStep(10, 200, 0), 10);
    EXPECT_EQ(fadeStep(200, 10, 0), 200);
}

TEST(FadeStep, RateOneTakes255TicksForAFullSwing)
{
    std::uint8_t v = 0;
    int ticks = 0;
    while (v != 255) {
        v = fadeStep(v, 255, 1);
        ++ticks;
        ASSERT_LE(ticks, 255);
    }
    EXPECT_EQ(ticks, 255);
    EXPECT_EQ(fadeStep(v, 255, 1), 255) << "stays on the target";
}

TEST(FadeStep, LandsOnTheTargetInsteadOfWrapping)
{
    EXPECT_EQ(fadeStep(10, 0, 20), 0) << "not 246";
    EXPECT_EQ(fadeStep(250, 255, 20), 255) << "not 14";
    EXPECT_EQ(fadeStep(100, 110, 20), 110);
    EXPECT_EQ(fadeStep(110, 100, 20), 100);
    EXPECT_EQ(fadeStep(0, 255, 255), 255);
    EXPECT_EQ(fadeStep(255, 0, 255), 0);
}

TEST(FadeStep, MovesByTheStepWhileFarFromTheTarget)
{
    EXPECT_EQ(fadeStep(0, 200, 8), 8);
    EXPECT_EQ(fadeStep(200, 0, 8), 192);
    EXPECT_EQ(fadeStep(128, 128, 50), 128);
}
