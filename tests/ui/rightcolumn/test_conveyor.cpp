// The conveyor of show files: slot files by right click, hand mode, the list
// run at the sequencer's wraps, clearing, and a slot whose file is gone.
#include "ui/live_fixture.h"

#include <QFont>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include "control/ControlLayer.h"
#include "support/ShowBytes.h"
#include "ui/rightcolumn/ConveyorControl.h"

using namespace korvanel;

namespace {

class Conveyor : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    QToolButton *slot(int n) { return form->conveyor()->slotButton(n); }
    QToolButton *mode(const char *name) { return get<QToolButton>(name); }
    ConveyorControl &conveyor() { return *form->conveyorControl(); }
    QString label() { return get<QLabel>("LabelKonveyr")->text(); }
    // A show file in the slot, as a right click with the dialog answered would put it.
    QString assign(int n, const QString &fileName, unsigned char marker, unsigned char last = 0)
    {
        const QString path = dir.filePath(fileName);
        writeFile(path, liveShow(marker, last));
        dialogs->fileNames = {path};
        QTest::mouseClick(slot(n), Qt::RightButton);
        return path;
    }
    int loadedMarker() { return engine->level(0, 1); }
    bool navy(QToolButton *button)
    {
        return button->palette().color(QPalette::ButtonText) == QColor(0, 0, 128) && button->font().bold();
    }
    // One sequencer period of a playing show whose last scene is 0: a wrap.
    void wrap()
    {
        engine->setSys(SysCurrentScene, engine->sys(SysLastScene));
        form->sequencer()->TimerSeqveserTimer();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Conveyor, RightClickAssignsAFileWithoutLoadingIt)
{
    engine->SceneMemory.set(sceneByte(0, 1), 5);
    QTest::mouseClick(slot(2), Qt::RightButton); // cancelled
    EXPECT_EQ(slot(2)->text(), "(пусто)");
    EXPECT_TRUE(engine->ConveyorFiles[1].empty());

    const QString path = assign(2, "concert1.kvl", 40);
    EXPECT_EQ(dialogs->shown.last(), "open: Открыть Шоу");
    EXPECT_EQ(QString::fromStdString(engine->ConveyorFiles[1]), path);
    EXPECT_EQ(slot(2)->text(), "W=concert");
    EXPECT_TRUE(navy(slot(2)));
    EXPECT_FALSE(slot(2)->isChecked()) << "the right button does not make the slot active";
    EXPECT_EQ(loadedMarker(), 5) << "nothing loaded";
    EXPECT_TRUE(conveyor().assigned(2));

    assign(20, "finale.kvl", 1);
    EXPECT_EQ(slot(20)->text(), " finale");
}

TEST_F(Conveyor, HandModeMakesOneSlotActiveAndLoadsItsShow)
{
    slot(4)->setChecked(true);
    tap(Qt::Key_Q); // slot 1 is empty
    EXPECT_TRUE(slot(1)->isChecked());
    EXPECT_FALSE(slot(4)->isChecked());
    EXPECT_TRUE(dialogs->shown.isEmpty());
    EXPECT_EQ(label(), "No job");

    assign(3, "concert1.kvl", 30, 4);
    form->sequencer()->ModePlay();
    engine->setSys(SysCurrentScene, 2);
    click(slot(3));
    EXPECT_TRUE(slot(3)->isChecked());
    EXPECT_FALSE(slot(1)->isChecked());
    EXPECT_EQ(loadedMarker(), 30);
    EXPECT_EQ(engine->currentScene(), 0);
    EXPECT_EQ(label(), "concert");
    EXPECT_EQ(load(engine->PlayMode), 1) << "a running show goes on with the new one";
    EXPECT_EQ(form->labelCoda()->text(), "5") << "the window shows the loaded show";

    click(slot(3)); // down again, not toggled up
    EXPECT_TRUE(slot(3)->isChecked());
}

TEST_F(Conveyor, ListRunOverSlots2_5_9)
{
    assign(2, "two.kvl", 20);
    assign(5, "five.kvl", 50);
    assign(9, "nine.kvl", 90);
    assign(7, "seven.kvl", 70); // assigned but not active
    click(mode("SpeedButtonKonvOff"));
    for (int n : {2, 5, 9, 12}) // 12 is active but empty
        click(slot(n));
    tap(Qt::Key_E); // a key does nothing outside hand mode
    EXPECT_FALSE(slot(3)->isChecked());

    click(mode("SpeedButtonKonvSpisBegin"));
    EXPECT_EQ(load(engine->PlayMode), 1);
    EXPECT_EQ(loadedMarker(), 20);
    EXPECT_EQ(label(), "2 two");
    EXPECT_EQ(conveyor().KonveyrPosition, 3);

    wrap();
    EXPECT_EQ(loadedMarker(), 50);
    EXPECT_EQ(label(), "5 five");
    wrap();
    EXPECT_EQ(loadedMarker(), 90);
    EXPECT_EQ(label(), "9 nine");
    engine->SceneMemory.set(sceneByte(0, 1), 91); // to see that nothing is loaded
    wrap();
    EXPECT_EQ(loadedMarker(), 91) << "no active slot after 9: the show plays once more";
    EXPECT_EQ(label(), "9 nine");
    EXPECT_EQ(conveyor().KonveyrPosition, 1);
    wrap();
    EXPECT_EQ(loadedMarker(), 20);
    EXPECT_EQ(label(), "2 two");

    // Clicking a slot in a list mode only toggles it.
    click(slot(5));
    EXPECT_FALSE(slot(5)->isChecked());
    EXPECT_EQ(loadedMarker(), 20);
}

TEST_F(Conveyor, Slot20HasNoKeyAndIsFollowedByPosition1)
{
    assign(20, "last.kvl", 200);
    click(mode("SpeedButtonKonvOff"));
    click(slot(20));
    conveyor().KonveyrPosition = 14;
    click(mode("SpeedButtonKonvSpis"));
    EXPECT_EQ(loadedMarker(), 200);
    EXPECT_EQ(label(), "20 last");
    EXPECT_EQ(conveyor().KonveyrPosition, 1);

    click(mode("SpeedButtonKonvHand"));
    EXPECT_EQ(load(engine->PlayMode), 0) << "hand mode stops the show";
    engine->SceneMemory.set(sceneByte(0, 1), 0);
    conveyor().KonveyrButtonOff();
    for (Qt::Key key : {Qt::Key_BracketLeft, Qt::Key_Semicolon, Qt::Key_Slash, Qt::Key_Backslash})
        tap(key);
    EXPECT_EQ(loadedMarker(), 0);
    EXPECT_FALSE(slot(20)->isChecked());
}

TEST_F(Conveyor, ClearingAsksAndDoesNotStopARunningList)
{
    assign(1, "one.kvl", 10);
    assign(20, "end.kvl", 30);
    click(mode("SpeedButtonKonvOff"));
    click(slot(1));
    click(mode("SpeedButtonKonvSpisBegin"));
    ASSERT_EQ(loadedMarker(), 10);

    click(get<QToolButton>("SpeedButtonKonvNew")); // answered No
    EXPECT_EQ(dialogs->shown.last(), "question: Удалить все файлы конвейра ? ");
    EXPECT_EQ(slot(1)->text(), "Q=one");

    dialogs->yesNoAnswers = {true};
    click(get<QToolButton>("SpeedButtonKonvNew"));
    EXPECT_EQ(slot(1)->text(), "Q (пусто)");
    EXPECT_EQ(slot(19)->text(), "L (пусто)");
    EXPECT_EQ(slot(20)->text(), "(пусто)");
    EXPECT_EQ(slot(1)->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    EXPECT_FALSE(slot(1)->font().bold());
    EXPECT_FALSE(slot(1)->isChecked());
    EXPECT_TRUE(engine->ConveyorFiles[0].empty());
    EXPECT_EQ(conveyor().KonveyrPosition, 2) << "the position stays";
    EXPECT_EQ(load(engine->PlayMode), 1);

    engine->setSys(SysLastScene, 1);
    engine->setSys(SysCurrentScene, 1);
    form->sequencer()->TimerSeqveserTimer();
    EXPECT_EQ(engine->currentScene(), 0) << "the current show restarts";
    EXPECT_EQ(loadedMarker(), 10);
    EXPECT_EQ(load(engine->PlayMode), 1);
}

TEST_F(Conveyor, AShowThatIsGoneIsReportedAndTheRunGoesOn)
{
    const QString gone = assign(3, "gone.kvl", 33);
    assign(6, "six.kvl", 60);
    QFile::remove(gone);
    click(mode("SpeedButtonKonvOff"));
    click(slot(3));
    click(slot(6));
    engine->SceneMemory.set(sceneByte(0, 1), 7);
    engine->setSys(SysCurrentScene, 0);

    click(mode("SpeedButtonKonvSpisBegin"));
    EXPECT_TRUE(form->StatusPanel0()->text().endsWith("Файл ШОУ не найден "));
    EXPECT_EQ(loadedMarker(), 7) << "the show in memory stays";
    EXPECT_EQ(label(), QString::fromUtf8("3 gone не загружен"));
    EXPECT_EQ(load(engine->PlayMode), 1);
    wrap();
    EXPECT_EQ(loadedMarker(), 60);
    EXPECT_EQ(label(), "6 six");

    // By hand, too: the slot's show is not the one on.
    click(mode("SpeedButtonKonvHand"));
    click(slot(3));
    EXPECT_EQ(label(), QString::fromUtf8("gone не загружен"));
    EXPECT_EQ(loadedMarker(), 60);
}

TEST_F(Conveyor, ALoadAsksNothingAndFirstKeepsUnsavedEditsInARecoveryCopy)
{
    engine->files.AutoSaveFileName = dir.filePath("lightTemp.kvl").toStdString();
    assign(1, "one.kvl", 10);
    assign(2, "two.kvl", 20);
    assign(3, "three.kvl", 30);
    tap(Qt::Key_Q);
    ASSERT_EQ(loadedMarker(), 10);
    const QString copy = dir.filePath("one.recovered.kvl");
    EXPECT_FALSE(QFile::exists(copy)) << "nothing edited: no copy";

    form->control().apply({WindowSource, command::FaderLevel{2, 123}});
    dialogs->shown.clear();
    tap(Qt::Key_W);
    EXPECT_EQ(loadedMarker(), 20);
    EXPECT_TRUE(dialogs->shown.isEmpty());
    EXPECT_EQ(fileByte(copy, 16384 + 2), 123);
    EXPECT_TRUE(form->StatusPanel0()->text().contains(copy));
    EXPECT_EQ(readFile(dir.filePath("one.kvl")), liveShow(10)) << "the show's own file stays";

    // A list's step at the wrap is a load too.
    click(mode("SpeedButtonKonvOff"));
    click(slot(2)); // up
    click(slot(3));
    engine->SceneMemory.set(rateByte(5), 3);
    click(mode("SpeedButtonKonvSpis"));
    EXPECT_EQ(loadedMarker(), 30);
    EXPECT_EQ(fileByte(dir.filePath("two.recovered.kvl"), rateByte(5)), 3);
    EXPECT_TRUE(dialogs->shown.isEmpty());
}
