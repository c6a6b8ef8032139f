#include <gtest/gtest.h>

#include <set>

#include "playback/EffectGenerator.h"
#include "playback/Rates.h"

using namespace korvanel;

TEST(Rates, PresetsAndReverseMapping)
{
    EXPECT_EQ(ratePreset(0).step, 1);
    EXPECT_EQ(ratePreset(5).label, "0,5");
    EXPECT_EQ(ratePreset(9).step, 255);
    const std::pair<int, int> cases[] = {{0, 0},  {1, 0},  {2, 1},  {3, 2},  {4, 2},   {5, 3},   {8, 3},  {9, 4},
                                         {20, 4}, {21, 5}, {50, 5}, {51, 6}, {100, 6}, {101, 7}, {255, 7}};
    for (auto [step, position] : cases)
        EXPECT_EQ(RateToPosition(static_cast<std::uint8_t>(step)), position) << step;
    for (int p = 0; p < 8; ++p)
        EXPECT_EQ(RateToPosition(ratePreset(p).step), p) << "every preset maps back to its own position";
    EXPECT_EQ(ratePreset(RateToPosition(3)).step, 4) << "a stored 3 becomes 4 once its slider moves";
}

TEST(Generators, PatternTableLevels)
{
    using L = std::array<std::uint8_t, 4>;
    EXPECT_EQ(patternLevels(1, 2, 255, 0), (L{0, 0, 255, 0}));
    EXPECT_EQ(patternLevels(2, 3, 9, 1), (L{9, 1, 1, 9}));
    EXPECT_EQ(patternLevels(3, 1, 9, 1), (L{1, 1, 9, 9}));
    EXPECT_EQ(patternLevels(4, 7, 9, 1), (L{1, 1, 1, 1}));
    EXPECT_EQ(patternLevels(4, 3, 9, 1), (L{9, 9, 9, 9}));
    for (int step = 0; step < 4; ++step) {
        EXPECT_EQ(patternLevels(1, step, 9, 1), patternLevels(1, step + 4, 9, 1))
            << "patterns 1 and 2 repeat every four steps";
        EXPECT_EQ(patternLevels(2, step, 9, 1), patternLevels(2, step + 4, 9, 1));
    }
    std::set<L> fill;
    for (int step = 0; step < 8; ++step)
        fill.insert(patternLevels(4, step, 9, 1));
    EXPECT_EQ(fill.size(), 8u) << "the fill runs through all eight steps";
}

TEST(Generators, RunForwardThenBackwardByTheirPhases)
{
    for (const auto &phases : {Generator1Phases, Generator2Phases}) {
        GeneratorState state;
        AtomicByte running{0};
        AtomicBytes<4> out;
        int forward = 0;
        int backward = 0;
        std::uint8_t previous = state.step;
        for (int i = 0; i < 8 * 40; ++i) {
            JobAvtomat(state, phases, 1, 255, 0, running, out);
            if (state.step == static_cast<std::uint8_t>((previous + 1) & 7))
                ++forward;
            else if (state.step == static_cast<std::uint8_t>((previous + 7) & 7))
                ++backward;
            else
                ADD_FAILURE() << "step jumped";
            previous = state.step;
            ASSERT_EQ(out.get(state.step & 3), 255);
        }
        EXPECT_EQ(load(running), 1);
        EXPECT_GT(forward, 0);
        EXPECT_GT(backward, 0);
        EXPECT_LT(state.phase, phases.wrapAbove + 1);
    }
}

TEST(Generators, FirstStepsAndDirectionChange)
{
    GeneratorState state;
    AtomicByte running{0};
    AtomicBytes<4> out;
    JobAvtomat(state, Generator1Phases, 1, 200, 10, running, out);
    EXPECT_EQ(state.step, 1);
    EXPECT_EQ(out.get(1), 200);
    EXPECT_EQ(out.get(0), 10);
    // Passes through step 3 count the phase; from phase 10 on it runs backward.
    state = GeneratorState{3, 9};
    JobAvtomat(state, Generator1Phases, 1, 200, 10, running, out);
    EXPECT_EQ(state.phase, 10);
    EXPECT_EQ(state.step, 2);
    state = GeneratorState{3, 20};
    JobAvtomat(state, Generator1Phases, 1, 200, 10, running, out);
    EXPECT_EQ(state.phase, 0) << "past 20 the phase restarts";
    EXPECT_EQ(state.step, 4);
    state = GeneratorState{0, 15};
    JobAvtomat(state, Generator1Phases, 1, 200, 10, running, out);
    EXPECT_EQ(state.step, 7) << "below 0 becomes 7";
    state = GeneratorState{3, 10};
    JobAvtomat(state, Generator2Phases, 1, 200, 10, running, out);
    EXPECT_EQ(state.step, 4) << "generator 2 still runs forward at phase 11";
    state = GeneratorState{3, 11};
    JobAvtomat(state, Generator2Phases, 1, 200, 10, running, out);
    EXPECT_EQ(state.step, 2) << "and backward from phase 12";
}

TEST(Generators, TempoIntervalNeverZero)
{
    EXPECT_EQ(generatorIntervalMs(50), 2500);
    EXPECT_EQ(60000 / generatorIntervalMs(50), 24);
    EXPECT_EQ(generatorIntervalMs(5), 25);
    EXPECT_EQ(60000 / generatorIntervalMs(5), 2400);
    EXPECT_EQ(generatorIntervalMs(0), 400) << "a stored 0 counts as 20";
    EXPECT_EQ(generatorIntervalMs(3), 25);
    EXPECT_EQ(generatorIntervalMs(255), 2500);
}

TEST(Generators, EveryPatternOverEightStepsAsTheTableGivesIt)
{
    // Rows: steps 0..7; columns: patterns 1..4; "B" bright, "D" dark, outputs 0..3.
    const char *table[8][4] = {
        {"BDDD", "BBDD", "BBDD", "BDDD"}, {"DBDD", "DBBD", "DDBB", "BBDD"}, {"DDBD", "DDBB", "BBDD", "BBBD"},
        {"DDDB", "BDDB", "DDBB", "BBBB"}, {"BDDD", "BBDD", "DBBD", "DBBB"}, {"DBDD", "DBBD", "BDDB", "DDBB"},
        {"DDBD", "DDBB", "DBBD", "DDDB"}, {"DDDB", "BDDB", "BDDB", "DDDD"},
    };
    for (int step = 0; step < 8; ++step)
        for (int pattern = 1; pattern <= 4; ++pattern) {
            const auto levels = patternLevels(pattern, step, 200, 7);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(levels[static_cast<std::size_t>(i)], table[step][pattern - 1][i] == 'B' ? 200 : 7)
                    << "step " << step << " pattern " << pattern << " output " << i;
        }
}
