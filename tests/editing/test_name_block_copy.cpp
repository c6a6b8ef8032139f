// One block of the name block copy on the show memory and the colour tables.
#include <gtest/gtest.h>

#include <memory>

#include "editing/NameBlockCopy.h"
#include "files/ChannelNames.h"

using namespace korvanel;

namespace {

NameBytes nameOf(const Engine &e, std::size_t channel)
{
    NameBytes b{};
    e.SceneMemory.copyTo(b, nameOffset(channel));
    return b;
}

TEST(NameBlockCopy, BlockThatWouldPassChannel255ChangesNothing)
{
    auto e = std::make_unique<Engine>();
    for (std::size_t c = 1; c <= 6; ++c)
        SaveEdit(*e, c, padName("Spot"));
    EXPECT_TRUE(nameBlockFits({1, 6, 250}));
    EXPECT_FALSE(nameBlockFits({1, 6, 251}));
    EXPECT_FALSE(copyNameBlock(*e, {1, 6, 251}, {}));
    EXPECT_EQ(nameOf(*e, 251), NameBytes{});
    EXPECT_EQ(e->colors.SplitColorRed[251], 0);
    EXPECT_EQ(e->SceneMemory.get(StaticOffset), 0) << "nothing beyond the names region";

    ASSERT_TRUE(copyNameBlock(*e, {1, 6, 250}, {.repetition = 2, .numberPlus = false, .markFirst = false}));
    EXPECT_EQ(nameOf(*e, 255), padName("Spot"));
    EXPECT_EQ(e->colors.SplitColorGreen[255], NameCopyGreyEven);
    EXPECT_EQ(e->SceneMemory.get(StaticOffset), 0);
}

TEST(NameBlockCopy, OverlappingTargetRepeatsTheFirstNamesUpwards)
{
    auto e = std::make_unique<Engine>();
    SaveEdit(*e, 1, padName("A"));
    SaveEdit(*e, 2, padName("B"));
    SaveEdit(*e, 3, padName("C"));
    e->colors.GraphHint[1] = 11;
    e->colors.GraphHint[2] = 22;
    ASSERT_TRUE(copyNameBlock(*e, {1, 3, 2}, {.numberPlus = false, .markFirst = false}));
    // Byte by byte upwards: slot 2 takes A, then slot 3 takes the new slot 2.
    EXPECT_EQ(nameOf(*e, 2), padName("A"));
    EXPECT_EQ(nameOf(*e, 3), padName("A"));
    EXPECT_EQ(nameOf(*e, 4), padName("A"));
    EXPECT_EQ(e->colors.GraphHint[4], 11);
}

TEST(NameBlockCopy, FirstCharacterIsTheDigitTakenAsAByte)
{
    auto e = std::make_unique<Engine>();
    SaveEdit(*e, 5, padName("Pan"));
    copyNameBlock(*e, {5, 5, 9}, {.firstDigit = 12});
    EXPECT_EQ(nameOf(*e, 9)[0], '<') << "48 + 12";
    copyNameBlock(*e, {5, 5, 10}, {.firstDigit = 250});
    EXPECT_EQ(nameOf(*e, 10)[0], static_cast<std::uint8_t>(48 + 250 - 256));
    EXPECT_EQ(nameOf(*e, 10)[1], 'a');
}

} // namespace
