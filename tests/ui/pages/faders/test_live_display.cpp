// The live display under the faders: output levels, colour cells, pictures,
// channel numbers and the stop button, driven by calling the timer handler.
#include "ui/scene_fixture.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <map>

#include "output/FrameAssembly.h"
#include "output/OutputTicker.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/pages/faders/LiveDisplay.h"
#include "ui/rightcolumn/SequencerControl.h"
#include "ui/widgets/ColorShape.h"
#include "ui/widgets/GoboImages.h"

namespace {

using namespace korvanel;

class LiveDisplayTest : public SceneFormTest {
protected:
    LiveDisplay &display() { return *form->liveDisplay(); }
    void tick() { display().TimerDataDmxToDspTimer(); }
    QString level(int k) { return form->faderPage()->levelLabel(k)->text(); }
    void setOut(std::size_t channel, std::uint8_t v) { engine->DmxOut.set(channel, v); }

    // The event loop as the program runs it, until `done` holds when the loop
    // is about to wait, or 5 s pass. Checking it makes no event of its own.
    static bool runUntil(const std::function<bool()> &done)
    {
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop, [&] {
            if (done())
                loop.quit();
        });
        limit.start(5000);
        loop.exec();
        return done();
    }
};

TEST_F(LiveDisplayTest, LevelsInDmxUnitsOrPercent)
{
    EXPECT_TRUE(display().TimerDataDmxToDsp().isActive());
    EXPECT_EQ(display().TimerDataDmxToDsp().interval(), 100);
    setOut(1, 1);
    setOut(2, 128);
    setOut(3, 254);
    tick();
    EXPECT_EQ(level(2), "128");
    click(get<QToolButton>("SpeedButtonOutLevel100"));
    EXPECT_FALSE(get<QToolButton>("SpeedButtonOutLevel255")->isChecked());
    tick();
    EXPECT_EQ(level(1), "1");
    EXPECT_EQ(level(2), "51");
    EXPECT_EQ(level(3), "100");
}

TEST_F(LiveDisplayTest, BlackoutShowsZeroInAllLabelsWithinOneRefresh)
{
    buildFrame(*engine);
    tick();
    ASSERT_EQ(level(27), QString::number(mark(0, 27)));
    form->checkBoxBlackOut()->setChecked(true);
    buildFrame(*engine);
    tick();
    for (int k = 1; k <= 27; ++k) {
        EXPECT_EQ(level(k), "0") << k;
        EXPECT_EQ(fader(k)->value(), mark(0, static_cast<std::size_t>(k))) << "the faders keep their places";
    }
}

TEST_F(LiveDisplayTest, SlowModeRefreshesLabel1OnEveryNinthTick)
{
    click(get<QToolButton>("SpeedButtonLevel255"));
    setOut(4, 9);
    tick();
    EXPECT_EQ(level(4), "9") << "the first slow tick shows group 2";
    int updates = 0;
    for (int t = 1; t <= 27; ++t) {
        setOut(1, static_cast<std::uint8_t>(t));
        tick();
        if (level(1) == QString::number(t))
            ++updates;
        if (t % 9 == 8) {
            EXPECT_EQ(level(1), QString::number(t)) << t;
        }
    }
    EXPECT_EQ(updates, 3);
}

TEST_F(LiveDisplayTest, Offset228ShowsChannels229To255WithTheirCellsAndPictures)
{
    for (std::size_t c = 1; c <= 255; ++c)
        setOut(c, static_cast<std::uint8_t>(c));
    engine->colors.SplitColorRed[255] = 90;
    engine->colors.GraphHint[229] = 3;
    engine->colors.GraphHint[230] = 142; // outside the list: no picture
    form->scrolbarVertPos()->setValue(228);
    tick();
    FaderPage &faders = *form->faderPage();
    for (int k = 1; k <= 27; ++k) {
        EXPECT_EQ(faders.numberLabel(k)->text(), QString::number(228 + k));
        EXPECT_EQ(level(k), QString::number(228 + k));
    }
    EXPECT_EQ(faders.shape(27)->brushColor(), QColor(90, 0, 0));
    EXPECT_EQ(faders.image(1)->pixmap().toImage(), goboImage(3).toImage());
    EXPECT_TRUE(faders.image(2)->pixmap().isNull());
    engine->colors.GraphHint[229] = 255;
    tick();
    EXPECT_TRUE(faders.image(1)->pixmap().isNull()) << "a picture taken away goes at the next tick";
}

TEST_F(LiveDisplayTest, OtherPagesLeaveTheLevelsButTheStopButtonFollows)
{
    auto *play = get<QToolButton>("SpeedButtonPlay");
    play->setChecked(true);
    form->pageControlInput()->setCurrentIndex(3);
    setOut(1, 33);
    tick();
    EXPECT_TRUE(get<QToolButton>("SpeedButtonStop")->isChecked()) << "the show is not playing";
    EXPECT_NE(level(1), "33");

    store(engine->PlayMode, 1);
    play->setChecked(true);
    form->pageControlInput()->setCurrentIndex(0);
    tick();
    EXPECT_TRUE(play->isChecked());
    EXPECT_EQ(level(1), "33");
}

TEST_F(LiveDisplayTest, RestsWhileStillAndShowsWhatAnyEventChangesToTheEndOfItsFade)
{
    OutputTicker ticker(std::chrono::milliseconds(5));
    ticker.start([this] { buildFrame(*engine); });
    bringToFront(form->faderPage()->levelLabel(1));
    ASSERT_TRUE(runUntil([&] { return display().resting(); })) << "still levels: the timer rests";
    EXPECT_EQ(level(1), QString::number(mark(0, 1)));

    // A step of 1 a frame: the fade runs over several refreshes with no event at all.
    engine->SceneMemory.set(rateByte(1), 1);
    bool changed = false;
    QTimer::singleShot(0, form.get(), [&] {
        engine->SceneMemory.set(sceneByte(0, 1), 77);
        engine->colors.SplitColorRed[2] = 200;
        engine->colors.GraphHint[3] = 5;
        changed = true;
    });
    QString gaveUpAt;
    runUntil([&] {
        if (changed && display().resting() && level(1) != "77")
            gaveUpAt = level(1);
        return !gaveUpAt.isEmpty() || (level(1) == "77" && display().resting());
    });
    EXPECT_TRUE(gaveUpAt.isEmpty()) << "rested in the middle of the fade, at " << gaveUpAt.toStdString();
    EXPECT_EQ(level(1), "77");
    EXPECT_TRUE(display().resting()) << "and rests again";
    EXPECT_EQ(form->faderPage()->shape(2)->brushColor().red(), 200);
    EXPECT_EQ(form->faderPage()->image(3)->pixmap().toImage(), goboImage(5).toImage());
    ticker.stop();
}

TEST_F(LiveDisplayTest, StoppedSequencerTicksLeaveItRestingPlayingStepsAreShown)
{
    OutputTicker ticker(std::chrono::milliseconds(5));
    ticker.start([this] { buildFrame(*engine); });
    bringToFront(form->faderPage()->levelLabel(1));
    form->scrollBarTemp()->setValue(10); // a step every 100 ms
    setShow(0, 1);
    ASSERT_TRUE(runUntil([&] { return display().resting(); }));

    // Stopped, the ticks only flash the tempo indicator: a display at rest
    // when a tick comes stays at rest (other events may wake it meanwhile).
    bool restingBefore = false;
    int ticks = 0, woken = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, form.get(),
                     [&] { restingBefore = display().resting(); });
    QObject::connect(&form->sequencer()->TimerSeqveser(), &QTimer::timeout, form.get(), [&] {
        ++ticks;
        woken += restingBefore && !display().resting() ? 1 : 0;
    });
    runUntil([&] { return ticks >= 3; });
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(woken, 0) << "a stopped sequencer tick woke the display";
    ASSERT_TRUE(runUntil([&] { return display().resting(); }));

    // Playing, each step changes the output: the display follows it.
    form->sequencer()->ModePlay(); // no event of its own: only the steps can wake the display
    const QString first = level(1);
    EXPECT_TRUE(runUntil([&] { return level(1) != first; })) << "still " << first.toStdString();
    form->sequencer()->ModeStop();
    ticker.stop();
}

} // namespace

TEST_F(LiveDisplayTest, AChangedLevelRepaintsItsLabelAloneInThePanesColour)
{
    form->resize(895, 658);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    // A show's window colour reaches the labels' own fill too.
    QPalette colours = form->palette();
    colours.setColor(QPalette::Window, QColor(176, 196, 222));
    form->setPalette(colours);
    QTest::qWait(20);
    QLabel *label = form->faderPage()->levelLabel(1);
    const QImage shot = form->grab().toImage();
    const int middle = label->height() / 2;
    EXPECT_EQ(shot.pixelColor(label->mapTo(form.get(), QPoint(1, middle))),
              shot.pixelColor(label->mapTo(form.get(), QPoint(-1, middle))));

    struct PaintCount : QObject {
        std::map<QObject *, int> paints;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints[watched];
            return false;
        }
    } count;
    QWidget *page = get<QWidget>("TabSheetScroll");
    for (QObject *watched :
         {static_cast<QObject *>(label), static_cast<QObject *>(page), static_cast<QObject *>(form.get())})
        watched->installEventFilter(&count);
    // What the colour change left to paint is painted first.
    QTest::qWait(100);
    count.paints.clear();
    setOut(1, label->text() == "7" ? 8 : 7);
    tick();
    ASSERT_TRUE(runUntil([&] { return count.paints[label] > 0; }));
    EXPECT_EQ(count.paints[page], 0);
    EXPECT_EQ(count.paints[form.get()], 0);
}
