// Channel name bytes: the text-then-zeros form and the blank-to-zero sweep.
#include <gtest/gtest.h>

#include <cstring>

#include "core/Engine.h"
#include "files/ChannelNames.h"

using namespace korvanel;

namespace {

NameBytes bytesOf(const char (&text)[17])
{
    NameBytes b{};
    std::memcpy(b.data(), text, 16);
    return b;
}

NameBytes stored(const Engine &e, std::size_t channel)
{
    NameBytes b{};
    e.SceneMemory.copyTo(b, nameOffset(channel));
    return b;
}

} // namespace

TEST(ChannelNames, LoadTurnsZerosInsideIntoBlanksAndTrailingBlanksIntoZeros)
{
    Engine e;
    const NameBytes raw = {'S', 'p', 'o', 't', 0, 0, '1', ' ', ' ', 0, ' ', 0, 0, 0, 0, 0};
    SaveEdit(e, 7, raw);
    const NameBytes expected = {'S', 'p', 'o', 't', ' ', ' ', '1', 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(LoadEdit(e, 7), expected);
    EXPECT_EQ(stored(e, 7), expected) << "the normal form is written back";

    SaveEdit(e, 8, bytesOf("                "));
    EXPECT_EQ(LoadEdit(e, 8), NameBytes{});
    SaveEdit(e, 9, bytesOf("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(LoadEdit(e, 9), bytesOf("ABCDEFGHIJKLMNOP"));
}

TEST(ChannelNames, PadCutsAtSixteenAndFillsWithBlanks)
{
    EXPECT_EQ(padName("Pan"), bytesOf("Pan             "));
    EXPECT_EQ(padName("0123456789abcdefXYZ"), bytesOf("0123456789abcdef"));
    EXPECT_EQ(padName(""), bytesOf("                "));
}

TEST(ChannelNames, BlankSweepStopsAfterTheFirstByteOfChannel255)
{
    Engine e;
    for (std::size_t c = 0; c <= 255; ++c)
        SaveEdit(e, c, padName("A B"));
    e.SceneMemory.set(NamesOffset - 1, ' ');
    e.SceneMemory.set(StaticOffset, ' ');
    zeroNameBlanks(e);
    for (std::size_t c = 0; c <= 254; ++c)
        ASSERT_EQ(stored(e, c), (NameBytes{'A', 0, 'B'})) << c;
    SaveEdit(e, 255, padName(" B"));
    zeroNameBlanks(e);
    EXPECT_EQ(stored(e, 255)[0], 0);
    EXPECT_EQ(stored(e, 255)[1], 'B');
    EXPECT_EQ(stored(e, 255)[2], ' ');
    EXPECT_EQ(e.SceneMemory.get(NamesOffset - 1), ' ');
    EXPECT_EQ(e.SceneMemory.get(StaticOffset), ' ');
}
