// Recording static pictures in their window, with the main window's fader
// page as the editor of the picture buffer.
#include "ui/live_fixture.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>

#include "support/ShowBytes.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/rightcolumn/RateModeGroup.h"

using namespace korvanel;

namespace {

class StaticPictures : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        // The show's own scene 0, rates, selection and current scene.
        engine->SceneMemory.set(sceneByte(0, 1), 11);
        engine->SceneMemory.set(sceneByte(0, 2), 22);
        engine->SceneMemory.set(sceneByte(3, 1), 77);
        engine->SceneMemory.set(sceneByte(3, 4), 44);
        engine->SceneMemory.set(rateByte(1), 8);
        engine->setSys(SysLastScene, 5);
        engine->setSys(SysCurrentScene, 3);
        form->faderPage()->checkBox(6)->setChecked(true);
        form->ReturnPageControlAll();
    }
    void open() { click(get<QToolButton>("SpeedButtonRECORD")); }
    QToolButton *button(const char *name) { return staticForm->findChild<QToolButton *>(name); }
    void pressIn(const char *name)
    {
        QToolButton *b = button(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    bool selected(std::size_t c) { return engine->SceneMemory.get(selectionByte(c)) == 1; }
    QScrollBar *sceneChoice() { return staticForm->findChild<QScrollBar *>("ScrollBar1"); }
    QString sceneLabel() { return staticForm->findChild<QLabel *>("Label1")->text(); }
    // A picture of k: member channels with levels.
    std::vector<std::pair<int, int>> members(std::size_t k)
    {
        std::vector<std::pair<int, int>> found;
        for (std::size_t c = 0; c < RowSize; ++c) {
            if (engine->SceneMemory.get(pictureFlag(k, c)) == 1)
                found.emplace_back(int(c), engine->SceneMemory.get(pictureLevel(k, c)));
        }
        return found;
    }
};

} // namespace

TEST_F(StaticPictures, OpeningStopsPlaybackAndMakesSceneZeroAnEmptyBufferOnOutput)
{
    form->sequencer()->ModePlay();
    open();
    EXPECT_TRUE(staticForm->isVisible());
    EXPECT_EQ(staticForm->windowTitle(), "Статические картинки");
    EXPECT_EQ(load(engine->PlayMode), 0);
    EXPECT_EQ(engine->currentScene(), 0);
    EXPECT_EQ(engine->level(0, 1), 0);
    EXPECT_EQ(engine->level(3, 1), 77) << "other scenes stay";
    EXPECT_FALSE(selected(6));
    EXPECT_FALSE(form->faderPage()->checkBox(6)->isChecked());
    EXPECT_TRUE(get<QToolButton>("SpeedButtonPlay")->isHidden());
    EXPECT_EQ(form->radioGroupRate()->itemIndex(), 2);
    EXPECT_EQ(form->labelStep()->text(), "1");
    EXPECT_EQ(staticForm->windowHandle()->transientParent(), form->windowHandle()) << "kept above the main window";

    // What the faders set goes to the output at once, from the buffer.
    form->faderPage()->scrollBar(2)->setValue(130);
    EXPECT_EQ(engine->level(0, 2), 130);
    EXPECT_EQ(frame(2), 130);
}

TEST_F(StaticPictures, WriteAndReadThroughTheButtons)
{
    storePicture(1, 40, 99);
    open();
    // Nothing selected: the picture written is empty, and reading it gives a black buffer.
    form->faderPage()->scrollBar(3)->setValue(200);
    pressIn("SpeedButton16"); // write picture 1 ("2")
    EXPECT_TRUE(members(1).empty());
    EXPECT_EQ(engine->SceneMemory.get(pictureLevel(1, 3)), 200) << "levels are stored all the same";
    EXPECT_TRUE(button("SpeedButton27")->isChecked()) << "the read group shows no picture";
    EXPECT_TRUE(button("SpeedButton16")->isChecked());
    pressIn("SpeedButton2");
    EXPECT_EQ(engine->level(0, 3), 0);
    EXPECT_TRUE(button("SpeedButton28")->isChecked()) << "the write group shows no picture";

    // Members only come back; the rest of the buffer is 0 whatever was stored.
    engine->SceneMemory.set(pictureFlag(9, 3), 1);
    engine->SceneMemory.set(pictureLevel(9, 3), 55);
    engine->SceneMemory.set(pictureLevel(9, 4), 66);
    pressIn("SpeedButtonZ");
    EXPECT_EQ(engine->level(0, 3), 55);
    EXPECT_EQ(engine->level(0, 4), 0);
    EXPECT_TRUE(form->faderPage()->checkBox(3)->isChecked());
    EXPECT_EQ(form->faderPage()->scrollBar(3)->value(), 55);

    // Ticking a channel on the fader page makes it a member of the next write.
    form->faderPage()->checkBox(8)->setChecked(true);
    form->faderPage()->scrollBar(8)->setValue(88);
    pressIn("SpeedButton21"); // write M
    EXPECT_EQ(members(15), (std::vector<std::pair<int, int>>{{3, 55}, {8, 88}}));
}

TEST_F(StaticPictures, SceneChoiceCopiesAShowSceneAndKeepsTheBufferAtItsEnd)
{
    open();
    pressIn("SpeedButton5");
    sceneChoice()->setValue(2);
    EXPECT_EQ(sceneLabel(), "3");
    EXPECT_EQ(engine->level(0, 1), 77);
    EXPECT_EQ(engine->level(0, 4), 44);
    EXPECT_TRUE(button("SpeedButton27")->isChecked());
    EXPECT_EQ(form->faderPage()->scrollBar(1)->value(), 77);

    form->faderPage()->checkBox(1)->setChecked(true);
    form->faderPage()->scrollBar(1)->setValue(12);
    sceneChoice()->setValue(255);
    EXPECT_EQ(sceneLabel(), "256");
    EXPECT_EQ(engine->level(0, 1), 12) << "the buffer keeps its levels";
    EXPECT_FALSE(selected(1));
    EXPECT_FALSE(form->faderPage()->checkBox(1)->isChecked());
}

TEST_F(StaticPictures, EraseTheBufferThenUndo)
{
    storePicture(4, 10, 10);
    open();
    form->faderPage()->checkBox(2)->setChecked(true);
    form->faderPage()->scrollBar(2)->setValue(70);

    pressIn("SpeedButtonDel1"); // answered No
    EXPECT_EQ(dialogs->shown.last(), "question: Удалить статическую картинку?");
    EXPECT_EQ(engine->level(0, 2), 70);
    EXPECT_FALSE(button("SpeedButtonUndoSt")->isEnabled());

    dialogs->yesNoAnswers = {true};
    pressIn("SpeedButtonDel1");
    EXPECT_EQ(engine->level(0, 2), 0);
    EXPECT_FALSE(selected(2));
    EXPECT_FALSE(form->faderPage()->checkBox(2)->isChecked());
    EXPECT_EQ(form->faderPage()->scrollBar(2)->value(), 0);
    EXPECT_EQ(members(4), (std::vector<std::pair<int, int>>{{10, 10}})) << "stored pictures untouched";

    // Undo brings buffer and selection back even with another page shown.
    form->pageControlInput()->setCurrentIndex(3);
    pressIn("SpeedButtonUndoSt");
    EXPECT_FALSE(button("SpeedButtonUndoSt")->isEnabled());
    EXPECT_EQ(engine->level(0, 2), 70);
    EXPECT_TRUE(selected(2));
    EXPECT_TRUE(form->faderPage()->checkBox(2)->isChecked()) << "the next write must not store a stale box";
}

TEST_F(StaticPictures, EraseAllThenUndoBringsEveryPictureBack)
{
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        storePicture(k, k + 1, static_cast<std::uint8_t>(k + 100));
    open();
    dialogs->yesNoAnswers = {true};
    pressIn("SpeedButtonDelAll");
    EXPECT_EQ(dialogs->shown.last(), "question: Удалить все Статические картинки?");
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        EXPECT_TRUE(members(k).empty()) << k;
    pressIn("SpeedButtonUndoSt");
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        EXPECT_EQ(members(k), (std::vector<std::pair<int, int>>{{int(k) + 1, int(k) + 100}})) << k;
}

TEST_F(StaticPictures, ClosingGivesTheShowItsSceneZeroRatesSelectionAndCurrentSceneBack)
{
    open();
    sceneChoice()->setValue(2); // scene 3 copied into the buffer
    form->faderPage()->checkBox(1)->setChecked(true);
    engine->SceneMemory.set(rateByte(1), 250);
    pressIn("SpeedButton23"); // written to "8"

    staticForm->close();
    EXPECT_EQ(engine->level(0, 1), 11);
    EXPECT_EQ(engine->level(0, 2), 22);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(1)), 8);
    EXPECT_EQ(engine->currentScene(), 3);
    EXPECT_TRUE(selected(6));
    EXPECT_FALSE(selected(1));
    EXPECT_TRUE(form->faderPage()->checkBox(6)->isChecked());
    EXPECT_FALSE(get<QToolButton>("SpeedButtonPlay")->isHidden());
    EXPECT_EQ(form->labelStep()->text(), "4");
    EXPECT_EQ(form->radioGroupRate()->itemIndex(), 2) << "the crossfade choice is not put back";
    EXPECT_EQ(members(7), (std::vector<std::pair<int, int>>{{1, 77}})) << "the picture written stays in the show";
    EXPECT_EQ(frame(1), 77);
}

TEST_F(StaticPictures, OpeningAgainBringsTheWindowForwardWithoutLosingSceneZero)
{
    open();
    form->faderPage()->scrollBar(1)->setValue(66);
    activate(form.get());
    get<QAction>("ChaserItem")->trigger();
    EXPECT_TRUE(staticForm->isVisible());
    EXPECT_EQ(engine->level(0, 1), 66) << "the buffer is not emptied again";
    staticForm->close();
    EXPECT_EQ(engine->level(0, 1), 11);
    EXPECT_EQ(engine->currentScene(), 3);
}

TEST_F(StaticPictures, LeavingTheProgramWhileRecordingRestoresTheShowFirst)
{
    open();
    form->faderPage()->scrollBar(1)->setValue(66);
    form->close();
    EXPECT_FALSE(staticForm->isVisible());
    EXPECT_EQ(engine->level(0, 1), 11);
    EXPECT_EQ(engine->currentScene(), 3);
}

TEST_F(StaticPictures, AShowLoadedWhileRecordingKeepsItsOwnSceneZero)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("other.kvl");
    writeFile(path, liveShow(150, 2));
    engine->ConveyorFiles[0] = path.toStdString();
    open();
    activate(form.get());
    tap(Qt::Key_Q); // hand mode: slot 1's show is loaded
    ASSERT_EQ(engine->level(0, 1), 150);
    EXPECT_FALSE(staticForm->isVisible());
    EXPECT_FALSE(get<QToolButton>("SpeedButtonPlay")->isHidden());
    staticForm->close();
    EXPECT_EQ(engine->level(0, 1), 150);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(1)), 255);

    open();
    get<QAction>("NewItem")->trigger(); // answered No: nothing happens
    dialogs->yesNoAnswers = {true};
    dialogs->fileNames = {dir.filePath("saved.kvl")};
    get<QAction>("NewItem")->trigger();
    EXPECT_FALSE(staticForm->isVisible());
    EXPECT_EQ(engine->level(0, 1), 0) << "the new show stays empty";
}

TEST_F(StaticPictures, SavingWhileRecordingWritesTheShowNotTheBuffer)
{
    QTemporaryDir dir;
    open();
    sceneChoice()->setValue(2); // scene 3 into the buffer
    ASSERT_EQ(engine->level(0, 1), 77);
    form->setSaveDialogFileName(dir.filePath("show.kvl"));
    form->control<QAction>("SaveItem")->trigger();
    engine->files.AutoSaveFileName = dir.filePath("backup.kvl").toStdString();
    form->showFiles()->TimerAvtoSaveTimer();

    for (const char *name : {"show.kvl", "backup.kvl"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        ASSERT_EQ(bytes.size(), 81920) << name;
        EXPECT_EQ(static_cast<std::uint8_t>(bytes[int(sceneByte(0, 1))]), 11) << name << ": the show's own scene 0";
        EXPECT_EQ(static_cast<std::uint8_t>(bytes[int(sceneByte(0, 2))]), 22) << name;
        EXPECT_EQ(static_cast<std::uint8_t>(bytes[int(rateByte(1))]), 8) << name;
        EXPECT_EQ(static_cast<std::uint8_t>(bytes[int(SysCurrentScene)]), 3) << name;
        EXPECT_EQ(static_cast<std::uint8_t>(bytes[int(selectionByte(6))]), 1) << name;
    }
    EXPECT_EQ(engine->level(0, 1), 77) << "the buffer stays in memory while recording goes on";

    staticForm->close();
    EXPECT_FALSE(form->showFiles()->borrowedRows) << "after recording, saves write memory as it is";
}

TEST_F(StaticPictures, UndoBelongsToTheRecordingItWasTakenIn)
{
    // After an erase the window is closed: its undo is gone, and the main
    // window's undo no longer holds the buffer as scene 0.
    open();
    form->faderPage()->scrollBar(2)->setValue(70);
    dialogs->yesNoAnswers = {true};
    pressIn("SpeedButtonDel1");
    click(get<QToolButton>("SpeedButtonMem1")); // a main-window snapshot while recording
    staticForm->close();
    EXPECT_FALSE(button("SpeedButtonUndoSt")->isEnabled());
    click(form->speedButtonUndo1());
    EXPECT_EQ(engine->level(0, 1), 11) << "the show's scene 0";
    EXPECT_EQ(engine->currentScene(), 3);
    EXPECT_TRUE(form->faderPage()->checkBox(6)->isChecked());

    // An erase, then New: the window's undo must not copy the old show over the new one.
    open();
    dialogs->yesNoAnswers = {true};
    pressIn("SpeedButtonDel1");
    dialogs->yesNoAnswers = {true};
    get<QAction>("NewItem")->trigger(); // the offered save is cancelled
    EXPECT_FALSE(button("SpeedButtonUndoSt")->isEnabled());
    EXPECT_EQ(engine->level(3, 1), 0);
}
