// The show file commands through the real window, with scripted dialogs.
#include "ui/form_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include "files/ShowHeader.h"
#include "support/ScriptedDialogs.h"
#include "support/ShowBytes.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/pages/faders/FaderPage.h"

using namespace korvanel;

namespace {

class ShowFiles : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        form->setDialogs(std::move(owned));
        form->setSaveDialogFileName(dir.filePath("Unit_001"));
        form->ClearAll();
    }

    void trigger(const char *item) { get<QAction>(item)->trigger(); }
    ShowFileCommands &files() { return *form->showFiles(); }
    void enableUndo()
    {
        for (QToolButton *undo :
             {form->speedButtonUndo1(), form->speedButtonUndo3(), form->speedButtonUndo4(), form->speedButtonUndo5()})
            undo->setEnabled(true);
    }
    bool undoEnabled() const { return form->speedButtonUndo1()->isEnabled() && form->speedButtonUndo5()->isEnabled(); }
    QByteArray memory() const
    {
        QByteArray bytes(static_cast<qsizetype>(SceneMemorySize), '\0');
        for (std::size_t i = 0; i < SceneMemorySize; ++i)
            bytes[static_cast<qsizetype>(i)] = static_cast<char>(engine->SceneMemory.get(i));
        return bytes;
    }

    QTemporaryDir dir;
    ScriptedDialogs *dialogs = nullptr;
};

} // namespace

TEST_F(ShowFiles, OpenLoadsTheShowAndRefreshesCaptionScenesTempoAndGraphZoom)
{
    const QString name = dir.filePath("concert.kvl");
    writeFile(name, showBytes(7, 100, 20));
    dialogs->fileNames = {name};
    engine->graph = GraphView{0, 1, 256};
    enableUndo();

    trigger("OpenItem");

    EXPECT_EQ(memory(), showBytes(7, 100, 20));
    EXPECT_EQ(form->windowTitle(), "KORVANEL " + name);
    EXPECT_EQ(form->openDialogFileName(), name);
    EXPECT_EQ(form->saveDialogFileName(), name) << "a Save now writes back to the file opened";
    EXPECT_EQ(form->labelStep()->text(), "8");
    EXPECT_EQ(form->labelCoda()->text(), "101");
    EXPECT_EQ(form->scrollBarTemp()->value(), 20);
    EXPECT_EQ(engine->SceneBase.load(), static_cast<std::int32_t>(sceneRow(7))) << "output follows the loaded scene";
    EXPECT_FALSE(form->speedButtonUndo1()->isEnabled());
    EXPECT_FALSE(form->speedButtonUndo5()->isEnabled());
    EXPECT_EQ(engine->graph.zoom, 2);
    EXPECT_EQ(engine->graph.GraphColumnScale, 4);
    EXPECT_EQ(engine->graph.GraphScenesPerView, 64);
}

TEST_F(ShowFiles, OpenCancelledMissingOrShortChangesNothingInTheShow)
{
    engine->SceneMemory.set(sceneByte(0, 1), 55);
    const QByteArray before = memory();
    const QString saveName = form->saveDialogFileName();

    trigger("OpenItem"); // cancelled
    EXPECT_EQ(memory(), before);

    enableUndo();
    dialogs->fileNames = {dir.filePath("gone.kvl")};
    trigger("OpenItem");
    EXPECT_EQ(memory(), before);
    EXPECT_TRUE(form->StatusPanel0()->text().endsWith(QString::fromUtf8("Файл ШОУ не найден ")));
    EXPECT_EQ(form->saveDialogFileName(), saveName);
    EXPECT_FALSE(undoEnabled()) << "a load that found nothing still disables undo";

    const QString caption = form->windowTitle();
    QByteArray shortShow = showBytes(3, 9, 10);
    shortShow.chop(1);
    writeFile(dir.filePath("short.kvl"), shortShow);
    enableUndo();
    dialogs->fileNames = {dir.filePath("short.kvl")};
    trigger("OpenItem");
    EXPECT_EQ(memory(), before);
    EXPECT_EQ(dialogs->shown.last(), "error: Read beyond end of file");
    EXPECT_EQ(form->saveDialogFileName(), saveName);
    EXPECT_TRUE(undoEnabled()) << "a failed load leaves the undo buttons as they were";
    EXPECT_EQ(form->labelCoda()->text(), "2") << "the command stopped before the refresh";
    EXPECT_EQ(form->windowTitle(), caption);
}

TEST_F(ShowFiles, SaveStampsTheHeaderAndWritesTheSaveName)
{
    const QString name = dir.filePath("foreign.kvl");
    writeFile(name, showBytes(2, 5, 30));
    dialogs->fileNames = {name};
    trigger("OpenItem");
    engine->SceneMemory.set(sceneByte(2, 9), 201);

    click(get<QToolButton>("SpeedButtonSAVE"));

    const QByteArray saved = readFile(name);
    ASSERT_EQ(saved.size(), 81920);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(ShowHeader.data()), 128), saved.left(128));
    QByteArray expected = showBytes(2, 5, 30);
    expected[16384 + 2 * 256 + 9] = static_cast<char>(201);
    EXPECT_EQ(saved.mid(128), expected.mid(128));
    EXPECT_EQ(form->windowTitle(), "KORVANEL " + name);
    EXPECT_TRUE(dialogs->shown.isEmpty() || !dialogs->shown.last().startsWith("error")) << "no error box";
}

TEST_F(ShowFiles, FailedSaveIsReportedAndLeavesNoFile)
{
    form->setSaveDialogFileName(dir.filePath("gone/show.kvl"));
    EXPECT_FALSE(files().SaveFile());
    ASSERT_FALSE(dialogs->shown.isEmpty());
    EXPECT_TRUE(dialogs->shown.last().startsWith("error: ")) << dialogs->shown.last().toStdString();
    EXPECT_TRUE(dialogs->shown.last().contains(dir.filePath("gone/show.kvl")));
    EXPECT_FALSE(QFile::exists(dir.filePath("gone/show.kvl")));
}

TEST_F(ShowFiles, AutosaveKeepsTheForeignHeaderAndNamesTheShow)
{
    const QString name = dir.filePath("foreign.kvl");
    writeFile(name, showBytes(1, 3, 40));
    dialogs->fileNames = {name};
    trigger("OpenItem");
    engine->files.AutoSaveFileName = dir.filePath("lightTemp.kvl").toStdString();

    QTimer &timer = files().TimerAvtoSave();
    EXPECT_EQ(timer.interval(), 180000);
    EXPECT_EQ(timer.objectName(), "TimerAvtoSave");
    files().TimerAvtoSaveTimer();

    EXPECT_EQ(readFile(dir.filePath("lightTemp.kvl")), showBytes(1, 3, 40));
    EXPECT_EQ(readFile(name), showBytes(1, 3, 40)) << "the show's own file is never autosaved";
    EXPECT_TRUE(form->StatusPanel0()->text().endsWith(QString::fromUtf8("Автосохранение файла foreign.kvl")));

    // A backup that cannot be written says so.
    engine->files.AutoSaveFileName = dir.filePath("gone/lightTemp.kvl").toStdString();
    files().TimerAvtoSaveTimer();
    EXPECT_TRUE(dialogs->shown.last().startsWith("error: "));
}

TEST_F(ShowFiles, NewKeepsNamesAndGeneratorSettingsAndTheSaveAfterItAsksForAName)
{
    const QString name = dir.filePath("old.kvl");
    writeFile(name, showBytes(4, 9, 15));
    dialogs->fileNames = {name};
    trigger("OpenItem");
    trigger("NewItem"); // nothing edited: asked whether to start anew, answered No
    EXPECT_EQ(dialogs->shown.last(), QString::fromUtf8("question: Создать новое ШОУ?"));
    EXPECT_EQ(engine->level(4, 3), 77);

    engine->SceneMemory.set(nameOffset(7), 'N');
    engine->SceneMemory.set(nameOffset(7) + 15, 'e');
    for (std::size_t b = 145; b < 155; ++b)
        engine->SceneMemory.set(b, static_cast<std::uint8_t>(b));
    engine->SceneMemory.set(129, 0x5A);
    trigger("NewItem"); // edited: the edits are not saved
    EXPECT_EQ(dialogs->shown.last(), QString::fromUtf8("save changes: Сохранить изменения в шоу «old.kvl»?"));
    EXPECT_EQ(engine->level(4, 3), 0);
    EXPECT_EQ(engine->currentScene(), 0);
    EXPECT_EQ(engine->sys(SysLastScene), 1);
    EXPECT_EQ(engine->sys(SysTempo), 44);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(100)), 255);
    EXPECT_EQ(engine->SceneMemory.get(nameOffset(7)), 'N');
    EXPECT_EQ(engine->SceneMemory.get(nameOffset(7) + 15), 'e');
    for (std::size_t b = 145; b < 155; ++b)
        EXPECT_EQ(engine->SceneMemory.get(b), b) << b;
    EXPECT_EQ(engine->SceneMemory.get(129), 0x5A) << "unused system bytes pass on";
    EXPECT_EQ(engine->SceneMemory.get(0), ShowHeader[0]);
    EXPECT_EQ(form->saveDialogFileName(), "");
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("KORVANEL  Нет имени файла "));
    EXPECT_EQ(readFile(name), showBytes(4, 9, 15)) << "not saved: nothing written";

    // The new show has no file: Save asks for one and never writes over the old show's.
    trigger("SaveItem"); // cancelled
    EXPECT_EQ(dialogs->shown.last(), QString::fromUtf8("save: Сохранить Шоу как ..."));
    EXPECT_EQ(readFile(name), showBytes(4, 9, 15));
    dialogs->fileNames = {dir.filePath("fresh.kvl")};
    click(get<QToolButton>("SpeedButtonSAVE"));
    EXPECT_EQ(fileByte(dir.filePath("fresh.kvl"), 512 + 7 * 16), 'N');
    EXPECT_EQ(form->windowTitle(), "KORVANEL " + dir.filePath("fresh.kvl"));
    EXPECT_EQ(readFile(name), showBytes(4, 9, 15));
}

TEST_F(ShowFiles, NewSavesUnsavedEditsWhenAskedAndKeepsTheShowWhenThatFails)
{
    engine->SceneMemory.set(sceneByte(0, 10), 99);
    dialogs->saveChangesAnswers = {Dialogs::Unsaved::Save};
    trigger("NewItem");
    const QByteArray saved = readFile(dir.filePath("Unit_001"));
    ASSERT_EQ(saved.size(), 81920) << "saved to the show's name, without a dialog";
    EXPECT_EQ(static_cast<unsigned char>(saved[16384 + 10]), 99);
    EXPECT_EQ(engine->level(0, 10), 0);

    // The new show has no name: the save asks for one; when it fails, the show is not wiped.
    engine->SceneMemory.set(sceneByte(0, 10), 98);
    dialogs->saveChangesAnswers = {Dialogs::Unsaved::Save};
    dialogs->fileNames = {dir.filePath("gone/kept.kvl")};
    trigger("NewItem");
    EXPECT_EQ(engine->level(0, 10), 98);
    EXPECT_TRUE(dialogs->shown.last().startsWith("error: "));
}

TEST_F(ShowFiles, ANameStillBeingTypedCountsAsAnEditAndIsSaved)
{
    QLineEdit *field = form->faderPage()->edit(2);
    field->setText("Wash"); // typed: the field still has it, the show not yet
    field->setModified(true);
    dialogs->saveChangesAnswers = {Dialogs::Unsaved::Cancel};
    trigger("NewItem");
    EXPECT_EQ(dialogs->shown.last(), QString::fromUtf8("save changes: Сохранить изменения в шоу «Unit_001»?"));
    trigger("SaveItem");
    EXPECT_EQ(readFile(dir.filePath("Unit_001")).mid(static_cast<qsizetype>(nameOffset(2)), 4), "Wash");
}

TEST_F(ShowFiles, ATypedNameWithoutExtensionAsksBeforeReplacingTheShowOfThatName)
{
    const QString existing = dir.filePath("gig.kvl");
    writeFile(existing, QByteArray(81920, 'x'));
    engine->SceneMemory.set(sceneByte(0, 10), 99);
    // Save As: No brings the dialog back, which is then cancelled.
    dialogs->fileNames = {dir.filePath("gig")};
    dialogs->yesNoAnswers = {false};
    trigger("SaveAsItem");
    EXPECT_EQ(readFile(existing), QByteArray(81920, 'x'));
    EXPECT_EQ(dialogs->shown.filter("save: ").size(), 2);
    ASSERT_EQ(dialogs->shown.filter("question: ").size(), 1);
    EXPECT_TRUE(dialogs->shown.filter("question: ").first().contains(existing));

    // New of an edited show without a name: its save asks too; Yes replaces it.
    dialogs->shown.clear();
    form->setSaveDialogFileName({});
    dialogs->saveChangesAnswers = {Dialogs::Unsaved::Save};
    dialogs->fileNames = {dir.filePath("gig")};
    dialogs->yesNoAnswers = {true};
    trigger("NewItem");
    EXPECT_EQ(dialogs->shown.filter("question: ").size(), 1);
    EXPECT_EQ(static_cast<unsigned char>(readFile(existing)[16384 + 10]), 99);
}

TEST_F(ShowFiles, SaveAsWithColourChangeShiftsTheColourEvenWhenCancelled)
{
    auto *avto = get<QCheckBox>("CheckBoxColorAvto");
    QSignalSpy colour(&files(), &ShowFileCommands::windowColourChanged);
    engine->setSys(SysRed, 200);
    engine->setSys(SysGreen, 250);
    engine->setSys(SysBlue, 10);

    trigger("SaveAsItem"); // switch off, cancelled
    EXPECT_EQ(engine->sys(SysRed), 200);

    avto->setChecked(true);
    trigger("SaveAsItem"); // cancelled
    EXPECT_EQ(engine->sys(SysRed), 47);
    EXPECT_EQ(engine->sys(SysGreen), 37);
    EXPECT_EQ(engine->sys(SysBlue), 233);
    EXPECT_EQ(colour.count(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0) << "cancelled: nothing written";

    // Confirmed: the file holds the colour from before the change.
    dialogs->fileNames = {dir.filePath("new.kvl")};
    trigger("SaveAsItem");
    EXPECT_EQ(static_cast<unsigned char>(readFile(dir.filePath("new.kvl"))[139]), 47);
    EXPECT_EQ(engine->sys(SysRed), 150);
    EXPECT_EQ(form->saveDialogFileName(), dir.filePath("new.kvl"));
    EXPECT_EQ(form->windowTitle(), "KORVANEL " + dir.filePath("new.kvl"));

    // A Save As that fails stops there: no shift.
    dialogs->fileNames = {dir.filePath("gone/x.kvl")};
    trigger("SaveAsItem");
    EXPECT_EQ(engine->sys(SysRed), 150);
}

TEST_F(ShowFiles, ManualLoadStartsTheShowAtSceneZeroAndNamesItOnTheConveyor)
{
    const QString name = dir.filePath("NewYearEve.kvl");
    writeFile(name, showBytes(6, 20, 44));
    form->setOpenDialogFileName(name);
    files().ManualLoad();
    EXPECT_EQ(engine->currentScene(), 0);
    EXPECT_EQ(engine->SceneBase.load(), static_cast<std::int32_t>(sceneRow(0)));
    EXPECT_EQ(form->labelStep()->text(), "1");
    EXPECT_EQ(files().KonveyrShowName, "NewYear");
    EXPECT_EQ(get<QLabel>("LabelKonveyr")->text(), "NewYear");
    EXPECT_EQ(form->windowTitle(), "KORVANEL " + name);
}
