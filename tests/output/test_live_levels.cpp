#include <gtest/gtest.h>

#include <vector>

#include "output/LiveLevels.h"

using namespace korvanel;

TEST(LiveLevels, PercentRoundsUpAndDmxUnitsPassThrough)
{
    EXPECT_EQ(displayLevel(0, true), 0);
    EXPECT_EQ(displayLevel(1, true), 1);
    EXPECT_EQ(displayLevel(128, true), 51);
    EXPECT_EQ(displayLevel(254, true), 100);
    EXPECT_EQ(displayLevel(255, true), 100);
    // Exact multiples of 2.55 do not tip over to the next percent.
    EXPECT_EQ(displayLevel(51, true), 20);
    EXPECT_EQ(displayLevel(102, true), 40);
    for (int v = 0; v <= 255; ++v) {
        ASSERT_EQ(displayLevel(static_cast<std::uint8_t>(v), false), v);
        const int percent = displayLevel(static_cast<std::uint8_t>(v), true);
        ASSERT_GE(percent * 255, v * 100) << v;          // never below the level
        ASSERT_LT((percent - 1) * 255, v * 100) << v;    // the smallest such percent
    }
}

TEST(LiveLevels, SlowRefreshGroupsCycleOneToNine)
{
    int group = 1;
    std::vector<int> seen;
    for (int i = 0; i < 10; ++i)
        seen.push_back(group = nextDisplayGroup(group));
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 1, 2}));
}
