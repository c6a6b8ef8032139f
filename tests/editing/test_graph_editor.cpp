#include <gtest/gtest.h>

#include <vector>

#include "editing/GraphEditor.h"
#include "editing/GraphZoom.h"

using namespace korvanel;

namespace {

std::vector<int> levels(const Engine &engine, int channel, int from, int to)
{
    std::vector<int> out;
    for (int s = from; s <= to; ++s)
        out.push_back(engine.level(static_cast<std::size_t>(s), static_cast<std::size_t>(channel)));
    return out;
}

void fill(Engine &engine, std::uint8_t value)
{
    for (std::size_t i = 0; i < SceneMemorySize; ++i)
        engine.SceneMemory.set(i, value);
}

} // namespace

TEST(GraphEditor, PointerGivesSceneAndLevel)
{
    EXPECT_EQ(graphLevelAt(0), 255);
    EXPECT_EQ(graphLevelAt(255), 0);
    EXPECT_EQ(graphLevelAt(300), 0) << "below the chart";
    EXPECT_EQ(graphLevelAt(-7), 255) << "above the chart";
    EXPECT_EQ(graphLevelAt(128), 127);

    // Zoom 3: columns 16 pixels wide, 32 scenes per block.
    const GraphView near = graphViewForZoom(3);
    EXPECT_EQ(graphSceneAt(near, 0, 0), 0);
    EXPECT_EQ(graphSceneAt(near, 0, 15), 0);
    EXPECT_EQ(graphSceneAt(near, 0, 16), 1);
    EXPECT_EQ(graphSceneAt(near, 7, 511), 255);
    EXPECT_EQ(graphSceneAt(near, 2, 100), 64 + 6);
    // Zoom 0: two pixels a scene.
    const GraphView whole = graphViewForZoom(0);
    EXPECT_EQ(graphSceneAt(whole, 0, 3), 1);
    EXPECT_EQ(graphSceneAt(whole, 0, 511), 255);
}

TEST(GraphEditor, DragOffTheChartStaysInTheView)
{
    const GraphView near = graphViewForZoom(3);
    // Past the right edge of the last block the scene would wrap to scene 0.
    EXPECT_EQ(graphSceneAt(near, 7, 600), 255);
    EXPECT_EQ(graphSceneAt(near, 3, -40), 96);
    EXPECT_EQ(graphSceneAt(near, 3, 2000), 127);
    // An area left over from a wider zoom is held to the blocks there are.
    EXPECT_EQ(graphSceneAt(graphViewForZoom(1), 7, 0), 128);
}

TEST(GraphEditor, ShownRangeAndAreaMaximumFollowTheZoom)
{
    const GraphRange all = graphShownScenes(graphViewForZoom(0), 0);
    EXPECT_EQ(all.first, 0);
    EXPECT_EQ(all.last, 255);
    EXPECT_EQ(graphAreaMaximum(graphViewForZoom(0)), 0);

    const GraphRange last = graphShownScenes(graphViewForZoom(3), 7);
    EXPECT_EQ(last.first, 224);
    EXPECT_EQ(last.last, 255);
    EXPECT_EQ(graphAreaMaximum(graphViewForZoom(3)), 7);
    EXPECT_EQ(graphAreaMaximum(graphViewForZoom(2)), 3);
    EXPECT_EQ(graphAreaMaximum(graphViewForZoom(1)), 1);
}

TEST(GraphEditor, PercentRoundsUp)
{
    EXPECT_EQ(levelPercent(255), 100);
    EXPECT_EQ(levelPercent(128), 51);
    EXPECT_EQ(levelPercent(1), 1);
    EXPECT_EQ(levelPercent(0), 0);
    EXPECT_EQ(levelPercent(51), 20) << "exactly 20 %";
}

TEST(GraphEditor, RampUpFromTheAnchor)
{
    Engine engine;
    graphDraw(engine, 5, GraphTool::Line, 0, 0);
    graphDraw(engine, 5, GraphTool::Line, 3, 100);
    graphRamp(engine, 5, 0, 3);
    EXPECT_EQ(levels(engine, 5, 0, 4), (std::vector<int>{0, 33, 66, 99, 0}));
    EXPECT_EQ(levels(engine, 4, 0, 4), (std::vector<int>{0, 0, 0, 0, 0})) << "other channels untouched";
}

TEST(GraphEditor, RampWithTheEndLeftOfTheAnchor)
{
    Engine engine;
    graphDraw(engine, 9, GraphTool::Line, 10, 200);
    graphDraw(engine, 9, GraphTool::Line, 6, 0);
    graphRamp(engine, 9, 10, 6);
    EXPECT_EQ(levels(engine, 9, 5, 11), (std::vector<int>{0, 0, 50, 100, 150, 200, 0}));
}

TEST(GraphEditor, FallingRampsBothWays)
{
    Engine engine;
    // Anchor high on the left, end low on the right: steps down from the anchor.
    graphDraw(engine, 1, GraphTool::Arrow, 20, 250);
    graphDraw(engine, 1, GraphTool::Arrow, 25, 0);
    graphRamp(engine, 1, 20, 25);
    EXPECT_EQ(levels(engine, 1, 20, 25), (std::vector<int>{250, 200, 150, 100, 50, 0}));
    // Anchor low on the right, end high on the left: steps down from the end.
    graphDraw(engine, 2, GraphTool::Arrow, 40, 7);
    graphDraw(engine, 2, GraphTool::Arrow, 37, 100);
    graphRamp(engine, 2, 40, 37);
    EXPECT_EQ(levels(engine, 2, 37, 40), (std::vector<int>{100, 69, 38, 7}));
}

TEST(GraphEditor, RampWithoutSpanOrDifference)
{
    Engine engine;
    fill(engine, 0);
    graphDraw(engine, 3, GraphTool::Arrow, 12, 90);
    graphRamp(engine, 3, 12, 12);
    EXPECT_EQ(levels(engine, 3, 11, 13), (std::vector<int>{0, 90, 0}));
    graphDraw(engine, 3, GraphTool::Arrow, 15, 90);
    graphRamp(engine, 3, 12, 15);
    EXPECT_EQ(levels(engine, 3, 12, 15), (std::vector<int>{90, 90, 90, 90})) << "equal ends: a flat line";
}

TEST(GraphEditor, RepeatStopsBeforeScene255)
{
    Engine engine;
    fill(engine, 3);
    graphDraw(engine, 7, GraphTool::Pen, 250, 180);
    EXPECT_EQ(levels(engine, 7, 249, 255), (std::vector<int>{3, 180, 180, 180, 180, 180, 3}));
    graphDraw(engine, 7, GraphTool::Pen, 255, 9);
    EXPECT_EQ(engine.level(255, 7), 3) << "scene 255 is never written by the repeat";
}

TEST(GraphEditor, Channel256IsNeverWritten)
{
    Engine engine;
    fill(engine, 77);
    for (GraphTool tool : {GraphTool::Arrow, GraphTool::Line, GraphTool::Pen})
        graphDraw(engine, GraphNoChannel, tool, 10, 5);
    graphDraw(engine, GraphNoChannel, GraphTool::Arrow, 255, 5);
    graphRamp(engine, GraphNoChannel, 0, 255);
    for (std::size_t i = 0; i < SceneMemorySize; ++i)
        ASSERT_EQ(engine.SceneMemory.get(i), 77) << "byte " << i;
    EXPECT_EQ(graphLevel(engine, GraphNoChannel, 255), 0);
    EXPECT_EQ(graphLevel(engine, 255, 255), 77);
}
