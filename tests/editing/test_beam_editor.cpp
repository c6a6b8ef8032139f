#include <gtest/gtest.h>

#include <vector>

#include "editing/BeamEditor.h"
#include "editing/SceneAccess.h"

using namespace korvanel;

namespace {

using Point = std::pair<int, int>;

Point point(const Engine &engine, int scene, int pair)
{
    return {engine.level(static_cast<std::size_t>(scene), static_cast<std::size_t>(pair + 1)),
            engine.level(static_cast<std::size_t>(scene), static_cast<std::size_t>(pair + 2))};
}

void put(Engine &engine, int scene, int pair, Point p)
{
    DataWriteXY(engine, static_cast<std::uint8_t>(scene), static_cast<std::uint8_t>(pair), p.first, p.second);
}

std::vector<Point> path(const Engine &engine, int pair, int from, int to)
{
    std::vector<Point> out;
    for (int s = from; s <= to; ++s)
        out.push_back(point(engine, s, pair));
    return out;
}

} // namespace

TEST(BeamEditor, PointerIsClampedToThePlaneWithYUpward)
{
    EXPECT_EQ(xyPlanePoint(300, -20), Point(255, 255));
    EXPECT_EQ(xyPlanePoint(-5, 400), Point(0, 0));
    EXPECT_EQ(xyPlanePoint(10, 245), Point(10, 10));
}

TEST(BeamEditor, AllScenesRangeFollowsTheShow)
{
    EXPECT_EQ(xyAllScenesShown(0), Point(1, 2)) << "the 'to' field goes no lower than 2";
    EXPECT_EQ(xyAllScenesShown(9), Point(1, 10));
    EXPECT_EQ(xyAllScenesShown(255), Point(1, 255)) << "nor higher than 255";
    const XYRange range = XYRange::shown(1, 2);
    EXPECT_EQ(range.first, 0);
    EXPECT_EQ(range.last, 1);
}

TEST(BeamEditor, SearchFindsTheLowestSceneNearThePointer)
{
    Engine engine;
    put(engine, 3, 10, {100, 100});
    put(engine, 5, 10, {102, 97});
    put(engine, 7, 10, {200, 50});
    const XYRange range = XYRange::shown(1, 32);
    EXPECT_EQ(SearchScena(engine, 10, range, 101, 99), 3) << "both within 3: the lower scene";
    EXPECT_EQ(SearchScena(engine, 10, range, 105, 96), 5) << "scene 3 is 5 away in x";
    EXPECT_EQ(SearchScena(engine, 10, range, 203, 53), 7) << "3 away on both axes still counts";
    EXPECT_EQ(SearchScena(engine, 10, range, 204, 50), XYNoScene);
    EXPECT_EQ(SearchScena(engine, 10, XYRange::shown(5, 32), 101, 99), 5) << "scene 3 is out of the range";
    EXPECT_EQ(SearchScena(engine, 11, range, 101, 99), XYNoScene) << "another pair";
}

TEST(BeamEditor, TheLastSceneNeverDrags)
{
    Engine engine;
    put(engine, 254, 0, {10, 20});
    put(engine, 255, 0, {10, 20});
    xyDragPoint(engine, 0, 254, 90, 91);
    xyDragPoint(engine, 0, 255, 90, 91);
    xyDragPoint(engine, 0, XYNoScene, 90, 91);
    EXPECT_EQ(point(engine, 254, 0), Point(90, 91));
    EXPECT_EQ(point(engine, 255, 0), Point(10, 20));
}

TEST(BeamEditor, MovesStopAtTheEdgesAndKeepToTheRange)
{
    Engine engine;
    put(engine, 0, 4, {255, 0});
    put(engine, 1, 4, {0, 255});
    put(engine, 2, 4, {50, 60});
    const XYRange range = XYRange::shown(1, 2);
    ButtonRepeat(engine, 4, range, XYRight);
    ButtonRepeat(engine, 4, range, XYDown);
    EXPECT_EQ(path(engine, 4, 0, 2), (std::vector<Point>{{255, 0}, {1, 254}, {50, 60}}));
    ButtonRepeat(engine, 4, range, XYLeft);
    ButtonRepeat(engine, 4, range, XYUp);
    EXPECT_EQ(path(engine, 4, 0, 2), (std::vector<Point>{{254, 1}, {0, 255}, {50, 60}}));
}

TEST(BeamEditor, MirroringTwiceGivesThePathBack)
{
    Engine engine;
    const std::vector<Point> original = {{0, 255}, {12, 200}, {127, 128}, {254, 3}};
    for (int s = 0; s < 4; ++s)
        put(engine, s + 10, 20, original[static_cast<std::size_t>(s)]);
    const XYRange range = XYRange::shown(11, 14);
    ButtonRepeat(engine, 20, range, XYMirrorX);
    EXPECT_EQ(path(engine, 20, 10, 13), (std::vector<Point>{{255, 255}, {243, 200}, {128, 128}, {1, 3}}));
    ButtonRepeat(engine, 20, range, XYMirrorY);
    EXPECT_EQ(path(engine, 20, 10, 13), (std::vector<Point>{{255, 0}, {243, 55}, {128, 127}, {1, 252}}));
    ButtonRepeat(engine, 20, range, XYMirrorX);
    ButtonRepeat(engine, 20, range, XYMirrorY);
    EXPECT_EQ(path(engine, 20, 10, 13), original);
}

TEST(BeamEditor, SizeStepsTowardOrAwayFromTheCentre)
{
    Engine engine;
    put(engine, 0, 0, {0, 200});
    put(engine, 1, 0, {127, 128});
    put(engine, 2, 0, {126, 129});
    const XYRange range = XYRange::shown(1, 3);
    ButtonRepeat(engine, 0, range, XYSmaller);
    EXPECT_EQ(path(engine, 0, 0, 2), (std::vector<Point>{{0, 199}, {127, 127}, {127, 128}}));

    put(engine, 0, 0, {1, 254});
    put(engine, 1, 0, {127, 128});
    put(engine, 2, 0, {255, 0});
    ButtonRepeat(engine, 0, range, XYLarger);
    EXPECT_EQ(path(engine, 0, 0, 2), (std::vector<Point>{{0, 255}, {126, 129}, {255, 0}}));
}

TEST(BeamEditor, RotationOfSinglePoints)
{
    EXPECT_EQ(RotateXY(127, 227, 45), Point(198, 198));
    EXPECT_EQ(RotateXY(227, 127, 90), Point(127, 29));
    // Half a turn mirrors through the centre; the points are re-rounded.
    EXPECT_EQ(RotateXY(127, 227, 180), Point(127, 28));
    // A quarter turn left of the top is the left-hand side.
    EXPECT_EQ(RotateXY(127, 227, 270), Point(28, 127));

    Engine engine;
    put(engine, 0, 30, {127, 227});
    put(engine, 1, 30, {227, 127});
    put(engine, 2, 30, {9, 9});
    RotateArea(engine, 30, XYRange::shown(1, 2), 45);
    EXPECT_EQ(point(engine, 0, 30), Point(198, 198));
    EXPECT_EQ(point(engine, 2, 30), Point(9, 9)) << "outside the range";
    RotateArea(engine, 30, XYRange::shown(1, 2), 0);
    EXPECT_EQ(point(engine, 0, 30), Point(198, 198)) << "angle 0 changes nothing";
}

TEST(BeamEditor, CopyGoesToTheCheckedPairsOnly)
{
    Engine engine;
    for (int s = 0; s < 6; ++s)
        put(engine, s, 0, {s * 10, 200 - s});
    copyToPairs(engine, 0, XYRange::shown(2, 4), {2, 5, 253}, {true, false, true});
    EXPECT_EQ(path(engine, 2, 0, 4), (std::vector<Point>{{0, 0}, {10, 199}, {20, 198}, {30, 197}, {0, 0}}));
    EXPECT_EQ(path(engine, 5, 0, 5), std::vector<Point>(6, {0, 0})) << "pair 3 unchecked";
    EXPECT_EQ(point(engine, 3, 253), Point(30, 197)) << "the last pair: channels 254 and 255";
    EXPECT_EQ(engine.level(4, 0), 0);
    copyToPairs(engine, 0, {5, 4}, {7, 7, 7}, {true, true, true});
    EXPECT_EQ(point(engine, 4, 7), Point(0, 0)) << "an empty range copies nothing";
}
