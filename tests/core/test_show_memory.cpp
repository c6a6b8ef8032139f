#include <gtest/gtest.h>

#include <memory>

#include "core/Engine.h"
#include "files/ShowHeader.h"

using namespace korvanel;

namespace {

std::unique_ptr<Engine> makeEngine() { return std::make_unique<Engine>(); }

void fillAll(Engine &e, std::uint8_t value) { e.SceneMemory.fill(value); }

} // namespace

TEST(ShowLayout, RaschetAdrPointsAtTheSceneRow)
{
    auto e = makeEngine();
    RaschetAdr(*e, 0);
    EXPECT_EQ(e->SceneBase.load(), 16384);
    RaschetAdr(*e, 255);
    EXPECT_EQ(e->SceneBase.load(), 16384 + 255 * 256);
    EXPECT_EQ(e->SceneBase.load() + 255, 81919);
}

TEST(ClearAll, SetsTheValuesOfANewShowAndKeepsNamesAndSpareSettings)
{
    auto e = makeEngine();
    fillAll(*e, 0x5A);
    e->PasteBuffer.fill(9);
    e->DmxOut.fill(77);
    store(e->PlayMode, 1);

    ClearAll(*e);

    EXPECT_EQ(e->sys(SysCurrentScene), 0);
    EXPECT_EQ(e->sys(SysLastScene), 1);
    EXPECT_EQ(e->sys(SysTempo), 44);
    EXPECT_EQ(e->sys(SysColorLock), 1);
    EXPECT_EQ(e->sys(SysRed), 190);
    EXPECT_EQ(e->sys(SysGreen), 197);
    EXPECT_EQ(e->sys(SysBlue), 190);
    EXPECT_EQ(load(e->PlayMode), 0);
    for (std::size_t i = 0; i < ShowHeaderSize; ++i)
        ASSERT_EQ(e->SceneMemory.get(i), ShowHeader[i]) << i;
    for (std::size_t c = 0; c < 256; ++c)
        ASSERT_EQ(e->SceneMemory.get(rateByte(c)), 255) << c;
    for (std::size_t i = StaticOffset; i < SceneMemorySize; ++i)
        ASSERT_EQ(e->SceneMemory.get(i), 0) << i;
    for (std::size_t i = NamesOffset; i < StaticOffset; ++i)
        ASSERT_EQ(e->SceneMemory.get(i), 0x5A) << "names are kept " << i;
    // Settings a new show does not own pass from the old show.
    for (std::size_t pos :
         {SysRateLevel, SysAvtomat1Tempo, SysAvtomat1Channel, SysAvtomat2Dark, std::size_t{128}, std::size_t{255}})
        EXPECT_EQ(e->sys(pos), 0x5A) << pos;
    for (std::uint8_t b : e->PasteBuffer)
        ASSERT_EQ(b, 0);
    // A generator without levels gets a step that shows; one with levels keeps them.
    e->setSys(SysAvtomat1Bright, 0);
    e->setSys(SysAvtomat1Dark, 0);
    e->setSys(SysAvtomat2Bright, 0);
    e->setSys(SysAvtomat2Dark, 30);
    ClearAll(*e);
    EXPECT_EQ(e->sys(SysAvtomat1Bright), 255);
    EXPECT_EQ(e->sys(SysAvtomat1Dark), 0);
    EXPECT_EQ(e->sys(SysAvtomat2Bright), 0);
    EXPECT_EQ(e->sys(SysAvtomat2Dark), 30);
    for (std::size_t i = 0; i < 512; ++i)
        ASSERT_EQ(e->DmxOut.get(i), 0) << i;
    EXPECT_EQ(e->DmxOut.get(512), 77) << "slot 512 is outside the cleared range";
}

TEST(ClearAll, HeaderIsTextThenContactThenZeros)
{
    for (std::size_t i = 0; i < 98; ++i)
        EXPECT_NE(ShowHeader[i], 0) << i;
    for (std::size_t i = 98; i < ShowHeaderSize; ++i)
        EXPECT_EQ(ShowHeader[i], 0) << i;
}

TEST(StartUp, IdentityRecodingEmptyNamesAndGeneratorTempos)
{
    auto e = makeEngine();
    fillAll(*e, 3);
    initialiseAtStart(*e);
    EXPECT_EQ(e->CoderTable.get(0), 0);
    for (std::uint16_t i = 1; i < DmxFrameSize; ++i)
        ASSERT_EQ(e->CoderTable.get(i), i);
    for (std::size_t i = NamesOffset; i < StaticOffset; ++i)
        ASSERT_EQ(e->SceneMemory.get(i), 0);
    EXPECT_EQ(e->sys(SysAvtomat1Tempo), 50);
    EXPECT_EQ(e->sys(SysAvtomat2Tempo), 50);
    EXPECT_EQ(e->sys(SysTempo), 3) << "the show itself is cleared separately";
}
