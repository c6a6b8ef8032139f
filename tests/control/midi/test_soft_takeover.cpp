// A hardware fader leads a level only once it has met or passed it.
#include <gtest/gtest.h>

#include "control/midi/SoftTakeover.h"

using namespace korvanel;

TEST(SoftTakeover, TheHardwareLeadsOnlyOnceItMetOrPassedTheLevel)
{
    SoftTakeover fader;
    EXPECT_FALSE(fader.follow(10, 100, 2)) << "far below: nothing jumps";
    EXPECT_FALSE(fader.follow(60, 100, 2));
    EXPECT_TRUE(fader.follow(120, 100, 2)) << "passed it on the way up";
    EXPECT_TRUE(fader.follow(30, 120, 2)) << "leading, it goes anywhere";

    SoftTakeover met;
    EXPECT_TRUE(met.follow(99, 100, 2)) << "within a hardware step: met";

    // Another input moved the level: the hardware waits until it meets it again, from either side.
    EXPECT_FALSE(fader.follow(40, 200, 2));
    EXPECT_FALSE(fader.follow(190, 200, 2));
    EXPECT_TRUE(fader.follow(210, 200, 2));
    EXPECT_FALSE(fader.follow(180, 50, 2));
    EXPECT_TRUE(fader.follow(20, 50, 2)) << "passed on the way down";
}
