#include <gtest/gtest.h>

#include "playback/Conveyor.h"

using namespace korvanel;

TEST(ConveyorStep, PassesOverSlotsThatAreUpOrEmptyAndStartsOverWhenNoneIsLeft)
{
    ConveyorSlots active{}, assigned{};
    active[2] = active[6] = true;     // slots 3 and 7
    assigned[3] = assigned[6] = true; // slots 4 and 7
    const ConveyorStep step = konveyrStep(1, active, assigned);
    EXPECT_EQ(step.load, 7);
    EXPECT_EQ(step.nextPosition, 8);

    const ConveyorStep none = konveyrStep(8, active, assigned);
    EXPECT_EQ(none.load, 0);
    EXPECT_EQ(none.labelPosition, 0);
    EXPECT_EQ(none.nextPosition, 1);
    // A position from nowhere starts at the first slot.
    EXPECT_EQ(konveyrStep(0, active, assigned).load, 7);
    EXPECT_EQ(konveyrStep(99, active, assigned).load, 7);
}
