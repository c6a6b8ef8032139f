// Scene commands, the paste buffer, undo and the step slider's auto-add.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "core/Engine.h"
#include "editing/SceneAccess.h"
#include "editing/SceneOperations.h"
#include "editing/Undo.h"

using namespace korvanel;

namespace {

std::uint8_t mark(std::size_t scene, std::size_t channel)
{
    return static_cast<std::uint8_t>(scene * 7 + channel * 3 + 1);
}

// Every scene row holds its own recognisable bytes, byte 0 included.
std::unique_ptr<Engine> markedShow(std::uint8_t current, std::uint8_t last)
{
    auto e = std::make_unique<Engine>();
    ClearAll(*e);
    for (std::size_t s = 0; s < SceneCount; ++s)
        for (std::size_t c = 0; c < RowSize; ++c)
            e->SceneMemory.set(sceneByte(s, c), mark(s, c));
    e->setSys(SysCurrentScene, current);
    e->setSys(SysLastScene, last);
    return e;
}

std::vector<std::uint8_t> row(const Engine &e, std::size_t scene)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t c = 0; c < RowSize; ++c)
        bytes.push_back(e.level(scene, c));
    return bytes;
}

std::vector<std::uint8_t> markedRow(std::size_t scene)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t c = 0; c < RowSize; ++c)
        bytes.push_back(mark(scene, c));
    return bytes;
}

std::vector<std::uint8_t> memory(const Engine &e)
{
    std::vector<std::uint8_t> bytes(SceneMemorySize);
    e.SceneMemory.copyTo(bytes);
    return bytes;
}

} // namespace

TEST(ScenePrimitives, WritesClampAndReadsBack)
{
    Engine e;
    const std::pair<std::int32_t, std::uint8_t> cases[] = {{-1, 0},    {INT_MIN, 0}, {0, 0},     {128, 128},
                                                           {255, 255}, {256, 255},   {300, 255}, {INT_MAX, 255}};
    for (const auto &[value, stored] : cases) {
        DataWrite(e, 200, 255, value);
        EXPECT_EQ(DataRead(e, 200, 255), stored) << value;
        EXPECT_EQ(e.SceneMemory.get(sceneByte(200, 255)), stored);
    }
    EXPECT_EQ(e.SceneMemory.get(sceneByte(201, 0)), 0) << "the next row stays untouched";
}

TEST(ScenePrimitives, XYWritesThePairAfterTheSliderPosition)
{
    Engine e;
    DataWriteXY(e, 3, 0, -5, 999);
    EXPECT_EQ(e.level(3, 1), 0);
    EXPECT_EQ(e.level(3, 2), 255);
    EXPECT_EQ(e.level(3, 0), 0);

    DataWriteXY(e, 255, 253, 10, 20);
    EXPECT_EQ(e.level(255, 254), 10);
    EXPECT_EQ(e.level(255, 255), 20);

    // Past the slider's range nothing leaves the row, not even at the last scene.
    DataWriteXY(e, 254, 254, 30, 40);
    EXPECT_EQ(e.level(254, 255), 30);
    EXPECT_EQ(e.level(255, 0), 0);
    DataWriteXY(e, 255, 255, 50, 60);
    EXPECT_EQ(e.level(255, 0), 0);
    EXPECT_EQ(e.level(255, 1), 0);
}

TEST(NewScene, InsertsADuplicateOfTheCurrentSceneAfterIt)
{
    auto e = markedShow(3, 5);
    const auto result = insertScene(*e);
    EXPECT_TRUE(result.done);
    EXPECT_EQ(result.snapshots, 1);
    EXPECT_EQ(e->currentScene(), 4);
    EXPECT_EQ(e->sys(SysLastScene), 6);

    std::vector<std::uint8_t> duplicate = markedRow(3);
    duplicate[0] = mark(4, 0); // byte 0 of the new row keeps its old value
    EXPECT_EQ(row(*e, 4), duplicate);
    EXPECT_EQ(row(*e, 3), markedRow(3));
    EXPECT_EQ(row(*e, 5), markedRow(4));
    EXPECT_EQ(row(*e, 6), markedRow(5));
    EXPECT_EQ(row(*e, 255), markedRow(254));
    // The snapshot is the show before the insertion.
    EXPECT_EQ(e->UndoMemory[SysCurrentScene], 3);
    EXPECT_EQ(e->UndoMemory[sceneByte(4, 9)], mark(4, 9));
}

TEST(NewScene, AtTheEndOfTheMemoryLosesScene255AndKeepsTheLastScene)
{
    auto e = markedShow(100, 255);
    ASSERT_TRUE(insertScene(*e).done);
    EXPECT_EQ(e->currentScene(), 101);
    EXPECT_EQ(e->sys(SysLastScene), 255);
    EXPECT_EQ(row(*e, 255), markedRow(254));

    auto top = markedShow(255, 255);
    const auto before = memory(*top);
    const auto result = insertScene(*top);
    EXPECT_TRUE(result.done);
    EXPECT_EQ(result.snapshots, 1);
    EXPECT_EQ(memory(*top), before);
}

TEST(DeleteScene, FirstSceneOfAOneSceneShow)
{
    auto e = markedShow(0, 0);
    EXPECT_TRUE(deleteScene(*e).done);
    EXPECT_EQ(row(*e, 0), markedRow(1));
    EXPECT_EQ(row(*e, 254), markedRow(255));
    EXPECT_EQ(row(*e, 255), std::vector<std::uint8_t>(RowSize, 0));
    EXPECT_EQ(e->currentScene(), 0);
    EXPECT_EQ(e->sys(SysLastScene), 0);
}

TEST(DeleteScene, LastSceneMakesTheOneBeforeCurrent)
{
    auto e = markedShow(5, 5);
    ASSERT_TRUE(deleteScene(*e).done);
    EXPECT_EQ(e->currentScene(), 4);
    EXPECT_EQ(e->sys(SysLastScene), 4);
    EXPECT_EQ(row(*e, 4), markedRow(4));
    EXPECT_EQ(row(*e, 5), markedRow(6));

    auto middle = markedShow(2, 5);
    ASSERT_TRUE(deleteScene(*middle).done);
    EXPECT_EQ(middle->currentScene(), 2);
    EXPECT_EQ(middle->sys(SysLastScene), 4);
    EXPECT_EQ(row(*middle, 2), markedRow(3));
    EXPECT_EQ(row(*middle, 1), markedRow(1));
}

TEST(ClearAndCopyPrevious, WorkOnTheWholeCurrentRow)
{
    auto e = markedShow(7, 9);
    ASSERT_TRUE(clearScene(*e).done);
    EXPECT_EQ(row(*e, 7), std::vector<std::uint8_t>(RowSize, 0));
    EXPECT_EQ(row(*e, 8), markedRow(8));

    ASSERT_TRUE(copyPreviousScene(*e).done);
    EXPECT_EQ(row(*e, 7), markedRow(6));
    EXPECT_EQ(e->UndoMemory[sceneByte(7, 0)], 0) << "snapshot taken before the copy";
}

TEST(ClearAndCopyPrevious, CopyPreviousAtSceneZeroOnlyRenewsTheSnapshot)
{
    auto e = markedShow(0, 3);
    e->UndoMemory.fill(0xAA);
    const auto before = memory(*e);
    const auto result = copyPreviousScene(*e);
    EXPECT_TRUE(result.done);
    EXPECT_EQ(result.snapshots, 1);
    EXPECT_EQ(memory(*e), before);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), e->UndoMemory.begin()));
}

TEST(PasteBuffer, CopyAndReplaceCarryAllBytesOfTheRow)
{
    auto e = markedShow(10, 20);
    const auto copied = copySceneToBuffer(*e);
    EXPECT_TRUE(copied.done);
    EXPECT_EQ(copied.snapshots, 0);
    e->setSys(SysCurrentScene, 15);
    const auto replaced = replaceWithBuffer(*e);
    EXPECT_EQ(replaced.snapshots, 2);
    EXPECT_EQ(row(*e, 15), markedRow(10));
    EXPECT_EQ(e->UndoMemory[sceneByte(15, 0)], mark(15, 0));
}

TEST(PasteBuffer, UndoAfterNewAndPasteKeepsTheInsertedDuplicate)
{
    auto e = markedShow(10, 20);
    ASSERT_TRUE(copySceneToBuffer(*e).done);
    e->setSys(SysCurrentScene, 3);
    const auto result = insertSceneAndPaste(*e);
    EXPECT_TRUE(result.done);
    EXPECT_EQ(result.snapshots, 2);
    EXPECT_EQ(e->currentScene(), 4);
    EXPECT_EQ(e->sys(SysLastScene), 21);
    EXPECT_EQ(row(*e, 4), markedRow(10));
    EXPECT_EQ(row(*e, 5), markedRow(4));

    FromMemoryUndo(*e);
    // Back to the state with the inserted scene: current 4, last 21, scene 4 a copy of scene 3.
    EXPECT_EQ(e->currentScene(), 4);
    EXPECT_EQ(e->sys(SysLastScene), 21);
    auto duplicate = markedRow(3);
    duplicate[0] = mark(4, 0);
    EXPECT_EQ(row(*e, 4), duplicate);
    EXPECT_EQ(row(*e, 5), markedRow(4));
}

TEST(PlaybackLock, RefusedCommandsChangeNothing)
{
    auto e = markedShow(4, 8);
    store(e->PlayMode, 1);
    e->UndoMemory.fill(0x11);
    e->PasteBuffer.fill(0x22);
    const auto before = memory(*e);
    for (auto command : {insertScene, deleteScene, clearScene, copyPreviousScene, copySceneToBuffer, replaceWithBuffer,
                         insertSceneAndPaste}) {
        const auto result = command(*e);
        EXPECT_FALSE(result.done);
        EXPECT_EQ(result.snapshots, 0);
    }
    EXPECT_FALSE(stepToScene(*e, 1, true).moved);
    EXPECT_EQ(memory(*e), before);
    EXPECT_EQ(e->UndoMemory[0], 0x11);
    EXPECT_EQ(e->PasteBuffer[0], 0x22);
}

TEST(StepToScene, PastTheEndWithAutoAddAppendsACopyOfTheLastScene)
{
    auto e = markedShow(0, 5);
    auto result = stepToScene(*e, 6, true);
    EXPECT_TRUE(result.moved);
    EXPECT_TRUE(result.appended);
    EXPECT_EQ(e->currentScene(), 6);
    EXPECT_EQ(e->sys(SysLastScene), 6);
    EXPECT_EQ(row(*e, 6), markedRow(5));

    result = stepToScene(*e, 3, true);
    EXPECT_FALSE(result.appended);
    EXPECT_EQ(e->currentScene(), 3);
    EXPECT_EQ(e->sys(SysLastScene), 6);
}

TEST(StepToScene, WithoutAutoAddTheCurrentSceneStandsPastTheShow)
{
    auto e = markedShow(0, 5);
    const auto result = stepToScene(*e, 6, false);
    EXPECT_FALSE(result.appended);
    EXPECT_EQ(e->currentScene(), 6);
    EXPECT_EQ(e->sys(SysLastScene), 5);
    EXPECT_EQ(row(*e, 6), markedRow(6));
}

TEST(StepToScene, AutoAddReachesScene255AndNoFurther)
{
    auto e = markedShow(254, 254);
    EXPECT_TRUE(stepToScene(*e, 255, true).appended);
    EXPECT_EQ(e->sys(SysLastScene), 255);
    EXPECT_EQ(row(*e, 255), markedRow(254));
    // A slider left one further cannot wrap the byte round to scene 0.
    const auto result = stepToScene(*e, 256, true);
    EXPECT_FALSE(result.appended);
    EXPECT_EQ(e->currentScene(), 255);
}
