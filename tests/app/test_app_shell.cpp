#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/AppShell.h"
#include "app/CompanionLocation.h"
#include "app/DiskLabels.h"
#include "ui/mainwindow/BaseForm.h"

using namespace korvanel;

namespace {

class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        programPath = dir.filePath("light.exe");
        form = std::make_unique<TBaseForm>(*engine);
        shell = std::make_unique<AppShell>(*engine, *form, programPath, dir.filePath("data"));
    }

    template <typename T>
    T *ctl(const char *name)
    {
        auto *found = form->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QTemporaryDir dir;
    QString programPath;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    std::unique_ptr<TBaseForm> form;
    std::unique_ptr<AppShell> shell;
};

} // namespace

TEST_F(Shell, StartUpClearsTheShowArmsTheOutputAndShowsAClearedWindow)
{
    engine->SceneMemory.set(sceneByte(0, 1), 99);
    engine->SceneMemory.set(nameOffset(1), 'A');
    ctl<QTabWidget>("PageControlInput")->setCurrentIndex(3);

    shell->FormCreate();

    EXPECT_TRUE(shell->ticker().running());
    EXPECT_EQ(engine->SceneMemory.get(sceneByte(0, 1)), 0);
    EXPECT_EQ(engine->SceneMemory.get(nameOffset(1)), 0) << "start-up empties the names";
    EXPECT_EQ(engine->CoderTable.get(300), 300);
    // The refresh at the end of start-up names the save name, which starts as Unit_001.
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("KORVANEL Unit_001"));
    EXPECT_EQ(ctl<QLabel>("LabelStep")->text(), "1");
    EXPECT_EQ(ctl<QLabel>("LabelCoda")->text(), "2");
    EXPECT_EQ(ctl<QScrollBar>("ScrollBarStep")->maximum(), 2);
    EXPECT_EQ(ctl<QScrollBar>("ScrollBarTemp")->value(), 44);
    EXPECT_EQ(ctl<QLabel>("LabelTemp")->text(), QString::fromUtf8("30  Сцен/мин "));
    EXPECT_EQ(ctl<QTabWidget>("PageControlInput")->currentIndex(), 0);
    EXPECT_EQ(ctl<QTabWidget>("PageControlUst")->currentIndex(), 2);
    EXPECT_EQ(ctl<QTabWidget>("PageControlTemp")->currentIndex(), 0);
    for (const char *undo : {"SpeedButtonUndo1", "SpeedButtonUndo3", "SpeedButtonUndo4", "SpeedButtonUndo5"})
        EXPECT_FALSE(ctl<QToolButton>(undo)->isEnabled()) << undo;
    EXPECT_TRUE(ctl<QLabel>("LabelDiskFree")->text().startsWith(QString::fromUtf8("Свободно на диске")));
    EXPECT_TRUE(ctl<QLabel>("LabelDiskSize")->text().endsWith(" Mb"));

    const QString base = dir.filePath("light");
    EXPECT_EQ(QString::fromStdString(engine->files.IniFileName), base + ".ini");
    EXPECT_EQ(QString::fromStdString(engine->files.AutoSaveFileName), base + "Temp.kvl");

    // The first frames go out from the cleared show.
    QTest::qWait(120);
    EXPECT_GE(shell->ticker().tickCount(), 1u);
    EXPECT_EQ(engine->DmxOut.get(1), 0);
}

TEST_F(Shell, ReturnDataSystemFollowsTheShowAndTheDialogNames)
{
    shell->FormCreate();
    engine->setSys(SysCurrentScene, 9);
    engine->setSys(SysLastScene, 20);
    engine->setSys(SysTempo, 10);
    form->setSaveDialogFileName({}); // a new show: the name opened last is not the one Save writes
    form->setOpenDialogFileName("/shows/a.kvl");
    form->ReturnDataSystem();
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("KORVANEL  Нет имени файла "));
    EXPECT_EQ(ctl<QLabel>("LabelStep")->text(), "10");
    EXPECT_EQ(ctl<QLabel>("LabelCoda")->text(), "21");
    EXPECT_EQ(ctl<QScrollBar>("ScrollBarStep")->value(), 9);
    EXPECT_EQ(ctl<QScrollBar>("ScrollBarStep")->maximum(), 21);
    EXPECT_EQ(ctl<QLabel>("LabelTemp")->text(), QString::fromUtf8("600  Сцен/мин "));

    form->setSaveDialogFileName("/shows/b.kvl");
    form->ReturnDataSystem();
    EXPECT_EQ(form->windowTitle(), "KORVANEL /shows/b.kvl") << "the save dialog's name wins";
}

TEST_F(Shell, PageRefreshRunsOnlyTheVisiblePagesRefresh)
{
    shell->FormCreate();
    int faders = 0;
    int graph = 0;
    form->setPageRefresh(InputPage::Faders, [&] { ++faders; });
    form->setPageRefresh(InputPage::Graph, [&] { ++graph; });
    form->ReturnPageControlAll();
    EXPECT_EQ(faders, 1);
    EXPECT_EQ(graph, 0);
    ctl<QTabWidget>("PageControlInput")->setCurrentIndex(1); // the page change refreshes
    EXPECT_EQ(graph, 1);
    EXPECT_EQ(faders, 1);
    ctl<QTabWidget>("PageControlInput")->setCurrentIndex(5); // nothing registered: no crash
    EXPECT_EQ(graph, 1);
}

TEST_F(Shell, OutStatusJoinsTextsAndEmptiesFiveSecondsAfterTheFirst)
{
    auto *panel = ctl<QLabel>("StatusPanel0");
    EXPECT_EQ(panel->text(), "empty");
    form->show();
    form->OutStatus(" one");
    QTimer &timer = form->statusLine().TimerStatus();
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 5000);
    const int firstRun = timer.timerId();
    QTest::qWait(60);
    form->OutStatus(" two");
    EXPECT_EQ(panel->text(), " one two") << "the first text takes the start text's place";
    EXPECT_EQ(timer.timerId(), firstRun) << "the second text does not restart the timer";
    form->statusLine().TimerStatusTimer();
    EXPECT_EQ(panel->text(), "");
    EXPECT_FALSE(timer.isActive());
}

TEST_F(Shell, ExitStopsTheOutputBeforeTheWindowGoes)
{
    shell->FormCreate();
    form->show();
    ASSERT_TRUE(shell->ticker().running());
    ctl<QAction>("ExitItem")->trigger();
    EXPECT_FALSE(shell->ticker().running());
    EXPECT_FALSE(form->isVisible());
}

TEST(DiskLabels, MegabytesOfAMillionBytes)
{
    EXPECT_EQ(diskFreeText(12'345'678'901), QString::fromUtf8("Свободно на диске 12345 Mb"));
    EXPECT_EQ(diskSizeText(999'999), QString::fromUtf8("Размер диска  0 Mb"));
}

TEST(CompanionLocation, BesideTheProgramOrInTheDataFolder)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("show.v2");
    const auto beside = locateCompanionFiles(dir.filePath("show.v2/korvanel"), dir.filePath("data"));
    EXPECT_EQ(QString::fromStdString(beside.files.ColFileName), dir.filePath("show.v2/korvanel.col"));
    EXPECT_TRUE(beside.writeFolder.isEmpty());

    const auto fallback = locateCompanionFiles(dir.filePath("missing/korvanel"), dir.filePath("data"));
    EXPECT_EQ(QString::fromStdString(fallback.files.IniFileName), dir.filePath("data/korvanel.ini"));
    EXPECT_EQ(fallback.writeFolder, dir.filePath("data"));
    EXPECT_TRUE(QDir(dir.filePath("data")).exists());
}

TEST(Application, CaptionsAreTheProgramsOwn)
{
    // A display name set for the application is added by the platform to every window's caption.
    AppShell::configureApplication();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_EQ(QCoreApplication::applicationName(), "korvanel");
}
