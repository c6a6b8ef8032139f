#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/form_fixture.h"
#include "ui/mainwindow/MouseWheel.h"
#include "ui/pages/faders/FaderPage.h"

using namespace korvanel;

namespace {

class Rates : public FormTest {
protected:
    void SetUp() override
    {
        initialiseAtStart(*engine);
        form->ClearAll();
        form->ReturnPageControlAll();
    }
    QScrollBar *rate(int k) { return form->faderPage()->rateBar(k); }
    void select(std::size_t channel) { engine->SceneMemory.set(selectionByte(channel), 1); }
    void wheel(QWidget *over, int delta)
    {
        QWheelEvent event(QPointF(2, 2), over->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    }
};

} // namespace

TEST_F(Rates, ANewShowJumpsAndEachFaderSetsItsChannelsStep)
{
    for (int k = 1; k <= 27; ++k)
        ASSERT_EQ(rate(k)->value(), 7) << k;
    EXPECT_EQ(engine->SceneMemory.get(rateByte(5)), 255);

    form->scrolbarVertPos()->setValue(10);
    rate(3)->setValue(4);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(13)), 20);
    EXPECT_EQ(get<QLabel>("LabelRate")->text(), "1");
    rate(3)->setValue(0);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(13)), 1);
    EXPECT_EQ(get<QLabel>("LabelRate")->text(), "15");
}

TEST_F(Rates, AStoredStepShowsItsPresetAndStaysAsStoredUntilTheSliderIsMoved)
{
    rate(2)->setValue(6);
    engine->SceneMemory.set(rateByte(2), 3);
    engine->SceneMemory.set(rateByte(4), 0);
    const QString shownRate = get<QLabel>("LabelRate")->text();
    form->ReturnPageControlAll();
    EXPECT_EQ(rate(2)->value(), 2);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(2)), 3) << "showing a step must not rewrite it";
    EXPECT_EQ(rate(4)->value(), 0);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(4)), 0);
    EXPECT_EQ(get<QLabel>("LabelRate")->text(), shownRate);
    rate(2)->setValue(3);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(2)), 8);
}

TEST_F(Rates, SelectedChannelsTakeTheRateAndTheLevel)
{
    // The visible page's boxes are stored first, so a visible channel is chosen by its box.
    form->faderPage()->checkBox(1)->setChecked(true);
    select(200);
    select(2); // visible but its box is clear: the box wins
    auto *rateLevel = get<QScrollBar>("ScrollBarRateLeuel");
    EXPECT_EQ(rateLevel->value(), 7);
    rateLevel->setValue(3);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(1)), 8);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(200)), 8);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(2)), 255);
    EXPECT_EQ(engine->sys(SysRateLevel), 8);
    EXPECT_EQ(rate(1)->value(), 3);

    auto *level = get<QScrollBar>("ScrollBarLevelAll");
    EXPECT_EQ(level->value(), 127);
    engine->setSys(SysCurrentScene, 1);
    store(engine->PlayMode, 1); // it edits the current scene while playing too
    level->setValue(90);
    EXPECT_EQ(engine->level(1, 1), 90);
    EXPECT_EQ(engine->level(1, 200), 90);
    EXPECT_EQ(engine->level(1, 2), 0);
    EXPECT_EQ(engine->level(0, 1), 0) << "only the current scene";
}

TEST_F(Rates, LevelSliderWithNothingSelectedChangesNothing)
{
    get<QScrollBar>("ScrollBarLevelAll")->setValue(200);
    for (std::size_t c = 1; c <= ChannelCount; ++c)
        ASSERT_EQ(engine->level(0, c), 0) << c;
}

TEST_F(Rates, WheelPagesTheFadersAndAFastTurnJumpsToTheEnd)
{
    form->show();
    QWidget *over = form->faderPage()->numberLabel(5);
    wheel(over, 120);
    EXPECT_EQ(form->scrolbarVertPos()->value(), 1);
    EXPECT_EQ(load(engine->FaderPageOffset), 1);
    wheel(over, -120);
    EXPECT_EQ(form->scrolbarVertPos()->value(), 0);
    wheel(over, 360);
    EXPECT_EQ(form->scrolbarVertPos()->value(), 228);
    wheel(over, -360);
    EXPECT_EQ(form->scrolbarVertPos()->value(), 0);

    form->pageControlInput()->setCurrentIndex(4);
    wheel(form->pageControlInput()->currentWidget(), 120);
    EXPECT_EQ(form->scrolbarVertPos()->value(), 0) << "other pages: nothing";
}
