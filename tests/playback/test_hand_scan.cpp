#include <gtest/gtest.h>

#include <memory>

#include "playback/HandScan.h"

using namespace korvanel;

TEST(HandScanLevels, CornersInversionsSwapAndClamping)
{
    auto levels = [](int x, int y, bool ix, bool iy, bool swap) {
        const PadLevels l = padLevels(x, y, ix, iy, swap);
        return std::pair<int, int>(l.x, l.y);
    };
    EXPECT_EQ(levels(0, 0, false, false, false), std::make_pair(0, 255));
    EXPECT_EQ(levels(255, 255, false, false, false), std::make_pair(255, 0));
    EXPECT_EQ(levels(0, 0, true, true, false), std::make_pair(255, 0));
    EXPECT_EQ(levels(10, 0, false, false, true), std::make_pair(255, 10));
    EXPECT_EQ(levels(-40, 900, false, false, false), std::make_pair(0, 0));
    EXPECT_EQ(levels(300, -5, false, false, false), std::make_pair(255, 255));
}

TEST(HandScanPairs, PartnerIsDeselectedAndEachPairTakesXAndY)
{
    auto owner = std::make_unique<Engine>();
    Engine &e = *owner;
    e.setSys(SysCurrentScene, 4);
    for (std::size_t c : {10, 11, 20})
        e.SceneMemory.set(selectionByte(c), 1);

    EXPECT_TRUE(writeHandScanPairs(e, {100, 200}, true));
    EXPECT_EQ(e.SceneMemory.get(selectionByte(11)), 0);
    EXPECT_EQ(e.SceneMemory.get(selectionByte(10)), 1);
    EXPECT_EQ(e.level(4, 10), 100);
    EXPECT_EQ(e.level(4, 11), 200);
    EXPECT_EQ(e.level(4, 20), 100);
    EXPECT_EQ(e.level(4, 21), 200);
    EXPECT_EQ(e.level(4, 12), 0);
    EXPECT_EQ(e.SceneBase.load(), static_cast<std::int32_t>(sceneRow(4)));

    EXPECT_FALSE(writeHandScanPairs(e, {1, 2}, false)) << "nothing left to deselect";
    EXPECT_EQ(e.level(4, 10), 100) << "while playing the scene is not written";
}

TEST(HandScanPairs, Channel255KeepsItsYInsideItsOwnRow)
{
    auto owner = std::make_unique<Engine>();
    Engine &e = *owner;
    e.setSys(SysCurrentScene, 255);
    e.SceneMemory.set(selectionByte(255), 1);
    e.SceneMemory.set(SpareOffset, 1);   // the byte after the selection row is no partner
    EXPECT_FALSE(writeHandScanPairs(e, {30, 40}, true));
    EXPECT_EQ(e.SceneMemory.get(SpareOffset), 1);
    EXPECT_EQ(e.level(255, 255), 30);
    EXPECT_EQ(e.level(255, 0), 40);
    EXPECT_EQ(handScanYByte(3, 255), sceneByte(3, 0));
    EXPECT_EQ(handScanYByte(3, 254), sceneByte(3, 255));
}
