// The colour file across start-up and exit.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>

#include "app/AppShell.h"
#include "support/ScriptedDialogs.h"
#include "support/ShowBytes.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/rightcolumn/ChannelColorTab.h"

using namespace korvanel;

namespace {

class ColorRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        col = dir.filePath("light.col");
        start();
    }
    void start()
    {
        shell.reset();
        form.reset();
        engine = std::make_unique<Engine>();
        form = std::make_unique<TBaseForm>(*engine);
        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        form->setDialogs(std::move(owned));
        shell = std::make_unique<AppShell>(*engine, *form, dir.filePath("light.exe"), dir.filePath("data"));
    }
    QString status() const { return form->StatusPanel0()->text(); }

    QTemporaryDir dir;
    QString col;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TBaseForm> form;
    ScriptedDialogs *dialogs = nullptr;
    std::unique_ptr<AppShell> shell;
};

TEST_F(ColorRun, FirstStartWritesTheStartColoursAndSaysTheFileWasMissing)
{
    shell->FormCreate();
    EXPECT_TRUE(status().contains("Файл -Color- не найден  "));
    const QByteArray bytes = readFile(col);
    ASSERT_EQ(bytes.size(), 16384);
    for (int i = 0; i < 512; ++i) {
        ASSERT_EQ(static_cast<unsigned char>(bytes[i]), 230) << i;
        ASSERT_EQ(static_cast<unsigned char>(bytes[512 + i]), 238) << i;
        ASSERT_EQ(static_cast<unsigned char>(bytes[1024 + i]), 245) << i;
    }
    for (int i = 1536; i < 16384; ++i)
        ASSERT_EQ(bytes[i], 0) << "no group colours, picture 0, gaps zero: " << i;
}

TEST_F(ColorRun, ColoursChosenInOneRunAreThereInTheNext)
{
    shell->FormCreate();
    engine->colors.GraphHint[17] = 99;
    engine->colors.SplitColorBlue[255] = 44;
    engine->colors.NameColorGreen[2] = 131;
    form->close();

    start();
    shell->FormCreate();
    EXPECT_EQ(engine->colors.GraphHint[17], 99);
    EXPECT_EQ(engine->colors.SplitColorBlue[255], 44);
    EXPECT_EQ(form->channelColorTab()->fieldColor(2), QColor(230, 131, 245)) << "the fields show the file's colours";
}

TEST_F(ColorRun, ShortColourFileIsReportedAndChangesNoColour)
{
    writeFile(col, QByteArray(1000, char(7)));
    shell->FormCreate();
    ASSERT_EQ(dialogs->shown.size(), 1);
    EXPECT_TRUE(dialogs->shown.front().startsWith("error: Файл цветов каналов"));
    EXPECT_EQ(engine->colors.NameColorRed[1], 230);
    // The start colours do not take the unread file's place at exit; with nothing changed, nothing is said.
    form->close();
    EXPECT_EQ(readFile(col), QByteArray(1000, char(7)));
    EXPECT_EQ(dialogs->shown.size(), 1);
}

TEST_F(ColorRun, ColoursChangedOverAnUnreadFileAreOfferedAnotherFileAtExit)
{
    writeFile(col, QByteArray(1000, char(7)));
    shell->FormCreate();
    engine->colors.GraphHint[17] = 99;
    dialogs->shown.clear();
    dialogs->yesNoAnswers = {true, true};
    dialogs->fileNames = {col, dir.filePath("kept")}; // the unread file again, then another
    form->close();

    EXPECT_EQ(readFile(col), QByteArray(1000, char(7)));
    ASSERT_EQ(dialogs->shown.size(), 4) << dialogs->shown.join('|').toStdString();
    EXPECT_TRUE(dialogs->shown[0].startsWith("question: Цвета и картинки каналов не сохранены."));
    EXPECT_TRUE(dialogs->shown[0].contains(col + " короче 16384 байт"));
    EXPECT_FALSE(dialogs->shown[0].contains("Цвета и картинки каналов не изменены")) << "not the start-up's text";
    EXPECT_EQ(dialogs->shown[1], "save: Сохранить цвета каналов");
    EXPECT_TRUE(dialogs->shown[2].startsWith("question: Цвета и картинки каналов не сохранены.")) << "asked again";
    EXPECT_EQ(readFile(dir.filePath("kept.col")).size(), 16384);
    EXPECT_EQ(fileByte(dir.filePath("kept.col"), 3584 + 17), 99);
}

} // namespace
