#include <gtest/gtest.h>

#include <memory>

#include "playback/HandScan.h"

using namespace korvanel;

TEST(HandScanPairs, Channel255KeepsItsYInsideItsOwnRowInEveryScene)
{
    auto owner = std::make_unique<Engine>();
    Engine &e = *owner;
    e.setSys(SysCurrentScene, 255);
    e.SceneMemory.set(selectionByte(255), 1);
    e.SceneMemory.set(SpareOffset, 1); // the byte after the selection row is no partner
    EXPECT_FALSE(writeHandScanPairs(e, {30, 40}, true));
    EXPECT_EQ(e.SceneMemory.get(SpareOffset), 1);
    EXPECT_EQ(e.level(255, 255), 30);
    EXPECT_EQ(e.level(255, 0), 40);
    EXPECT_EQ(handScanYByte(3, 255), sceneByte(3, 0));
    EXPECT_EQ(handScanYByte(3, 254), sceneByte(3, 255));
}
