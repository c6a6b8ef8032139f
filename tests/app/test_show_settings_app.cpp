// The settings file and the last show across start-up and exit.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/AppShell.h"
#include "app/CommandLine.h"
#include "control/ControlLayer.h"
#include "support/ScriptedDialogs.h"
#include "support/ShowBytes.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/pages/coder/CoderTab.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/SequencerControl.h"

using namespace korvanel;

namespace {

class Run : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<TBaseForm>(*engine);
        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        form->setDialogs(std::move(owned));
        shell = std::make_unique<AppShell>(*engine, *form, dir.filePath("light.exe"), dir.filePath("data"));
        ini = dir.filePath("light.ini");
    }

    QToolButton *key(int n) const { return form->conveyor()->slotButton(n); }
    void exit() { form->close(); }
    void trigger(const char *item) { form->control<QAction>(item)->trigger(); }
    // The window's once-a-second timer, which puts the star into the caption.
    void second() { QMetaObject::invokeMethod(&form->sequencer()->TimerShouClock(), "timeout"); }
    void fader(int channel, int level) { form->control().apply({WindowSource, command::FaderLevel{channel, level}}); }

    QTemporaryDir dir;
    QString ini;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    std::unique_ptr<TBaseForm> form;
    ScriptedDialogs *dialogs = nullptr;
    std::unique_ptr<AppShell> shell;
};

} // namespace

TEST_F(Run, SaveRightAfterStartWritesUnit001InTheWorkingFolder)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    shell->FormCreate();
    form->control<QAction>("SaveItem")->trigger();
    QDir::setCurrent(previous);

    EXPECT_EQ(readFile(dir.filePath("Unit_001")).size(), 81920);
    EXPECT_EQ(form->windowTitle(), "KORVANEL Unit_001");
    EXPECT_TRUE(dialogs->shown.isEmpty()) << "Save asks nothing";
}

TEST_F(Run, ARunThatOpenedNothingLeavesUnit001AsThePathAndEveryKeyEmpty)
{
    shell->FormCreate();
    EXPECT_TRUE(form->showFiles()->TimerAvtoSave().isActive());
    EXPECT_EQ(key(1)->text(), QString::fromUtf8("Q пусто"));
    EXPECT_EQ(key(19)->text(), QString::fromUtf8("L пусто"));
    EXPECT_EQ(key(20)->text(), QString::fromUtf8("пусто"));
    EXPECT_EQ(key(1)->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    EXPECT_FALSE(key(1)->font().bold());
    exit();

    const QByteArray text = readFile(ini);
    EXPECT_TRUE(text.contains("[Konveir]\nFile01=\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("File20=\n"));
    // No table was named: the default one was made beside the program and is remembered.
    EXPECT_TRUE(text.contains(("[LastFile]\nPath=Unit_001\nCoder=" + dir.filePath("light.kvr") + "\n").toUtf8()))
        << text.toStdString();
}

TEST_F(Run, KeyCaptionsFromTheSettingsTakeEightCharacters)
{
    const QString table = dir.filePath("hall.kvr");
    writeFile(table, QByteArray(512, '\0'));
    writeFile(ini,
              "[Konveir]\n"
              "File03=C:\\Shows\\Holiday2024.kvl\n"
              "File10=C:\\Shows\\Tenth-show.kvl\n"
              "File15=C:\\Shows\\Fifteen-show.kvl\n"
              "File20=C:\\Shows\\End.kvl\n"
              "[LastFile]\nCoder=" +
                  table.toUtf8() + "\n");
    shell->FormCreate();

    EXPECT_EQ(key(3)->text(), "E=Holiday2");
    EXPECT_EQ(key(10)->text(), "P=Tenth-sh");
    EXPECT_EQ(key(15)->text(), "G=Fifteen-");
    EXPECT_EQ(key(20)->text(), " End");
    EXPECT_EQ(key(1)->text(), QString::fromUtf8("Q пусто"));
    for (int n : {3, 10, 15, 20}) {
        EXPECT_EQ(key(n)->palette().color(QPalette::ButtonText), QColor(0, 0, 128)) << n;
        EXPECT_TRUE(key(n)->font().bold()) << n;
    }
    EXPECT_EQ(engine->ConveyorFiles[14], "C:\\Shows\\Fifteen-show.kvl");
    EXPECT_EQ(form->control<CoderTab>("TabSheet3")->SaveDialogCoderFileName, table);
    EXPECT_EQ(form->openDialogFileName(), "") << "no Path: no show is loaded";
}

TEST_F(Run, StartUpReopensTheLastShowAndExitKeepsForeignSettings)
{
    const QString show = dir.filePath("last.kvl");
    writeFile(show, showBytes(5, 30, 44));
    const QString table = dir.filePath("a.kvr");
    writeFile(table, QByteArray(512, '\0'));
    writeFile(ini,
              QString("; the operator's notes\n[Screen]\nZoom=2\n[Konveir]\nFile02=/s/two.kvl\n"
                      "[LastFile]\nPath=%1\nCoder=%2\n[Other]\nk=v\n")
                  .arg(show, table)
                  .toUtf8());
    shell->FormCreate();

    EXPECT_EQ(engine->level(5, 3), 77);
    EXPECT_EQ(form->windowTitle(), "KORVANEL " + show);
    EXPECT_EQ(form->labelStep()->text(), "6");
    exit();

    const QByteArray text = readFile(ini);
    for (const char *kept : {"; the operator's notes", "[Screen]\nZoom=2", "File02=/s/two.kvl", "[Other]\nk=v"})
        EXPECT_TRUE(text.contains(kept)) << kept << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(("Coder=" + table).toUtf8()));
    EXPECT_TRUE(text.contains(("Path=" + show).toUtf8()));
}

TEST_F(Run, AShowThatIsGoneIsReportedAndTheNextRunStartsFromUnit001)
{
    writeFile(ini, "[LastFile]\nPath=/nowhere/gone.kvl\n");
    shell->FormCreate();
    EXPECT_TRUE(form->StatusPanel0()->text().contains(QString::fromUtf8("Файл ШОУ не найден ")));
    EXPECT_EQ(form->windowTitle(), "KORVANEL Unit_001");
    exit();
    EXPECT_TRUE(readFile(ini).contains("Path=Unit_001\n"));
}

TEST(CommandLineTest, OneShowIsTakenAsAnAbsolutePathAndAnythingElseIsRefused)
{
    const CommandLine plain = readCommandLine({"korvanel"});
    EXPECT_EQ(plain.action, CommandLine::Action::Run);
    EXPECT_TRUE(plain.show.isEmpty());
    const CommandLine named = readCommandLine({"korvanel", "shows/gig one.kvl"});
    EXPECT_EQ(named.action, CommandLine::Action::Run);
    EXPECT_EQ(named.show, QDir::current().absoluteFilePath("shows/gig one.kvl"));
    for (const QStringList &line : {QStringList{"korvanel", "a.kvl", "b.kvl"}, QStringList{"korvanel", "--bogus"}})
        EXPECT_EQ(readCommandLine(line).action, CommandLine::Action::Refuse) << line.join(' ').toStdString();
    EXPECT_EQ(readCommandLine({"korvanel", "--version"}).action, CommandLine::Action::Version);
}

TEST_F(Run, AShowNamedOnTheCommandLineOpensInsteadOfTheLastAndBecomesTheLast)
{
    const QString last = dir.filePath("last.kvl");
    const QString named = dir.filePath("named.kvl");
    writeFile(last, showBytes(5, 30, 44));
    writeFile(named, showBytes(2, 9, 30));
    writeFile(ini, "[LastFile]\nPath=" + last.toUtf8() + "\n");
    shell->setStartShow(named);
    shell->FormCreate();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->windowTitle(), "KORVANEL " + named);
    EXPECT_EQ(form->labelStep()->text(), "3");
    EXPECT_TRUE(dialogs->shown.isEmpty()) << dialogs->shown.join('|').toStdString();
    exit();
    EXPECT_TRUE(readFile(ini).contains(("Path=" + named + "\n").toUtf8()));
}

TEST_F(Run, AShowOnTheCommandLineThatCannotBeReadIsReportedOnceUpAndTheLastShowLoads)
{
    const QString last = dir.filePath("last.kvl");
    writeFile(last, showBytes(5, 30, 44));
    writeFile(ini, "[LastFile]\nPath=" + last.toUtf8() + "\n");
    shell->setStartShow(dir.filePath("typo.kvl"));
    shell->FormCreate();
    EXPECT_TRUE(dialogs->shown.isEmpty()) << "not before the window is up";
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs->shown, QStringList{QString::fromUtf8("error: Файл ШОУ не найден: ") + dir.filePath("typo.kvl")});
    EXPECT_EQ(form->windowTitle(), "KORVANEL " + last);
    EXPECT_EQ(engine->level(5, 3), 77);
    exit();
    EXPECT_TRUE(readFile(ini).contains(("Path=" + last + "\n").toUtf8()));
}

TEST_F(Run, SettingsThatCannotBeWrittenGiveTheErrorBox)
{
    shell->FormCreate();
    ASSERT_TRUE(QDir().mkpath(ini)); // a folder where the settings file should go
    exit();
    ASSERT_FALSE(dialogs->shown.isEmpty());
    EXPECT_EQ(dialogs->shown.last(), "error: Unable to write to " + ini);
}

TEST_F(Run, TheProgramsOwnTableIsReadNotReplacedWhenTheSettingsNameNone)
{
    QByteArray table(512, '\0');
    table[2] = 7; // slot 1 carries channel 7
    const QString own = dir.filePath("light.kvr");
    writeFile(own, table);
    shell->FormCreate();
    EXPECT_EQ(engine->CoderTable.get(1), 7);
    EXPECT_FALSE(form->StatusPanel0()->text().contains(QString::fromUtf8("Нет файла кодера")));
    exit();
    EXPECT_EQ(readFile(own), table);
    EXPECT_TRUE(readFile(ini).contains(("Coder=" + own + "\n").toUtf8()));
}

TEST_F(Run, AnOwnTableThatCannotBeReadIsReportedAndKept)
{
    const QString own = dir.filePath("light.kvr");
    writeFile(own, QByteArray(100, 'x'));
    shell->FormCreate();
    ASSERT_EQ(dialogs->shown.size(), 1);
    EXPECT_TRUE(dialogs->shown.front().contains(QString::fromUtf8("короче 512 байт")));
    EXPECT_EQ(engine->CoderTable.get(1), 1) << "the identity stays";
    EXPECT_EQ(readFile(own), QByteArray(100, 'x'));
}

TEST_F(Run, UnsavedEditsStarTheCaptionAndOpenNewExitAndCloseAskFirst)
{
    using Unsaved = Dialogs::Unsaved;
    const QString gig = dir.filePath("gig.kvl");
    const QString other = dir.filePath("other.kvl");
    writeFile(gig, showBytes(0, 3, 44));
    writeFile(other, showBytes(5, 9, 30));
    writeFile(ini, "[LastFile]\nPath=" + gig.toUtf8() + "\n");
    shell->FormCreate();
    QSignalSpy closing(form.get(), &TBaseForm::closing);
    second();
    EXPECT_EQ(form->windowTitle(), form->captionPrefix() + gig) << "nothing edited yet";
    fader(3, 200); // a fader from any input edits the current scene
    second();
    EXPECT_EQ(form->windowTitle(), form->captionPrefix() + gig + "*");

    // Cancel keeps the show and the program.
    dialogs->fileNames = {other};
    dialogs->saveChangesAnswers = {Unsaved::Cancel, Unsaved::Cancel, Unsaved::Cancel, Unsaved::Cancel};
    trigger("OpenItem");
    trigger("NewItem");
    trigger("ExitItem");
    form->close();
    EXPECT_EQ(dialogs->shown.filter(QString::fromUtf8("save changes: Сохранить изменения в шоу «gig.kvl»?")).size(), 4);
    EXPECT_EQ(engine->level(0, 3), 200);
    EXPECT_EQ(closing.count(), 0);

    // Discard goes on: the other show is opened, the edited one's file stays as it was.
    dialogs->fileNames = {other};
    dialogs->saveChangesAnswers = {Unsaved::Discard};
    trigger("OpenItem");
    EXPECT_EQ(engine->level(5, 3), 77);
    EXPECT_EQ(readFile(gig), showBytes(0, 3, 44));
    EXPECT_EQ(form->windowTitle(), form->captionPrefix() + other);

    // Save writes, then goes on.
    fader(4, 9);
    dialogs->saveChangesAnswers = {Unsaved::Save};
    trigger("NewItem");
    EXPECT_EQ(fileByte(other, 16384 + 5 * 256 + 4), 9);
    EXPECT_EQ(engine->level(5, 4), 0);

    // A save clears the star; a show without a name is saved under the name asked for.
    fader(1, 50);
    second();
    EXPECT_TRUE(form->windowTitle().endsWith("*"));
    dialogs->fileNames = {dir.filePath("fresh.kvl")};
    trigger("SaveItem");
    EXPECT_EQ(form->windowTitle(), form->captionPrefix() + dir.filePath("fresh.kvl"));
    fader(1, 60);
    dialogs->saveChangesAnswers = {Unsaved::Save};
    exit();
    EXPECT_EQ(fileByte(dir.filePath("fresh.kvl"), 16384 + 1), 60);
    EXPECT_EQ(closing.count(), 1);
    EXPECT_EQ(dialogs->shown.filter("save changes: ").size(), 7);
}
