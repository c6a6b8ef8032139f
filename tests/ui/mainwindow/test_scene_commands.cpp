// Scene commands through the window: buttons, menu items and tool buttons,
// the paste buffer, the snapshot/undo pairs and the step slider.
#include "ui/scene_fixture.h"

#include <QAction>
#include <QMenu>

#include "ui/mainwindow/SceneCommands.h"

namespace {

using namespace korvanel;

class SceneCommandsTest : public SceneFormTest {
protected:
    QAction *item(const char *name) { return get<QAction>(name); }
    QToolButton *button(const char *name) { return get<QToolButton>(name); }
    std::vector<bool> undoEnabled()
    {
        return {form->speedButtonUndo1()->isEnabled(), form->speedButtonUndo3()->isEnabled(),
                form->speedButtonUndo4()->isEnabled(), form->speedButtonUndo5()->isEnabled()};
    }
    std::vector<std::uint8_t> memory() const
    {
        std::vector<std::uint8_t> bytes(SceneMemorySize);
        engine->SceneMemory.copyTo(bytes);
        return bytes;
    }
    const std::vector<bool> allOn{true, true, true, true};
    const std::vector<bool> allOff{false, false, false, false};
};

TEST_F(SceneCommandsTest, FirstCopyEnablesThePasteControlsAndNamesTheScene)
{
    auto *newPaste = button("SpeedButtonNewScenaPaste");
    auto *paste = button("ButtonScenaPaste");
    EXPECT_FALSE(newPaste->isEnabled());
    EXPECT_FALSE(paste->isEnabled());
    EXPECT_FALSE(item("NewPasteItem")->isEnabled());
    EXPECT_FALSE(item("PasteFromBufferItem")->isEnabled());
    EXPECT_EQ(undoEnabled(), allOff);

    setShow(6, 9);
    click(button("SpeedButtonScenaCopy"));
    EXPECT_TRUE(newPaste->isEnabled());
    EXPECT_TRUE(paste->isEnabled());
    EXPECT_TRUE(item("NewPasteItem")->isEnabled());
    EXPECT_TRUE(item("PasteFromBufferItem")->isEnabled());
    EXPECT_EQ(newPaste->toolTip(), "Создать новую сцену после текущей и скопировать в нее сцену 7 из буфера");
    EXPECT_EQ(paste->toolTip(), "Заменить текущую сцену Сценой 7 из буфера");
    EXPECT_EQ(status(), " Записать в буфер ");
    EXPECT_EQ(std::vector<std::uint8_t>(engine->PasteBuffer.begin(), engine->PasteBuffer.end()), markedRow(6));
    EXPECT_EQ(undoEnabled(), allOff) << "a copy takes no snapshot";
}

TEST_F(SceneCommandsTest, NewAndPasteThenUndoKeepsTheInsertedScene)
{
    setShow(10, 20);
    click(button("SpeedButtonScenaCopy"));
    form->scrollBarStep()->setValue(3);
    ASSERT_EQ(engine->currentScene(), 3);
    form->StatusPanel0()->clear();

    click(button("SpeedButtonNewScenaPaste"));
    EXPECT_EQ(status(), "  данные сохранены   данные сохранены ");
    EXPECT_EQ(engine->currentScene(), 4);
    EXPECT_EQ(engine->sys(SysLastScene), 21);
    EXPECT_EQ(row(4), markedRow(10));
    EXPECT_EQ(fader(1)->value(), mark(10, 1));
    EXPECT_EQ(form->labelStep()->text(), "5");
    EXPECT_EQ(form->labelCoda()->text(), "22");
    EXPECT_EQ(undoEnabled(), allOn);

    form->StatusPanel0()->clear();
    click(form->speedButtonUndo5());
    EXPECT_EQ(status(), " данные возвращены ");
    EXPECT_EQ(undoEnabled(), allOn) << "the insertion is one more step back";
    EXPECT_EQ(engine->currentScene(), 4);
    EXPECT_EQ(engine->sys(SysLastScene), 21);
    auto duplicate = markedRow(3);
    duplicate[0] = mark(4, 0);
    EXPECT_EQ(row(4), duplicate);
    EXPECT_EQ(row(5), markedRow(4));
    form->pageControlInput()->setCurrentIndex(0);
    EXPECT_EQ(fader(1)->value(), mark(3, 1));
}

TEST_F(SceneCommandsTest, EverySnapshotUndoPairActsAlike)
{
    for (int n : {1, 3, 4, 5}) {
        SCOPED_TRACE(n);
        auto *mem = button(("SpeedButtonMem" + std::to_string(n)).c_str());
        auto *undo = button(("SpeedButtonUndo" + std::to_string(n)).c_str());
        engine->SceneMemory.set(nameOffset(9), static_cast<std::uint8_t>('A' + n));
        const auto snapshot = memory();
        form->StatusPanel0()->clear();
        click(mem);
        EXPECT_EQ(status(), "  данные сохранены ");
        EXPECT_EQ(undoEnabled(), allOn);

        engine->SceneMemory.fill(sceneRow(0), SceneMemorySize, 0);
        engine->setSys(SysTempo, 99);
        engine->SceneMemory.set(nameOffset(9), 'z');
        click(undo);
        EXPECT_EQ(memory(), snapshot);
        EXPECT_EQ(undoEnabled(), allOff);
    }
}

TEST_F(SceneCommandsTest, UndoStepsBackAndRedoFromItsButtonsAndKeysStepsForward)
{
    setShow(10, 20);
    const auto start = memory();
    item("DeleteScenaItem")->trigger();
    const auto afterDelete = memory();
    item("ClearScenaItem")->trigger();
    const auto afterClear = memory();
    auto *redo = button("SpeedButtonRedo1");
    EXPECT_FALSE(redo->isEnabled());

    click(form->speedButtonUndo1());
    EXPECT_EQ(memory(), afterDelete);
    click(form->speedButtonUndo3());
    EXPECT_EQ(memory(), start);
    EXPECT_EQ(undoEnabled(), allOff) << "nothing older";
    EXPECT_TRUE(redo->isEnabled());

    click(redo);
    EXPECT_EQ(memory(), afterDelete);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(memory(), afterClear);
    EXPECT_FALSE(button("SpeedButtonRedo5")->isEnabled());
    click(form->speedButtonUndo4());
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(memory(), afterClear);
    EXPECT_EQ(undoEnabled(), allOn);

    form->ClearAll();
    EXPECT_EQ(undoEnabled(), allOff) << "a cleared show leaves nothing to undo or redo";
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(SceneCommandsTest, MenuItemsAndToolButtonsRunTheirCommands)
{
    setShow(3, 5);
    item("InsertScenaItem")->trigger();
    EXPECT_EQ(engine->currentScene(), 4);
    EXPECT_EQ(engine->sys(SysLastScene), 6);
    EXPECT_EQ(form->labelStep()->text(), "5");

    click(button("SpeedButtonDELSCEN"));
    EXPECT_EQ(engine->currentScene(), 4);
    EXPECT_EQ(engine->sys(SysLastScene), 5);
    EXPECT_EQ(row(4), markedRow(4));

    click(button("SpeedButtonCLEAR"));
    EXPECT_EQ(row(4), std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(fader(3)->value(), 0);

    click(button("SpeedButtonCOPYPREDSCEN"));
    EXPECT_EQ(row(4), markedRow(3));

    click(button("SpeedButtonCOPY"));
    form->scrollBarStep()->setValue(1);
    item("PasteFromBufferItem")->trigger();
    EXPECT_EQ(row(1), markedRow(3));
    form->scrollBarStep()->setValue(0);
    item("NewPasteItem")->trigger();
    EXPECT_EQ(engine->currentScene(), 1);
    EXPECT_EQ(row(1), markedRow(3));
    EXPECT_EQ(row(2), markedRow(3)) << "the old scene 1, pasted before";

    click(button("SpeedButtonScenaDelete"));
    click(button("SpeedButtonNewScena"));
    EXPECT_EQ(engine->sys(SysLastScene), 6);
}

TEST_F(SceneCommandsTest, WhilePlayingTheCommandsAreRefusedAndShowNothing)
{
    setShow(4, 8);
    store(engine->PlayMode, 1);
    const auto before = memory();
    for (const char *name : {"SpeedButtonNewScena", "SpeedButtonScenaDelete", "SpeedButtonCLEAR",
                             "SpeedButtonCOPYPREDSCEN", "SpeedButtonDELSCEN"})
        click(button(name));
    for (const char *name : {"InsertScenaItem", "DeleteScenaItem", "ClearScenaItem", "CopyPredScena"})
        item(name)->trigger();
    form->sceneCommands()->SpeedButtonNewScenaPasteClick();
    form->sceneCommands()->PasteFromBufferItemClick();
    EXPECT_EQ(memory(), before);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(undoEnabled(), allOff);

    click(button("SpeedButtonCOPY"));
    EXPECT_EQ(button("ButtonScenaPaste")->toolTip(), "Заменить текущую сцену Сценой 5 из буфера");
    EXPECT_FALSE(button("ButtonScenaPaste")->isEnabled());
    EXPECT_EQ(engine->PasteBuffer[1], 0);
    EXPECT_EQ(status(), "");

    form->scrollBarStep()->setValue(1);
    EXPECT_EQ(engine->currentScene(), 4);
    EXPECT_EQ(form->scrollBarStep()->value(), 4) << "the slider snaps back to the playing scene";
}

TEST_F(SceneCommandsTest, AutoAddAppendsPastTheEndUpTo255)
{
    auto *autoAdd = item("AvtoDobScenaItem");
    EXPECT_FALSE(autoAdd->isChecked());
    setShow(5, 5);
    form->scrollBarStep()->setValue(6);
    EXPECT_EQ(engine->currentScene(), 6) << "without auto-add the scene stands past the show";
    EXPECT_EQ(engine->sys(SysLastScene), 5);
    EXPECT_EQ(form->scrollBarStep()->maximum(), 6);

    form->scrollBarStep()->setValue(5);
    click(button("SpeedButtonAVTOPLUS"));
    EXPECT_TRUE(autoAdd->isChecked());
    EXPECT_EQ(status(), " Автодобавление сцен ");
    form->scrollBarStep()->setValue(6);
    EXPECT_EQ(engine->sys(SysLastScene), 6);
    EXPECT_EQ(row(6), markedRow(5));
    EXPECT_EQ(form->labelCoda()->text(), "7");
    EXPECT_EQ(form->scrollBarStep()->maximum(), 7);
    EXPECT_EQ(undoEnabled(), allOff) << "appending takes no snapshot";

    setShow(254, 254);
    form->scrollBarStep()->setValue(255);
    EXPECT_EQ(engine->sys(SysLastScene), 255);
    EXPECT_EQ(row(255), markedRow(254));
    EXPECT_EQ(form->labelCoda()->text(), "256");
    EXPECT_EQ(form->scrollBarStep()->maximum(), 255) << "there is no scene after 255";

    form->StatusPanel0()->clear();
    autoAdd->trigger();
    EXPECT_FALSE(autoAdd->isChecked());
    EXPECT_EQ(status(), " Автодобавление сцен ");
}

TEST_F(SceneCommandsTest, RefreshingTheSliderDoesNotStepTheShow)
{
    item("AvtoDobScenaItem")->trigger();
    setShow(40, 50);
    ASSERT_EQ(form->scrollBarStep()->value(), 40);
    // A show whose end lies before the slider's old position, as after loading one.
    engine->setSys(SysCurrentScene, 1);
    engine->setSys(SysLastScene, 2);
    form->ReturnPageControlAll();
    EXPECT_EQ(engine->currentScene(), 1);
    EXPECT_EQ(engine->sys(SysLastScene), 2) << "nothing appended on the way";
    EXPECT_EQ(row(3), markedRow(3));
    EXPECT_EQ(form->scrollBarStep()->value(), 1);
    EXPECT_EQ(form->scrollBarStep()->maximum(), 3);
}

} // namespace
