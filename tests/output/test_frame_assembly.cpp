#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "core/Engine.h"
#include "output/FrameAssembly.h"

using namespace korvanel;

namespace {

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        initialiseAtStart(e);
        ClearAll(e);
    }

    void level(std::size_t scene, std::size_t channel, std::uint8_t value)
    {
        e.SceneMemory.set(sceneByte(scene, channel), value);
    }
    void picture(std::size_t k, std::size_t channel, std::uint8_t value, std::uint8_t flag = 1)
    {
        e.SceneMemory.set(pictureFlag(k, channel), flag);
        e.SceneMemory.set(pictureLevel(k, channel), value);
    }
    std::uint8_t out(std::size_t slot) const { return e.DmxOut.get(slot); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            buildFrame(e);
    }

    std::unique_ptr<Engine> owner = std::make_unique<Engine>();
    Engine &e = *owner;
};

} // namespace

TEST_F(Frame, FaderModeFollowsTheCurrentSceneAtEachChannelsRate)
{
    level(0, 1, 200);
    level(0, 2, 255);
    e.SceneMemory.set(rateByte(1), 8);
    e.SceneMemory.set(rateByte(2), 0);
    ticks(1);
    EXPECT_EQ(out(1), 8);
    EXPECT_EQ(out(2), 0) << "rate 0 never moves";
    EXPECT_EQ(e.FadeTarget.get(1), 200);
    ticks(24);
    EXPECT_EQ(out(1), 200);
    ticks(10);
    EXPECT_EQ(out(1), 200);
    EXPECT_EQ(out(2), 0);
}

TEST_F(Frame, CurrentSceneChangeIsSentByTheNextTickWithoutOtherCalls)
{
    level(0, 5, 10);
    level(7, 5, 99);
    ticks(1);
    EXPECT_EQ(out(5), 10);
    e.setSys(SysCurrentScene, 7);
    ticks(1);
    EXPECT_EQ(out(5), 99);
    EXPECT_EQ(e.SceneBase.load(), static_cast<int>(sceneRow(7)));
}

TEST_F(Frame, AutomaticModeJumpsWhileStoppedAndCrossfadesWhilePlaying)
{
    store(e.live.fadeMode, 1);
    e.SceneMemory.set(rateByte(3), 1);
    level(0, 3, 100);
    ticks(1);
    EXPECT_EQ(out(3), 100) << "stopped: like mode Off, the rate row is ignored";

    store(e.PlayMode, 1);
    e.CrossfadeStep.set(3, 30);
    level(0, 3, 0);
    ticks(1);
    EXPECT_EQ(out(3), 70);
    ticks(3);
    EXPECT_EQ(out(3), 0);

    store(e.live.fadeMode, 2);
    level(0, 3, 180);
    ticks(1);
    EXPECT_EQ(out(3), 180) << "mode Off copies at once even while playing";
}

TEST_F(Frame, LaterPictureWinsAndOnlyFlagOneCounts)
{
    picture(0, 10, 50);
    picture(9, 10, 60);    // Z, later in the order
    picture(3, 11, 70, 2); // flag other than 1 is not a member
    e.live.pictures.set(0, 1);
    e.live.pictures.set(9, 1);
    e.live.pictures.set(3, 1);
    ticks(1);
    EXPECT_EQ(out(10), 60);
    EXPECT_EQ(out(11), 0);
    e.live.pictures.set(9, 0);
    ticks(1);
    EXPECT_EQ(out(10), 50);
}

TEST_F(Frame, ManualFadersOverrideOnlyCheckedRowsOfTheVisiblePage)
{
    level(0, 228 + 27, 5);
    store(e.FaderPageOffset, 228);
    e.live.faderPosition.set(27, 222);
    e.live.faderChecked.set(27, 1);
    e.live.faderPosition.set(1, 111); // unchecked row
    ticks(1);
    EXPECT_EQ(out(255), 5) << "manual switch off";
    store(e.live.manual, 1);
    ticks(1);
    EXPECT_EQ(out(255), 222);
    EXPECT_EQ(out(229), 0);
}

TEST_F(Frame, ManualIsLaidAfterPictures)
{
    picture(0, 3, 90);
    e.live.pictures.set(0, 1);
    store(e.live.manual, 1);
    e.live.faderChecked.set(3, 1);
    e.live.faderPosition.set(3, 33);
    ticks(1);
    EXPECT_EQ(out(3), 33);
}

TEST_F(Frame, HandScanWritesXAndYOnSelectedPairs)
{
    e.SceneMemory.set(selectionByte(10), 1);
    e.SceneMemory.set(selectionByte(11), 1);
    e.SceneMemory.set(selectionByte(255), 1);
    e.SceneMemory.set(selectionByte(20), 2); // not a selection
    store(e.live.HandScanX, 40);
    store(e.live.HandScanY, 200);
    ticks(1);
    EXPECT_EQ(out(10), 0) << "pad off";
    store(e.live.HandScanActive, 1);
    ticks(1);
    EXPECT_EQ(out(10), 40);
    EXPECT_EQ(out(11), 40) << "of two adjacent selected channels the second gets X";
    EXPECT_EQ(out(12), 200);
    EXPECT_EQ(out(255), 40);
    EXPECT_EQ(out(256), 200) << "channel 255 puts Y on slot 256";
    EXPECT_EQ(out(20), 0);
    EXPECT_EQ(out(21), 0);
}

TEST_F(Frame, BlackoutDarkensEverythingAndMacrosShowsOnlyPictureM)
{
    level(0, 1, 255);
    picture(0, 2, 100);
    picture(MacrosPicture, 4, 150);
    e.live.pictures.set(0, 1);
    store(e.live.manual, 1);
    e.live.faderChecked.set(3, 1);
    e.live.faderPosition.set(3, 77);
    store(e.live.blackout, 1);
    ticks(1);
    for (std::size_t c = 0; c < MixedSlots; ++c)
        ASSERT_EQ(out(c), 0) << c;

    store(e.live.macrosDown, 1);
    ticks(1);
    EXPECT_EQ(out(4), 150) << "picture M even with its own box off";
    EXPECT_EQ(out(1), 0);
    EXPECT_EQ(out(2), 0);
    EXPECT_EQ(out(3), 0);
}

TEST_F(Frame, BlackoutReleasedFadesBackUpAtTheChannelsRate)
{
    level(0, 9, 200);
    e.SceneMemory.set(rateByte(9), 8);
    ticks(30);
    ASSERT_EQ(out(9), 200);
    store(e.live.blackout, 1);
    ticks(1);
    ASSERT_EQ(out(9), 0);
    store(e.live.blackout, 0);
    for (int t = 1; t <= 25; ++t) {
        ticks(1);
        ASSERT_EQ(out(9), std::min(200, 8 * t)) << t;
    }
}

TEST_F(Frame, GeneratorTwoWinsOverGeneratorOneAndPicturesWinOverBoth)
{
    e.live.avtomatChannel.set(0, 10);
    e.live.avtomatChannel.set(1, 12);
    for (std::size_t i = 0; i < 4; ++i) {
        e.Avtomat1Out.set(i, static_cast<std::uint8_t>(10 + i));
        e.Avtomat2Out.set(i, static_cast<std::uint8_t>(20 + i));
    }
    store(e.Avtomat1Running, 1);
    ticks(1);
    EXPECT_EQ(out(11), 10);
    EXPECT_EQ(out(14), 13);
    store(e.Avtomat2Running, 1);
    ticks(1);
    EXPECT_EQ(out(11), 10);
    EXPECT_EQ(out(12), 11);
    EXPECT_EQ(out(13), 20);
    EXPECT_EQ(out(14), 21);
    EXPECT_EQ(out(16), 23);
    picture(1, 13, 99);
    e.live.pictures.set(1, 1);
    ticks(1);
    EXPECT_EQ(out(13), 99);
}

TEST_F(Frame, GeneratorAtTheLastChannelStaysInsideTheMixedSlots)
{
    e.live.avtomatChannel.set(0, 255); // a stale byte past the slider's end
    e.Avtomat1Out.set(3, 44);
    store(e.Avtomat1Running, 1);
    ticks(1);
    EXPECT_EQ(out(254), 44);
    EXPECT_EQ(out(256), 0);
}

TEST_F(Frame, RecodingMovesSourcesAndSendsZeroPastTheMixedSlots)
{
    level(0, 5, 50);
    level(0, 7, 70);
    e.CoderTable.set(5, 7);
    ticks(1);
    EXPECT_EQ(out(5), 70) << "slot 5 carries channel 7";
    EXPECT_EQ(out(7), 70) << "channel 7 keeps its own value";

    e.CoderTable.set(8, 300);
    e.CoderTable.set(9, 65535);
    e.CoderTable.set(10, 256);
    level(0, 8, 1);
    level(0, 9, 1);
    level(0, 10, 1);
    ticks(1);
    EXPECT_EQ(out(8), 0);
    EXPECT_EQ(out(9), 0);
    EXPECT_EQ(out(10), 0);
}

TEST_F(Frame, SwappedSlotsStaySteadyAtRate255)
{
    level(0, 1, 11);
    level(0, 5, 55);
    e.CoderTable.set(1, 5);
    e.CoderTable.set(5, 1);
    for (int t = 0; t < 6; ++t) {
        ticks(1);
        ASSERT_EQ(out(1), 55) << t;
        ASSERT_EQ(out(5), 11) << t;
    }
}

TEST_F(Frame, StartCodeStaysZeroWhateverTheOverlays)
{
    picture(0, 0, 99);
    e.live.pictures.set(0, 1);
    e.SceneMemory.set(selectionByte(0), 1);
    store(e.live.HandScanActive, 1);
    store(e.live.HandScanX, 123);
    e.CoderTable.set(0, 3);
    level(0, 3, 33);
    ticks(1);
    EXPECT_EQ(out(0), 0);
    EXPECT_EQ(out(1), 0) << "Y of the selected slot 0";
}

TEST_F(Frame, TheGrandMasterScalesEverySlotAfterTheRecodingAndAtFullChangesNothing)
{
    e.live.fadeMode.store(static_cast<std::uint8_t>(FadeMode::Off), std::memory_order_relaxed);
    for (std::size_t c = 1; c <= ChannelCount; ++c)
        level(0, c, static_cast<std::uint8_t>(c));
    level(0, 200, 255);
    e.CoderTable.set(3, 200); // slot 3 shows channel 200
    ticks(1);
    std::array<std::uint8_t, DmxFrameSize> full{};
    for (std::size_t i = 0; i < DmxFrameSize; ++i)
        full[i] = out(i);
    ASSERT_EQ(out(3), 255);

    e.live.grandMaster.store(50, std::memory_order_relaxed);
    ticks(1);
    for (std::size_t i = 1; i < DmxFrameSize; ++i)
        EXPECT_EQ(out(i), (full[i] + 1) / 2) << "slot " << i << ": half, rounded half up";
    EXPECT_EQ(out(3), 128);
    EXPECT_EQ(out(0), 0) << "the start code";

    e.live.blackout.store(1, std::memory_order_relaxed);
    ticks(1);
    EXPECT_EQ(out(3), 0) << "the blackout stays on top";
    e.live.blackout.store(0, std::memory_order_relaxed);
    e.live.grandMaster.store(0, std::memory_order_relaxed);
    ticks(1);
    EXPECT_EQ(out(200), 0);

    e.live.grandMaster.store(100, std::memory_order_relaxed);
    ticks(1);
    for (std::size_t i = 0; i < DmxFrameSize; ++i)
        ASSERT_EQ(out(i), full[i]) << "at full, byte for byte the frame without a master: slot " << i;
}
