#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QToolButton>

#include "control/ControlLayer.h"
#include "playback/TapTempo.h"
#include "ui/form_fixture.h"
#include "ui/rightcolumn/SequencerControl.h"
#include "ui/widgets/ColorShape.h"

using namespace korvanel;

namespace {

class Sequencer : public FormTest {
protected:
    void SetUp() override
    {
        initialiseAtStart(*engine);
        form->ClearAll();
    }
    SequencerControl &seq() { return *form->sequencer(); }
};

} // namespace

TEST_F(Sequencer, PlayStepsThroughTheShowAndWrapsWithTheRing)
{
    engine->setSys(SysLastScene, 2);
    seq().TimerSeqveserTimer();
    EXPECT_EQ(engine->sys(SysCurrentScene), 0) << "stopped: no step";
    click(get<QToolButton>("SpeedButtonPlay"));
    EXPECT_EQ(load(engine->PlayMode), 1);
    for (int expected : {1, 2, 0, 1}) {
        seq().TimerSeqveserTimer();
        EXPECT_EQ(engine->sys(SysCurrentScene), expected);
        EXPECT_EQ(form->labelStep()->text(), QString::number(expected + 1)) << "the page follows each step";
    }
}

TEST_F(Sequencer, RingOffStopsOnTheLastScene)
{
    engine->setSys(SysLastScene, 1);
    click(get<QCheckBox>("CheckBoxRepeat"));
    seq().ModePlay();
    seq().TimerSeqveserTimer();
    EXPECT_EQ(engine->sys(SysCurrentScene), 1);
    seq().TimerSeqveserTimer();
    EXPECT_EQ(engine->sys(SysCurrentScene), 1);
    EXPECT_EQ(load(engine->PlayMode), 0);
    EXPECT_TRUE(get<QToolButton>("SpeedButtonStop")->isChecked());
}

TEST_F(Sequencer, WrapRunsTheConveyorOnlyInAListMode)
{
    int jobs = 0;
    seq().KonveyrJob = [&] { ++jobs; };
    engine->setSys(SysLastScene, 0);
    seq().ModePlay();
    seq().TimerSeqveserTimer();
    EXPECT_EQ(jobs, 0) << "hand mode";
    get<QToolButton>("SpeedButtonKonvSpis")->setChecked(true);
    seq().TimerSeqveserTimer();
    seq().TimerSeqveserTimer();
    EXPECT_EQ(jobs, 2) << "a show of one scene wraps at every step";
}

TEST_F(Sequencer, CrossfadeStepsFollowTheTempo)
{
    engine->setSys(SysLastScene, 1);
    engine->SceneMemory.set(sceneByte(1, 4), 200);
    form->scrollBarTemp()->setValue(10); // 100 ms: d = 2
    EXPECT_EQ(engine->sys(SysTempo), 10);
    EXPECT_EQ(seq().TimerSeqveser().interval(), 100);
    EXPECT_EQ(form->labelTemp()->text(), QString::fromUtf8("600  Сцен/мин "));
    seq().ModePlay();
    seq().TimerSeqveserTimer();
    EXPECT_EQ(engine->CrossfadeStep.get(4), 100);
}

TEST_F(Sequencer, PlaybackLocksSceneEditingAndStopUnlocksAllButPaste)
{
    auto *copy = form->control<QAction>("CopyToBufferItem");
    auto *paste = form->control<QAction>("PasteFromBufferItem");
    paste->setEnabled(true);
    get<QToolButton>("ButtonScenaPaste")->setEnabled(true);
    seq().ModePlay();
    EXPECT_FALSE(copy->isEnabled()) << "its Ctrl+C must not edit a playing show";
    EXPECT_FALSE(paste->isEnabled());
    EXPECT_FALSE(form->control<QMenu>("EditItem")->menuAction()->isEnabled());
    for (const char *name : {"SpeedButtonNewScena", "SpeedButtonScenaCopy", "SpeedButtonNewScenaPaste",
                             "ButtonScenaPaste", "SpeedButtonScenaDelete"})
        EXPECT_FALSE(get<QToolButton>(name)->isEnabled()) << name;
    seq().ModePlay(); // a double click plays twice
    seq().ModeStop();
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_TRUE(form->control<QMenu>("EditItem")->menuAction()->isEnabled());
    EXPECT_FALSE(paste->isEnabled()) << "paste waits for the next copy";
    EXPECT_FALSE(get<QToolButton>("ButtonScenaPaste")->isEnabled());
    EXPECT_TRUE(get<QToolButton>("SpeedButtonScenaDelete")->isEnabled());
}

TEST_F(Sequencer, DoubleClickRestartsFromTheFirstScene)
{
    engine->setSys(SysLastScene, 5);
    engine->setSys(SysCurrentScene, 4);
    auto *play = get<QToolButton>("SpeedButtonPlay");
    bringToFront(play);
    QTest::mouseDClick(play, Qt::LeftButton);
    EXPECT_EQ(load(engine->PlayMode), 1);
    EXPECT_EQ(engine->sys(SysCurrentScene), 0);
    EXPECT_EQ(form->labelStep()->text(), "1");
}

TEST_F(Sequencer, ClocksCountFromTheLastStartOrStop)
{
    seq().ModeStop();
    seq().showClockTick();
    EXPECT_EQ(get<QLabel>("LabelTimePause")->text(), QString::fromUtf8("Паузa = 0ч 0м 1с "));
    seq().ModePlay();
    for (int i = 0; i < 125; ++i)
        seq().showClockTick();
    EXPECT_EQ(get<QLabel>("LabelTimeShou")->text(), QString::fromUtf8("Шоу   = 0ч 2м 5с "));
    EXPECT_EQ(get<QLabel>("LabelTimePause")->text(), QString::fromUtf8("Паузa = 0ч 0м 1с ")) << "keeps its last text";
}

TEST_F(Sequencer, ClockRowShowsThePaneBehindItAndTheLongestTimesInFull)
{
    form->resize(895, 658);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto *pause = get<QLabel>("LabelTimePause");
    auto *show = get<QLabel>("LabelTimeShou");
    seq().ModeStop();
    seq().showClockTick();
    QTest::qWait(1);
    // The row paints its own background: the colour of the pane, as beside the tempo label.
    const QImage shot = form->grab().toImage();
    const auto blankOf = [&](QLabel *label) {
        return shot.pixelColor(label->mapTo(form.get(), QPoint(label->width() - 2, label->height() / 2)));
    };
    EXPECT_EQ(blankOf(pause), blankOf(get<QLabel>("LabelTemp")));

    for (QLabel *clock : {show, pause}) {
        const QString longest =
            clock == show ? QString::fromUtf8("Шоу   = 23ч 59м 59с ") : QString::fromUtf8("Паузa = 23ч 59м 59с ");
        EXPECT_LE(clock->fontMetrics().horizontalAdvance(longest), clock->contentsRect().width())
            << clock->objectName().toStdString();
    }
}

TEST_F(Sequencer, TempoIndicatorFlashesAtEachStep)
{
    auto *shape = get<ColorShape>("shpTempClikc1");
    const QColor rest = shape->brushColor();
    seq().TimerSeqveserTimer();
    EXPECT_NE(shape->brushColor(), rest);
    EXPECT_TRUE(seq().TimerColorLentaTempa().isActive());
    seq().TimerColorLentaTempaTimer();
    EXPECT_EQ(shape->brushColor(), rest);
    EXPECT_FALSE(seq().TimerColorLentaTempa().isActive());

    form->pageControlTemp()->setCurrentIndex(1);
    seq().TimerSeqveserTimer();
    EXPECT_EQ(shape->brushColor(), rest) << "behind the channel colour tab nothing flashes";
    EXPECT_FALSE(seq().TimerColorLentaTempa().isActive());
    form->pageControlTemp()->setCurrentIndex(0);
    seq().TimerSeqveserTimer();
    EXPECT_NE(shape->brushColor(), rest);
}

TEST_F(Sequencer, AStoredTempoOutsideTheSliderFollowsTheSlider)
{
    engine->setSys(SysTempo, 0);
    form->ReturnDataSystem();
    EXPECT_EQ(engine->sys(SysTempo), 10);
    EXPECT_EQ(seq().TimerSeqveser().interval(), 100);
    engine->setSys(SysTempo, 250);
    form->ReturnDataSystem();
    EXPECT_EQ(engine->sys(SysTempo), 170);
    EXPECT_EQ(seq().TimerSeqveser().interval(), 28900);
}

TEST_F(Sequencer, OnceASecondTheLinkStatusComesBeforeTheClock)
{
    QStringList order;
    seq().linkStatusRefresh = [&] { order << "link:" + get<QLabel>("LabelTimePause")->text(); };
    seq().ModeStop();
    EXPECT_EQ(seq().TimerShouClock().interval(), 1000);
    EXPECT_TRUE(seq().TimerShouClock().isActive());
    seq().TimerShouClockTimer();
    ASSERT_EQ(order.size(), 1);
    EXPECT_EQ(order[0], QString::fromUtf8("link:Время  Паузы  ")) << "the clock text follows the link refresh";
    EXPECT_EQ(get<QLabel>("LabelTimePause")->text(), QString::fromUtf8("Паузa = 0ч 0м 1с "));
}

TEST_F(Sequencer, BlackoutWhilePlayingClearsOnlyThePlayMode)
{
    engine->setSys(SysLastScene, 5);
    seq().ModePlay();
    seq().showClockTick();
    seq().showClockTick();
    click(get<QAbstractButton>("SpeedButtonBlackOut"));
    EXPECT_EQ(load(engine->PlayMode), 0);
    EXPECT_FALSE(get<QToolButton>("SpeedButtonScenaDelete")->isEnabled()) << "the editing locks stay";
    EXPECT_EQ(seq().clock().seconds, 2) << "the clock is not reset";
    seq().TimerSeqveserTimer();
    EXPECT_EQ(engine->sys(SysCurrentScene), 0) << "the sequencer no longer steps";
    seq().showClockTick();
    EXPECT_EQ(get<QLabel>("LabelTimePause")->text(), QString::fromUtf8("Паузa = 0ч 0м 3с "))
        << "the pause label goes on from the show time reached";
}

TEST_F(Sequencer, FourTapsHalfASecondApartSetTheTempoWhilePlaying)
{
    TapTempo::Clock::time_point now{};
    form->control().setClock([&now] { return now; });
    click(form->control<QToolButton>("SpeedButtonPlay"));
    ASSERT_TRUE(seq().TimerSeqveser().isActive());
    QToolButton *tap = get<QToolButton>("SpeedButtonTap");
    for (int i = 0; i < 4; ++i, now += std::chrono::milliseconds(500))
        QTest::mousePress(tap, Qt::LeftButton), QTest::mouseRelease(tap, Qt::LeftButton);
    EXPECT_EQ(form->scrollBarTemp()->value(), 22);
    EXPECT_EQ(engine->sys(SysTempo), 22);
    EXPECT_EQ(form->labelTemp()->text().simplified(), QString::fromUtf8("123 Сцен/мин"));
    EXPECT_TRUE(seq().TimerSeqveser().isActive()) << "still playing";
    EXPECT_EQ(seq().TimerSeqveser().interval(), 484);
}
