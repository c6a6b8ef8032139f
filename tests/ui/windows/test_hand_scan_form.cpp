// The hand-scan pad with the mouse: levels from the corners, the inversions and
// the swap, the selected channel pairs, and priority only while it is active.
#include "ui/live_fixture.h"

#include <QAction>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

#include "ui/pages/faders/FaderPage.h"

using namespace korvanel;

namespace {

class HandScan : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        click(get<QToolButton>("SpeedButtonAREA"));
        ASSERT_TRUE(handScan->isVisible());
    }
    QCheckBox *box(const char *name) { return handScan->findChild<QCheckBox *>(name); }
    QString xCaption() { return box("CheckBoxX")->text(); }
    QString yCaption() { return box("CheckBoxY")->text(); }
    // Mouse events on the pad as the window delivers them (QTest would take the corner 0,0 for "no position").
    void mouse(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held)
    {
        const QPointF at(x, y);
        QMouseEvent event(type, at, handScan->pad()->mapToGlobal(at), button, held, {});
        QCoreApplication::sendEvent(handScan->pad(), &event);
    }
    void pressAt(int x, int y) { mouse(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton); }
    void releaseAt(int x, int y) { mouse(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton); }
    void moveTo(int x, int y, Qt::MouseButtons held) { mouse(QEvent::MouseMove, x, y, Qt::NoButton, held); }
    void select(std::initializer_list<std::size_t> channels)
    {
        for (std::size_t c : channels)
            engine->SceneMemory.set(selectionByte(c), 1);
        form->faderPage()->CheckBoxFromMemory();
    }
    std::pair<int, int> output() { return {load(engine->live.HandScanX), load(engine->live.HandScanY)}; }
};

} // namespace

TEST_F(HandScan, CornersInversionsAndSwap)
{
    EXPECT_EQ(handScan->palette().color(QPalette::Window), QColor(200, 200, 255));
    pressAt(0, 0);
    EXPECT_EQ(xCaption(), "X=0");
    EXPECT_EQ(yCaption(), "Y=255");
    EXPECT_EQ(output(), std::make_pair(0, 255));
    releaseAt(0, 0);
    pressAt(255, 255);
    EXPECT_EQ(output(), std::make_pair(255, 0));
    releaseAt(255, 255);

    box("CheckBoxX")->setChecked(true);
    box("CheckBoxY")->setChecked(true);
    pressAt(0, 0);
    EXPECT_EQ(xCaption(), "X=255");
    EXPECT_EQ(yCaption(), "Y=0");
    releaseAt(0, 0);

    box("CheckBoxX")->setChecked(false);
    box("CheckBoxY")->setChecked(false);
    box("CheckBoxX_Y")->setChecked(true);
    pressAt(10, 55);
    EXPECT_EQ(xCaption(), "X=200") << "X shows the vertical value";
    EXPECT_EQ(yCaption(), "Y=10");
    EXPECT_EQ(output(), std::make_pair(200, 10));
    // The marker's centre one pixel right of and below the cursor.
    const QPoint cursor = handScan->pad()->geometry().topLeft() + QPoint(10, 55);
    EXPECT_EQ(handScan->marker()->pos() + QPoint(10, 10), cursor + QPoint(1, 1));
}

TEST_F(HandScan, SelectedPairsTakeXAndYInTheCurrentScene)
{
    engine->setSys(SysLastScene, 3);
    engine->setSys(SysCurrentScene, 2);
    select({10, 11, 20});
    pressAt(100, 55); // X = 100, Y = 200
    EXPECT_FALSE(engine->SceneMemory.get(selectionByte(11)) == 1);
    EXPECT_FALSE(form->faderPage()->checkBox(11)->isChecked());
    EXPECT_TRUE(form->faderPage()->checkBox(10)->isChecked());
    EXPECT_EQ(engine->level(2, 10), 100);
    EXPECT_EQ(engine->level(2, 11), 200);
    EXPECT_EQ(engine->level(2, 20), 100);
    EXPECT_EQ(engine->level(2, 21), 200);
    EXPECT_EQ(form->faderPage()->scrollBar(21)->value(), 200) << "the faders show what was written";

    // Dragging past the edge holds the levels at the ends.
    moveTo(-30, 400, Qt::LeftButton);
    EXPECT_EQ(engine->level(2, 10), 0);
    EXPECT_EQ(engine->level(2, 11), 0);
    moveTo(900, -9, Qt::LeftButton);
    EXPECT_EQ(engine->level(2, 10), 255);
    EXPECT_EQ(engine->level(2, 11), 255);
    releaseAt(255, 0);

    // Without a button only the captions follow.
    moveTo(128, 128, Qt::NoButton);
    EXPECT_EQ(xCaption(), "X=128");
    EXPECT_EQ(yCaption(), "Y=127");
    EXPECT_EQ(engine->level(2, 10), 255);
    EXPECT_EQ(output(), std::make_pair(255, 255));

    // While playing the scene is left alone; the levels still follow.
    form->sequencer()->ModePlay();
    pressAt(5, 250);
    EXPECT_EQ(output(), std::make_pair(5, 5));
    EXPECT_EQ(engine->level(2, 10), 255);
}

TEST_F(HandScan, PriorityForcesThePairsOnlyWhileThePadIsActive)
{
    select({30});
    engine->SceneMemory.set(sceneByte(0, 30), 1);
    pressAt(64, 0);
    releaseAt(64, 0);
    form->sequencer()->ModePlay();
    ASSERT_TRUE(QTest::qWaitForWindowActive(handScan.get()));
    QCheckBox *priority = box("CheckBoxManualArea");
    EXPECT_EQ(priority->text(), "Приоритет");
    priority->setChecked(true);
    EXPECT_EQ(load(engine->live.HandScanActive), 1);
    EXPECT_EQ(frame(30), 64);
    EXPECT_EQ(frame(31), 255);
    form->checkBoxBlackOut()->setChecked(true);
    EXPECT_EQ(frame(30), 0) << "blackout wins";
    form->checkBoxBlackOut()->setChecked(false);

    activate(form.get());
    EXPECT_FALSE(priority->isChecked());
    EXPECT_EQ(load(engine->live.HandScanActive), 0);

    // Coming back to the pad does not bring priority back by itself.
    activate(handScan.get());
    EXPECT_FALSE(priority->isChecked());
}
