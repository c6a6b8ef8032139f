#include <gtest/gtest.h>

#include <memory>

#include "editing/StaticPictures.h"

using namespace korvanel;

TEST(StaticPictures, OnlyAFlagOfOneMakesAMemberAndFlagsTravelAsTheyAre)
{
    auto owner = std::make_unique<Engine>();
    Engine &e = *owner;
    e.SceneMemory.set(pictureFlag(3, 7), 1);
    e.SceneMemory.set(pictureLevel(3, 7), 90);
    e.SceneMemory.set(pictureFlag(3, 8), 2); // from a foreign file
    e.SceneMemory.set(pictureLevel(3, 8), 80);

    ReadChaser(e, 3);
    EXPECT_EQ(e.level(0, 7), 90);
    EXPECT_EQ(e.level(0, 8), 0);
    EXPECT_EQ(e.SceneMemory.get(selectionByte(8)), 2);
    SaveChaser(e, 5);
    EXPECT_EQ(e.SceneMemory.get(pictureFlag(5, 8)), 2);
    ReadChaser(e, StaticPictureCount); // no such picture: nothing happens
    EXPECT_EQ(e.level(0, 7), 90);
}
