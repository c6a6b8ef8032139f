#include <gtest/gtest.h>

#include "output/LiveLevels.h"

using namespace korvanel;

TEST(LiveLevels, PercentIsTheSmallestWholePercentNotBelowTheLevel)
{
    EXPECT_EQ(displayLevel(1, true), 1);
    EXPECT_EQ(displayLevel(128, true), 51);
    EXPECT_EQ(displayLevel(254, true), 100);
    EXPECT_EQ(displayLevel(255, true), 100);
    EXPECT_EQ(displayLevel(51, true), 20) << "an exact multiple of 2.55 stays put";
    EXPECT_EQ(displayLevel(200, false), 200);
    for (int v = 0; v <= 255; ++v) {
        const int percent = displayLevel(static_cast<std::uint8_t>(v), true);
        ASSERT_TRUE(percent * 255 >= v * 100 && (percent - 1) * 255 < v * 100) << v;
    }
}
