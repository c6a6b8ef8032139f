#include <gtest/gtest.h>

#include <initializer_list>

#include "playback/Conveyor.h"

using namespace korvanel;

namespace {
ConveyorSlots slots(std::initializer_list<int> numbers)
{
    ConveyorSlots s{};
    for (int n : numbers)
        s[static_cast<std::size_t>(n - 1)] = true;
    return s;
}
} // namespace

TEST(ConveyorStep, ListRunOverSlots2_5_9WrapsAndRestarts)
{
    const ConveyorSlots active = slots({2, 5, 9});
    const ConveyorSlots assigned = slots({1, 2, 5, 9, 12});
    int position = 1;
    const int expectedLoads[] = {2, 5, 9, 0, 2};
    const int expectedLabels[] = {2, 5, 9, 0, 2};
    for (int i = 0; i < 5; ++i) {
        const ConveyorStep step = konveyrStep(position, active, assigned);
        EXPECT_EQ(step.load, expectedLoads[i]) << i;
        EXPECT_EQ(step.labelPosition, expectedLabels[i]) << i;
        position = step.nextPosition;
    }
    EXPECT_EQ(position, 3);
}

TEST(ConveyorStep, ActiveButEmptyOrAssignedButUpIsPassedOver)
{
    const ConveyorStep step = konveyrStep(1, slots({3, 7}), slots({4, 7}));
    EXPECT_EQ(step.load, 7);
    EXPECT_EQ(step.nextPosition, 8);
}

TEST(ConveyorStep, Slot20IsFollowedByPosition1)
{
    const ConveyorStep step = konveyrStep(15, slots({20}), slots({20}));
    EXPECT_EQ(step.load, 20);
    EXPECT_EQ(step.labelPosition, 20);
    EXPECT_EQ(step.nextPosition, 1);
}

TEST(ConveyorStep, NothingLeftLoadsNothingAndStartsOverAtSlot1)
{
    const ConveyorStep step = konveyrStep(6, slots({2}), slots({2}));
    EXPECT_EQ(step.load, 0);
    EXPECT_EQ(step.labelPosition, 0);
    EXPECT_EQ(step.nextPosition, 1);
    EXPECT_EQ(konveyrStep(0, slots({2}), slots({2})).load, 2) << "a position from nowhere starts at slot 1";
    EXPECT_EQ(konveyrStep(99, slots({2}), slots({2})).load, 2);
}
