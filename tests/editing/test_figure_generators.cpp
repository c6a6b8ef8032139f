#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "editing/FigureGenerators.h"

using namespace korvanel;

namespace {

using Point = std::pair<int, int>;
using Generator = void (*)(Engine &, const FigureSettings &);

struct Named {
    const char *name;
    Generator generate;
};
const Named AllFigures[] = {{"stroke", figureStroke}, {"triangle", figureTriangle},  {"square", figureSquare},
                            {"zigzag", figureZigzag}, {"raster", figureRaster},      {"circle", figureCircle},
                            {"eight", figureEight},   {"four-leaf", figureFourLeaf}, {"spiral", figureSpiral}};

constexpr std::uint8_t Marker = 0xA5;

class FigureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (std::size_t i = 0; i < SceneMemorySize; ++i)
            engine.SceneMemory.set(i, Marker);
    }

    Point at(int scene, int pair = 0, int yOffset = 2) const
    {
        return {engine.level(static_cast<std::size_t>(scene), static_cast<std::size_t>(pair + 1)),
                engine.level(static_cast<std::size_t>(scene), static_cast<std::size_t>(pair + yOffset))};
    }

    std::vector<Point> run(int from, int to) const
    {
        std::vector<Point> out;
        for (int s = from; s <= to; ++s)
            out.push_back(at(s));
        return out;
    }

    // Every byte of the show apart from the pair's channels of scenes first..last.
    void expectOnlyRangeWritten(int first, int last, int pair, int yOffset, const char *figure) const
    {
        for (std::size_t i = 0; i < SceneMemorySize; ++i) {
            const bool scene = i >= SceneOffset;
            const auto s = static_cast<int>((i - SceneOffset) / RowSize);
            const auto c = static_cast<int>((i - SceneOffset) % RowSize);
            if (scene && s >= first && s <= last && (c == pair + 1 || c == pair + yOffset))
                continue;
            ASSERT_EQ(engine.SceneMemory.get(i), Marker)
                << figure << ": byte " << i << " (scene " << s << ", channel " << c << ")";
        }
    }

    Engine engine;
    FigureSettings initial; // F = 1, T = 32, S = 200, W = 7 on channels 1 and 2
};

} // namespace

TEST(Sinus, CirclePointsFromTheTopClockwise)
{
    EXPECT_EQ(Sinus(0, 200), Point(127, 227));
    EXPECT_EQ(Sinus(90, 200), Point(227, 127));
    EXPECT_EQ(Sinus(180, 200), Point(127, 28));
    EXPECT_EQ(Sinus(270, 200), Point(28, 127));
    EXPECT_EQ(Sinus(11, 200), Point(147, 226));
    EXPECT_EQ(Sinus(-90, 200), Sinus(270, 200));
    EXPECT_EQ(Sinus(720 + 45, 200), Sinus(45, 200));
    EXPECT_EQ(Sinus(30, 200), Point(177, 214)) << "sin 30° · 100 is 50, not a hair above";
    EXPECT_EQ(Sinus(90, 255), Point(255, 127));
    EXPECT_EQ(Sinus(270, 255), Point(1, 127)) << "the circle of 255 reaches 255 on the right, 1 on the left";
    EXPECT_EQ(Sinus(45, 0), Point(127, 127));
}

TEST_F(FigureTest, StrokeOutAndBack)
{
    figureStroke(engine, initial);
    EXPECT_EQ(run(0, 2), (std::vector<Point>{{28, 42}, {40, 54}, {52, 66}}));
    EXPECT_EQ(run(29, 31), (std::vector<Point>{{66, 52}, {54, 40}, {42, 28}}));
    EXPECT_EQ(at(16), Point(222, 208)) << "the turn";
    expectOnlyRangeWritten(0, 31, 0, 2, "stroke");
}

TEST_F(FigureTest, TriangleApexAndBase)
{
    figureTriangle(engine, initial);
    EXPECT_EQ(run(0, 1), (std::vector<Point>{{28, 29}, {37, 47}}));
    EXPECT_EQ(at(11), Point(127, 227)) << "apex";
    EXPECT_EQ(at(22), Point(226, 29)) << "right corner";
    EXPECT_EQ(run(29, 31), (std::vector<Point>{{51, 29}, {26, 29}, {1, 29}}));
    expectOnlyRangeWritten(0, 31, 0, 2, "triangle");
}

TEST_F(FigureTest, SquareAndZigzag)
{
    figureSquare(engine, initial);
    EXPECT_EQ(run(0, 1), (std::vector<Point>{{32, 32}, {32, 56}}));
    EXPECT_EQ(at(8), Point(32, 224));
    EXPECT_EQ(at(16), Point(224, 224));
    EXPECT_EQ(at(24), Point(224, 32));
    EXPECT_EQ(at(31), Point(7, 32));

    figureZigzag(engine, initial);
    EXPECT_EQ(run(0, 1), (std::vector<Point>{{32, 32}, {32, 56}}));
    EXPECT_EQ(at(16), Point(224, 32));
    EXPECT_EQ(at(24), Point(224, 224));
    EXPECT_EQ(run(29, 31), (std::vector<Point>{{69, 69}, {38, 38}, {7, 7}}));
    expectOnlyRangeWritten(0, 31, 0, 2, "zigzag");
}

TEST_F(FigureTest, RasterTurnsAtTheEdge)
{
    figureRaster(engine, initial);
    EXPECT_EQ(run(0, 6),
              (std::vector<Point>{{28, 16}, {76, 16}, {124, 16}, {172, 16}, {220, 16}, {220, 48}, {172, 48}}));
    EXPECT_EQ(run(9, 10), (std::vector<Point>{{28, 48}, {28, 80}})) << "turn at the left edge";
    expectOnlyRangeWritten(0, 31, 0, 2, "raster");
}

TEST_F(FigureTest, CircleSweepsWTimes50Degrees)
{
    figureCircle(engine, initial);
    EXPECT_EQ(run(0, 2), (std::vector<Point>{{127, 227}, {147, 226}, {165, 220}}));
    EXPECT_EQ(at(31), Sinus(31 * 11, 200));
    expectOnlyRangeWritten(0, 31, 0, 2, "circle");
}

TEST_F(FigureTest, CircleYOneChannelApart)
{
    FigureSettings f = initial;
    f.pair = 40;
    f.layout = 3;
    figureCircle(engine, f);
    EXPECT_EQ(at(0, 40, 3), Point(127, 227));
    EXPECT_EQ(at(2, 40, 3), Point(165, 220));
    expectOnlyRangeWritten(0, 31, 40, 3, "circle");
}

TEST_F(FigureTest, CircleOnTheLastPairNeverWritesPastTheRow)
{
    // Y one channel apart from pair 253 would be channel 256: byte 0 of the
    // next row, or past the end of the show for scene 255.
    FigureSettings f = initial;
    f.pair = 253;
    f.layout = 3;
    f.from = 250;
    f.to = 255;
    figureCircle(engine, f);
    EXPECT_EQ(engine.level(249, 254), 127);
    for (int s = 249; s <= 255; ++s)
        EXPECT_EQ(engine.level(static_cast<std::size_t>(s), 0), Marker) << s;
    expectOnlyRangeWritten(249, 254, 253, 1, "circle");
}

TEST_F(FigureTest, EightStartsBothLoopsAtTheCentre)
{
    figureEight(engine, initial);
    EXPECT_EQ(at(0), Point(127, 128)) << "upper loop, angle 180";
    EXPECT_EQ(at(15), Point(127, 127)) << "lower loop, angle 0, written last";
    for (int s = 1; s < 15; ++s)
        EXPECT_GE(at(s).second, 128) << "upper loop above the centre, scene " << s;
    for (int s = 16; s <= 31; ++s)
        EXPECT_LE(at(s).second, 127) << "lower loop below the centre, scene " << s;
    expectOnlyRangeWritten(0, 31, 0, 2, "eight");
}

TEST_F(FigureTest, FourLeafLoopsStartInTheirQuarters)
{
    figureFourLeaf(engine, initial);
    // q = 7: the loops start at scenes 0, 7, 14 and 21.
    EXPECT_EQ(at(0), Point(127, 177));
    EXPECT_EQ(at(7), Point(177, 128));
    EXPECT_EQ(at(14), Point(128, 77));
    EXPECT_EQ(at(21), Point(77, 127));
    // Loop 2 circles about (177, 178): every point of it lies on that circle.
    for (int s = 8; s < 14; ++s) {
        const double r = std::hypot(at(s).first - 177.5, at(s).second - 177.5);
        EXPECT_NEAR(r, 50.0, 1.5) << "scene " << s;
    }
    expectOnlyRangeWritten(0, 31, 0, 2, "four-leaf");
}

TEST_F(FigureTest, SpiralShrinksTowardTheCentre)
{
    figureSpiral(engine, initial);
    EXPECT_EQ(at(0), Point(127, 227));
    EXPECT_EQ(at(1), Sinus(56, 194));
    double previous = 1000;
    for (int s = 0; s <= 31; ++s) {
        const double r = std::hypot(at(s).first - 127.5, at(s).second - 127.5);
        EXPECT_LE(r, previous + 1.0) << "scene " << s;
        previous = r;
    }
    EXPECT_LT(previous, 10.0) << "ends near the centre";
    expectOnlyRangeWritten(0, 31, 0, 2, "spiral");
}

TEST_F(FigureTest, OneSceneGetsTheStartPointAndNoStepDividesByZero)
{
    const std::pair<const char *, Point> starts[] = {
        {"stroke", {28, 42}},   {"triangle", {83, 84}},   {"square", {112, 112}},
        {"zigzag", {112, 112}}, {"raster", {28, 16}},     {"circle", {127, 227}},
        {"eight", {127, 127}},  {"four-leaf", {77, 127}}, {"spiral", {127, 227}}};
    FigureSettings f = initial;
    f.from = f.to = 10;
    for (std::size_t i = 0; i < std::size(AllFigures); ++i) {
        SetUp();
        AllFigures[i].generate(engine, f);
        EXPECT_EQ(at(9), starts[i].second) << AllFigures[i].name;
        expectOnlyRangeWritten(9, 9, 0, 2, AllFigures[i].name);
    }
}

TEST_F(FigureTest, SmallRangesLeaveTheOtherScenesAlone)
{
    // Short ranges once ran the first sides past T - 1 and wrapped to scene 0.
    const std::pair<int, int> ranges[] = {{1, 2}, {1, 3}, {5, 6}, {1, 6}, {20, 23}, {100, 109}, {250, 255}, {254, 255}};
    for (const auto &[from, to] : ranges) {
        for (const Named &figure : AllFigures) {
            for (int size : {20, 200, 250}) {
                SetUp();
                FigureSettings f = initial;
                f.from = from;
                f.to = to;
                f.size = size;
                f.pair = 100;
                figure.generate(engine, f);
                SCOPED_TRACE(testing::Message() << figure.name << " F=" << from << " T=" << to << " S=" << size);
                expectOnlyRangeWritten(from - 1, to - 1, 100, 2, figure.name);
                EXPECT_NE(at(from - 1, 100), Point(Marker, Marker)) << "the first scene is written";
            }
        }
    }
}

TEST_F(FigureTest, TriangleOfTwoScenesStopsAtTheLastOne)
{
    FigureSettings f = initial;
    f.from = 5;
    f.to = 6;
    figureTriangle(engine, f);
    // c = 3 · (200 div 2) = 300, taken as a byte: 44; the first side runs over scenes 4 and 5.
    EXPECT_EQ(at(4), Point(105, 106));
    EXPECT_EQ(at(5), Point(127, 150));
    EXPECT_EQ(at(6), Point(Marker, Marker));
}
