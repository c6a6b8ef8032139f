#include <gtest/gtest.h>

#include <memory>

#include "editing/StaticPictures.h"

using namespace korvanel;

namespace {
struct Show {
    std::unique_ptr<Engine> owner = std::make_unique<Engine>();
    Engine &e = *owner;
};
} // namespace

TEST(StaticPictures, ReadPutsLevelsOfMembersOnlyAndWriteStoresTheWholeRow)
{
    Show s;
    s.e.SceneMemory.set(pictureFlag(3, 7), 1);
    s.e.SceneMemory.set(pictureLevel(3, 7), 90);
    s.e.SceneMemory.set(pictureFlag(3, 8), 2);   // not 1: no member
    s.e.SceneMemory.set(pictureLevel(3, 8), 80);
    s.e.SceneMemory.set(pictureLevel(3, 9), 70);
    s.e.SceneMemory.set(sceneByte(0, 9), 5);

    ReadChaser(s.e, 3);
    EXPECT_EQ(s.e.level(0, 7), 90);
    EXPECT_EQ(s.e.level(0, 8), 0);
    EXPECT_EQ(s.e.level(0, 9), 0);
    EXPECT_EQ(s.e.SceneMemory.get(selectionByte(7)), 1);
    EXPECT_EQ(s.e.SceneMemory.get(selectionByte(8)), 2) << "the flags are copied as they are";

    s.e.SceneMemory.set(sceneByte(0, 200), 33);
    SaveChaser(s.e, 11);
    EXPECT_EQ(s.e.SceneMemory.get(pictureFlag(11, 7)), 1);
    EXPECT_EQ(s.e.SceneMemory.get(pictureLevel(11, 7)), 90);
    EXPECT_EQ(s.e.SceneMemory.get(pictureLevel(11, 200)), 33) << "levels of non-members are stored too";
    EXPECT_EQ(s.e.SceneMemory.get(pictureFlag(11, 200)), 0);
}

TEST(StaticPictures, SceneChoiceCopiesTheNextSceneAndKeepsTheBufferAt255)
{
    Show s;
    s.e.SceneMemory.set(sceneByte(1, 4), 11);
    s.e.SceneMemory.set(sceneByte(255, 4), 99);
    s.e.SceneMemory.set(selectionByte(4), 1);
    copySceneToPictureBuffer(s.e, 0);
    EXPECT_EQ(s.e.level(0, 4), 11);
    EXPECT_EQ(s.e.SceneMemory.get(selectionByte(4)), 0);
    copySceneToPictureBuffer(s.e, 254);
    EXPECT_EQ(s.e.level(0, 4), 99);
    s.e.SceneMemory.set(sceneByte(0, 4), 42);
    copySceneToPictureBuffer(s.e, 255);
    EXPECT_EQ(s.e.level(0, 4), 42);
}

TEST(StaticPictures, RecordingGivesBackSceneZeroRatesCurrentSceneAndSelection)
{
    Show s;
    s.e.SceneMemory.set(sceneByte(0, 1), 123);
    s.e.SceneMemory.set(rateByte(1), 7);
    s.e.SceneMemory.set(selectionByte(2), 1);
    s.e.setSys(SysCurrentScene, 9);

    PictureSave save;
    beginPictureRecording(s.e, save);
    keepSelection(s.e, save);
    EXPECT_EQ(s.e.currentScene(), 0);
    EXPECT_EQ(s.e.level(0, 1), 0);
    EXPECT_EQ(s.e.SceneMemory.get(selectionByte(2)), 0);

    s.e.SceneMemory.set(sceneByte(0, 1), 1);
    s.e.SceneMemory.set(rateByte(1), 200);
    s.e.SceneMemory.set(selectionByte(5), 1);
    s.e.SceneMemory.set(sceneByte(3, 3), 3);   // other scenes are the show's own edits
    endPictureRecording(s.e, save);
    EXPECT_EQ(s.e.level(0, 1), 123);
    EXPECT_EQ(s.e.SceneMemory.get(rateByte(1)), 7);
    EXPECT_EQ(s.e.SceneMemory.get(selectionByte(2)), 1);
    EXPECT_EQ(s.e.SceneMemory.get(selectionByte(5)), 0);
    EXPECT_EQ(s.e.currentScene(), 9);
    EXPECT_EQ(s.e.SceneBase.load(), static_cast<std::int32_t>(sceneRow(9)));
    EXPECT_EQ(s.e.level(3, 3), 3);
}

TEST(StaticPictures, EraseAllEmptiesEveryPictureAndTheBuffer)
{
    Show s;
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        s.e.SceneMemory.set(pictureLevel(k, 255), 9);
    s.e.SceneMemory.set(sceneByte(0, 3), 4);
    s.e.SceneMemory.set(sceneByte(1, 3), 4);
    eraseAllPictures(s.e);
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        EXPECT_EQ(s.e.SceneMemory.get(pictureLevel(k, 255)), 0) << k;
    EXPECT_EQ(s.e.level(0, 3), 0);
    EXPECT_EQ(s.e.level(1, 3), 4);
}
