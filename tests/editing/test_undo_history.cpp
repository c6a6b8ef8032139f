#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/Engine.h"
#include "editing/SceneOperations.h"
#include "editing/Undo.h"

using namespace korvanel;

namespace {

UndoHistory::Image bytesOf(const Engine &e)
{
    UndoHistory::Image bytes;
    e.SceneMemory.copyTo(bytes);
    return bytes;
}

} // namespace

TEST(UndoHistory, TenSceneOperationsUndoneOneByOneAndRedoneRestoreEachState)
{
    auto owner = std::make_unique<Engine>();
    Engine &e = *owner;
    initialiseAtStart(e);
    ClearAll(e);
    for (std::size_t c = 1; c <= 9; ++c)
        e.SceneMemory.set(sceneByte(0, c), static_cast<std::uint8_t>(c * 10));

    std::vector<UndoHistory::Image> states{bytesOf(e)};
    const std::function<EditOutcome(Engine &)> operations[] = {insertScene, copyPreviousScene, replaceWithBuffer,
                                                               clearScene, deleteScene};
    ASSERT_TRUE(copySceneToBuffer(e).done);
    for (int i = 0; i < 10; ++i) {
        const EditOutcome outcome = operations[i % 5](e);
        ASSERT_TRUE(outcome.done) << i;
        e.SceneMemory.set(sceneByte(e.currentScene(), 1 + i), static_cast<std::uint8_t>(200 + i));
        states.push_back(bytesOf(e));
    }
    // The edit after each operation is part of the state its undo leaves.
    for (int i = 10; i > 0; --i) {
        ASSERT_TRUE(canUndo(e)) << i;
        FromMemoryUndo(e);
        const UndoHistory::Image now = bytesOf(e);
        UndoHistory::Image expected = states[static_cast<std::size_t>(i - 1)];
        EXPECT_TRUE(now == expected) << "undo " << 11 - i;
    }
    EXPECT_FALSE(canUndo(e));
    for (int i = 1; i <= 10; ++i) {
        ASSERT_TRUE(RedoMemory(e)) << i;
        EXPECT_TRUE(bytesOf(e) == states[static_cast<std::size_t>(i)]) << "redo " << i;
    }
    EXPECT_FALSE(canRedo(e));
    EXPECT_FALSE(RedoMemory(e));

    // A new copy ends what could be redone; a load clears everything.
    FromMemoryUndo(e);
    EXPECT_TRUE(canRedo(e));
    ToMemoryUndo(e);
    EXPECT_FALSE(canRedo(e));
    ToMemoryUndo(e);
    FromMemoryUndo(e);
    FromMemoryUndo(e);
    EXPECT_TRUE(bytesOf(e) == states[8]) << "a second copy of the same state is no step of its own";
    ClearUndo(e);
    EXPECT_FALSE(canUndo(e));
}

TEST(UndoHistory, SixtyFourStepsAreKeptAndTheOldestGoFirst)
{
    auto owner = std::make_unique<Engine>();
    Engine &e = *owner;
    for (int i = 0; i < 70; ++i) {
        e.SceneMemory.set(sceneByte(0, 1), static_cast<std::uint8_t>(i));
        ToMemoryUndo(e);
    }
    e.SceneMemory.set(sceneByte(0, 1), 70);
    int undone = 0;
    while (canUndo(e)) {
        FromMemoryUndo(e);
        ++undone;
    }
    EXPECT_EQ(undone, 64);
    EXPECT_EQ(e.SceneMemory.get(sceneByte(0, 1)), 6) << "copies 0..5 were the oldest";
}
