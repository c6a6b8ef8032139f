// A program folder that takes no file: the operator's files beside the program
// are still read, and everything the program writes goes to the data folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>
#include <sys/stat.h>

#include "app/AppShell.h"
#include "support/OrdinaryUser.h"
#include "support/ScriptedDialogs.h"
#include "support/ShowBytes.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/mainwindow/ShowFileCommands.h"

using namespace korvanel;

TEST(ReadOnlyProgramFolder, FilesBesideTheProgramAreReadAndTheDataFolderIsWritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ::chmod(QFile::encodeName(dir.path()).constData(), 0777); // the ordinary user makes the data folder
    const QString prog = dir.filePath("prog");
    const QString data = dir.filePath("data");
    ASSERT_TRUE(QDir().mkpath(prog));
    const QString show = prog + "/last.kvl";
    writeFile(show, showBytes(5, 30, 44));
    QByteArray table(512, '\0');
    table[2] = 7;
    writeFile(prog + "/light.kvr", table);
    const QByteArray ini =
        "; the operator's\n[Konveir]\nFile02=" + show.toUtf8() + "\n[LastFile]\nPath=" + show.toUtf8() + "\n";
    writeFile(prog + "/light.ini", ini);
    QByteArray colours(16384, '\0');
    colours[1] = 11; // red of the name field of channel 1
    writeFile(prog + "/light.col", colours);
    writeFile(prog + "/light.hlp", "help");
    ::chmod(QFile::encodeName(prog).constData(), 0555);

    auto engine = std::make_unique<Engine>();
    auto form = std::make_unique<TBaseForm>(*engine);
    auto owned = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs &dialogs = *owned;
    form->setDialogs(std::move(owned));
    AppShell shell(*engine, *form, prog + "/light.exe", data);
    {
        AsOrdinaryUser user;
        if (!user.ok()) {
            ::chmod(QFile::encodeName(prog).constData(), 0755);
            GTEST_SKIP() << "running as root without the right to act as an ordinary user";
        }
        shell.FormCreate();
        EXPECT_TRUE(form->StatusPanel0()->text().contains(
            QString::fromUtf8("Папка программы только для чтения: настройки сохраняются в ") +
            QDir::toNativeSeparators(data)))
            << form->StatusPanel0()->text().toStdString();
        EXPECT_EQ(engine->ConveyorFiles[1], show.toStdString());
        EXPECT_EQ(engine->level(5, 3), 77) << "the last show is opened";
        EXPECT_EQ(engine->colors.NameColorRed[1], 11);
        EXPECT_EQ(engine->CoderTable.get(1), 7);
        EXPECT_EQ(QString::fromStdString(engine->files.HelpFileName), prog + "/light.hlp");
        EXPECT_EQ(QString::fromStdString(engine->files.AutoSaveFileName), data + "/lightTemp.kvl");
        engine->colors.NameColorRed[2] = 22;
        form->close();
    }
    ::chmod(QFile::encodeName(prog).constData(), 0755);

    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    const QByteArray written = readFile(data + "/light.ini");
    for (const QByteArray &kept : {QByteArray("; the operator's\n[Konveir]\n"), "File02=" + show.toUtf8() + "\n",
                                   "Path=" + show.toUtf8() + "\n", "Coder=" + prog.toUtf8() + "/light.kvr\n"})
        EXPECT_TRUE(written.contains(kept)) << kept.toStdString() << "\n" << written.toStdString();
    const QByteArray savedColours = readFile(data + "/light.col");
    ASSERT_EQ(savedColours.size(), 16384);
    EXPECT_EQ(savedColours[1], 11);
    EXPECT_EQ(savedColours[2], 22);
    EXPECT_EQ(readFile(prog + "/light.ini"), ini);
    EXPECT_EQ(readFile(prog + "/light.col"), colours);
    EXPECT_EQ(QDir(prog).entryList(QDir::Files | QDir::Hidden).size(), 5) << "nothing new beside the program";
}

// An installed program writes only in the data folder, even where its own
// folder would take files (root), and reads the help the package put in share/.
TEST(InstalledProgram, StartUpSavesAndExitUseTheDataFolderAndTheHelpComesFromShare)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bin = dir.filePath("usr/bin");
    const QString data = dir.filePath("home/.local/share/korvanel");
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(dir.filePath("usr/share/applications")) &&
                QDir().mkpath(dir.filePath("usr/share/korvanel")));
    writeFile(dir.filePath("usr/share/applications/korvanel.desktop"), "[Desktop Entry]\n");
    writeFile(dir.filePath("usr/share/korvanel/korvanel.hlp"), "help");

    auto engine = std::make_unique<Engine>();
    auto form = std::make_unique<TBaseForm>(*engine);
    auto owned = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs &dialogs = *owned;
    form->setDialogs(std::move(owned));
    AppShell shell(*engine, *form, bin + "/korvanel", data);
    shell.FormCreate();
    EXPECT_FALSE(form->StatusPanel0()->text().contains(QString::fromUtf8("только для чтения")))
        << "an installed program's folder is not news";
    EXPECT_EQ(QString::fromStdString(engine->files.HelpFileName), dir.filePath("usr/share/korvanel/korvanel.hlp"));
    form->showFiles()->TimerAvtoSaveTimer();
    form->close();

    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    EXPECT_EQ(QDir(bin).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(QDir(dir.filePath("usr/share/korvanel")).entryList(QDir::Files), QStringList{"korvanel.hlp"});
    for (const char *name : {"korvanel.ini", "korvanel.col", "korvanel.kvr", "korvanelTemp.kvl"})
        EXPECT_TRUE(QFileInfo::exists(data + "/" + name)) << name;
}
