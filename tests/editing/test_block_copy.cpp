// Block copies of channel ranges and their limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "core/Engine.h"
#include "editing/BlockCopy.h"

using namespace korvanel;

namespace {

std::uint8_t mark(std::size_t scene, std::size_t channel) { return static_cast<std::uint8_t>(scene * 5 + channel); }

std::unique_ptr<Engine> markedShow(std::uint8_t current)
{
    auto e = std::make_unique<Engine>();
    ClearAll(*e);
    for (std::size_t s = 0; s < SceneCount; ++s)
        for (std::size_t c = 0; c < RowSize; ++c)
            e->SceneMemory.set(sceneByte(s, c), mark(s, c));
    e->setSys(SysCurrentScene, current);
    return e;
}

std::vector<std::uint8_t> memory(const Engine &e)
{
    std::vector<std::uint8_t> bytes(SceneMemorySize);
    e.SceneMemory.copyTo(bytes);
    return bytes;
}

std::vector<std::uint8_t> levels(const Engine &e, std::size_t scene, std::size_t from, std::size_t to)
{
    std::vector<std::uint8_t> out;
    for (std::size_t c = from; c <= to; ++c)
        out.push_back(e.level(scene, c));
    return out;
}

// Only the listed scenes differ from the marked show, and only in channels from..to.
void expectOnlyChanged(const Engine &e, const std::vector<std::size_t> &scenes, std::size_t from, std::size_t to)
{
    for (std::size_t s = 0; s < SceneCount; ++s) {
        const bool worked = std::find(scenes.begin(), scenes.end(), s) != scenes.end();
        for (std::size_t c = 0; c < RowSize; ++c) {
            if (worked && c >= from && c <= to)
                continue;
            ASSERT_EQ(e.level(s, c), mark(s, c)) << "scene " << s << " channel " << c;
        }
    }
}

} // namespace

TEST(BlockCopy, DestinationInsideTheBlockRepeatsItsHead)
{
    auto e = markedShow(9);
    EXPECT_EQ(copyChannelsInCurrentScene(*e, {1, 10, 5}), BlockCopyResult::Copied);
    const std::vector<std::uint8_t> expected = {mark(9, 1), mark(9, 2), mark(9, 3), mark(9, 4), mark(9, 1),
                                                mark(9, 2), mark(9, 3), mark(9, 4), mark(9, 1), mark(9, 2)};
    EXPECT_EQ(levels(*e, 9, 5, 14), expected);
    EXPECT_EQ(levels(*e, 9, 1, 4), (std::vector<std::uint8_t>{mark(9, 1), mark(9, 2), mark(9, 3), mark(9, 4)}));
    expectOnlyChanged(*e, {9}, 5, 14);
}

TEST(BlockCopy, DestinationBelowTheBlockCopiesItAsItWas)
{
    auto e = markedShow(0);
    ASSERT_EQ(copyChannelsInCurrentScene(*e, {5, 8, 3}), BlockCopyResult::Copied);
    EXPECT_EQ(levels(*e, 0, 3, 6), (std::vector<std::uint8_t>{mark(0, 5), mark(0, 6), mark(0, 7), mark(0, 8)}));
    expectOnlyChanged(*e, {0}, 3, 6);
}

TEST(BlockCopy, CurrentSceneLimitAllows256AndRefuses257)
{
    auto e = markedShow(30);
    EXPECT_EQ(copyChannelsInCurrentScene(*e, {1, 10, 247}), BlockCopyResult::Copied);
    EXPECT_EQ(e->level(30, 247), mark(30, 1));
    EXPECT_EQ(e->level(30, 255), mark(30, 9));
    // Channel 10's copy lands on byte 0 of the next row, which is never sent.
    EXPECT_EQ(e->level(31, 0), mark(30, 10));

    auto refused = markedShow(30);
    const auto before = memory(*refused);
    EXPECT_EQ(copyChannelsInCurrentScene(*refused, {1, 10, 248}), BlockCopyResult::TooManyChannels);
    EXPECT_EQ(memory(*refused), before);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), refused->UndoMemory.begin()))
        << "a refused copy still takes the snapshot";
}

TEST(BlockCopy, LastDestinationPastTheMemoryIsSkippedAtScene255)
{
    auto e = markedShow(255);
    EXPECT_EQ(copyChannelsInCurrentScene(*e, {1, 10, 247}), BlockCopyResult::Copied);
    EXPECT_EQ(levels(*e, 255, 247, 255), levels(*markedShow(0), 255, 1, 9));
    expectOnlyChanged(*e, {255}, 247, 255);

    auto wide = markedShow(0);
    EXPECT_EQ(copyChannelsInAllScenesWide(*wide, {1, 10, 247}), BlockCopyResult::Copied);
    for (std::size_t s = 0; s < SceneCount; ++s)
        ASSERT_EQ(wide->level(s, 255), mark(s, 9)) << s;
    for (std::size_t s = 1; s < SceneCount; ++s)
        ASSERT_EQ(wide->level(s, 0), mark(s - 1, 10)) << s;
    EXPECT_EQ(wide->level(0, 0), mark(0, 0));
}

TEST(BlockCopy, AllScenesGroupRefusesAlready256)
{
    auto e = markedShow(0);
    const auto before = memory(*e);
    EXPECT_EQ(copyChannelsInAllScenes(*e, {1, 10, 247}), BlockCopyResult::TooManyChannels);
    EXPECT_EQ(memory(*e), before);

    EXPECT_EQ(copyChannelsInAllScenes(*e, {1, 10, 246}), BlockCopyResult::Copied);
    std::vector<std::size_t> all;
    for (std::size_t s = 0; s < SceneCount; ++s) {
        all.push_back(s);
        ASSERT_EQ(e->level(s, 246), mark(s, 1));
        ASSERT_EQ(e->level(s, 255), mark(s, 10));
    }
    expectOnlyChanged(*e, all, 246, 255);
}

TEST(BlockCopy, SceneRangeWorksOnEachSceneWithinItself)
{
    auto e = markedShow(0);
    EXPECT_EQ(copyChannelsInSceneRange(*e, {1, 10, 11}, {1, 10, 11}), BlockCopyResult::Copied);
    std::vector<std::size_t> worked;
    for (std::size_t s = 12; s <= 21; ++s) {
        worked.push_back(s);
        ASSERT_EQ(levels(*e, s, 11, 20), levels(*markedShow(0), s, 1, 10)) << s;
    }
    expectOnlyChanged(*e, worked, 11, 20);
}

TEST(BlockCopy, SceneRangeLimits)
{
    auto e = markedShow(0);
    const auto before = memory(*e);
    // Channels are tested first, on last + dest.
    EXPECT_EQ(copyChannelsInSceneRange(*e, {1, 10, 247}, {1, 250, 11}), BlockCopyResult::TooManyChannels);
    EXPECT_EQ(copyChannelsInSceneRange(*e, {1, 10, 11}, {1, 250, 7}), BlockCopyResult::TooManyScenes);
    EXPECT_EQ(memory(*e), before);

    // 245 + 11 = 256 is allowed; scene 256 wraps to scene 0.
    EXPECT_EQ(copyChannelsInSceneRange(*e, {1, 2, 3}, {245, 245, 11}), BlockCopyResult::Copied);
    EXPECT_EQ(levels(*e, 0, 3, 4), (std::vector<std::uint8_t>{mark(0, 1), mark(0, 2)}));
    expectOnlyChanged(*e, {0}, 3, 4);

    // Channels 1..10 to 246: last + dest = 256, allowed, and the copy stays inside the row.
    auto top = markedShow(0);
    EXPECT_EQ(copyChannelsInSceneRange(*top, {1, 10, 246}, {244, 244, 11}), BlockCopyResult::Copied);
    expectOnlyChanged(*top, {255}, 246, 255);
}

TEST(BlockCopy, EmptyBlockCopiesNothingButTakesTheSnapshot)
{
    auto e = markedShow(3);
    e->UndoMemory.fill(0);
    const auto before = memory(*e);
    EXPECT_EQ(copyChannelsInCurrentScene(*e, {10, 5, 20}), BlockCopyResult::Copied);
    EXPECT_EQ(copyChannelsInSceneRange(*e, {1, 5, 20}, {10, 9, 1}), BlockCopyResult::Copied);
    EXPECT_EQ(memory(*e), before);
    EXPECT_EQ(e->UndoMemory[sceneByte(3, 1)], mark(3, 1));
}
