// The live display under the faders: output levels, colour cells, pictures,
// channel numbers and the stop button, driven by calling the timer handler.
#include "ui/scene_fixture.h"

#include <QTabWidget>

#include "output/FrameAssembly.h"
#include "ui/ColorShape.h"
#include "ui/FaderPage.h"
#include "ui/GoboImages.h"
#include "ui/LiveDisplay.h"

namespace {

using namespace korvanel;

class LiveDisplayTest : public SceneFormTest {
protected:
    LiveDisplay &display() { return *form->liveDisplay(); }
    void tick() { display().TimerDataDmxToDspTimer(); }
    QString level(int k) { return form->faderPage()->levelLabel(k)->text(); }
    void setOut(std::size_t channel, std::uint8_t v) { engine->DmxOut.set(channel, v); }
};

TEST_F(LiveDisplayTest, ButtonsAndTimerStartAsDesigned)
{
    auto *dmx = get<QToolButton>("SpeedButtonOutLevel255");
    auto *percent = get<QToolButton>("SpeedButtonOutLevel100");
    auto *fast = get<QToolButton>("SpeedButtonLevel255");
    EXPECT_EQ(dmx->text(), "DMX");
    EXPECT_EQ(dmx->toolTip(), "Уровень в стандарте DMX512  0-255");
    EXPECT_EQ(percent->text(), "%");
    EXPECT_EQ(percent->toolTip(), "Уровень в процентах");
    EXPECT_EQ(fast->toolTip(), "Скорость презаписи данных на мониторе");
    EXPECT_TRUE(dmx->isChecked());
    EXPECT_FALSE(percent->isChecked());
    EXPECT_TRUE(fast->isChecked());
    EXPECT_TRUE(display().TimerDataDmxToDsp().isActive());
    EXPECT_EQ(display().TimerDataDmxToDsp().interval(), 100);

    click(percent);
    EXPECT_FALSE(dmx->isChecked()) << "one of the two units at a time";
    EXPECT_TRUE(display().percent());
}

TEST_F(LiveDisplayTest, LevelsInDmxUnitsAndInPercent)
{
    setOut(1, 1);
    setOut(2, 128);
    setOut(3, 254);
    setOut(4, 255);
    setOut(5, 0);
    tick();
    EXPECT_EQ(level(1), "1");
    EXPECT_EQ(level(2), "128");
    EXPECT_EQ(level(4), "255");
    click(get<QToolButton>("SpeedButtonOutLevel100"));
    tick();
    EXPECT_EQ(level(1), "1");
    EXPECT_EQ(level(2), "51");
    EXPECT_EQ(level(3), "100");
    EXPECT_EQ(level(4), "100");
    EXPECT_EQ(level(5), "0");
}

TEST_F(LiveDisplayTest, BlackoutShowsZeroInAllLabelsWithinOneRefresh)
{
    buildFrame(*engine);
    tick();
    ASSERT_EQ(level(27), QString::number(mark(0, 27)));
    form->CheckBoxBlackOut->setChecked(true);
    buildFrame(*engine);
    tick();
    for (int k = 1; k <= 27; ++k) {
        EXPECT_EQ(level(k), "0") << k;
        EXPECT_EQ(fader(k)->value(), mark(0, static_cast<std::size_t>(k))) << "the faders keep their places";
    }
}

TEST_F(LiveDisplayTest, SlowModeRefreshesThreeLabelsPerTickStartingWithGroupTwo)
{
    click(get<QToolButton>("SpeedButtonLevel255"));
    ASSERT_FALSE(display().fast());
    for (std::size_t c = 1; c <= 27; ++c)
        setOut(c, 9);
    tick();
    EXPECT_EQ(display().DisplayGroup(), 2);
    EXPECT_EQ(level(4), "9");
    EXPECT_EQ(level(6), "9");
    EXPECT_EQ(level(3), "255") << "group 1 waits for its turn";
    EXPECT_EQ(level(7), "255");

    // Label 1 changes only on every ninth tick.
    int updates = 0;
    for (int t = 1; t <= 27; ++t) {
        setOut(1, static_cast<std::uint8_t>(t));
        tick();
        if (level(1) == QString::number(t))
            ++updates;
        if (t % 9 == 8) {
            EXPECT_EQ(level(1), QString::number(t)) << t;
            EXPECT_EQ(display().DisplayGroup(), 1);
        }
    }
    EXPECT_EQ(updates, 3);
}

TEST_F(LiveDisplayTest, Offset228NumbersAndFollowsChannels229To255)
{
    for (std::size_t c = 1; c <= 255; ++c)
        setOut(c, static_cast<std::uint8_t>(c));
    engine->colors.SplitColorRed[255] = 90;
    engine->colors.GraphHint[229] = 3;
    form->ScrolbarVertPos->setValue(228);
    tick();
    for (int k = 1; k <= 27; ++k) {
        EXPECT_EQ(form->faderPage()->numberLabel(k)->text(), QString::number(228 + k));
        EXPECT_EQ(level(k), QString::number(228 + k));
    }
    EXPECT_EQ(form->faderPage()->shape(27)->brushColor(), QColor(90, 0, 0));
    EXPECT_EQ(form->faderPage()->image(1)->pixmap().toImage(), goboImage(3).toImage());
}

TEST_F(LiveDisplayTest, CellsShowGroupColoursAndPicturesOrNothing)
{
    engine->colors.SplitColorRed[2] = 170;
    engine->colors.SplitColorGreen[2] = 171;
    engine->colors.SplitColorBlue[2] = 172;
    engine->colors.GraphHint[1] = 141;
    engine->colors.GraphHint[2] = 142;
    engine->colors.GraphHint[3] = 255;
    tick();
    auto &faders = *form->faderPage();
    EXPECT_EQ(faders.shape(2)->brushColor(), QColor(170, 171, 172));
    EXPECT_EQ(faders.shape(1)->brushColor(), QColor(0, 0, 0));
    EXPECT_FALSE(faders.image(1)->pixmap().isNull());
    EXPECT_EQ(faders.image(1)->toolTip(), goboImageName(141));
    EXPECT_TRUE(faders.image(2)->pixmap().isNull());
    EXPECT_TRUE(faders.image(3)->pixmap().isNull());
    EXPECT_FALSE(faders.image(4)->pixmap().isNull()) << "picture 0 is a picture";

    // A picture taken away goes at the next tick.
    engine->colors.GraphHint[1] = 255;
    tick();
    EXPECT_TRUE(faders.image(1)->pixmap().isNull());
}

TEST_F(LiveDisplayTest, OtherPagesLeaveTheCellsButTheStopButtonFollows)
{
    auto *stop = get<QToolButton>("SpeedButtonStop");
    auto *play = get<QToolButton>("SpeedButtonPlay");
    play->setChecked(true);
    form->PageControlInput->setCurrentIndex(3);
    setOut(1, 33);
    tick();
    EXPECT_TRUE(stop->isChecked()) << "the show is not playing";
    EXPECT_FALSE(play->isChecked());
    EXPECT_NE(level(1), "33");

    store(engine->PlayMode, 1);
    play->setChecked(true);
    tick();
    EXPECT_TRUE(play->isChecked()) << "a playing show keeps its button";
    form->PageControlInput->setCurrentIndex(0);
    tick();
    EXPECT_EQ(level(1), "33");
}

} // namespace
