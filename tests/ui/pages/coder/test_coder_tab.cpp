#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>

#include "output/CoderTable.h"
#include "output/FrameAssembly.h"
#include "support/ScriptedDialogs.h"
#include "ui/form_fixture.h"
#include "ui/pages/coder/CoderTab.h"

using namespace korvanel;

namespace {

class Coder : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        initialiseAtStart(*engine);
        ClearAll(*engine);
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        form->setDialogs(std::move(scripted));
        tab = get<CoderTab>("TabSheet3");
    }

    QScrollBar *slider(int k)
    {
        return get<QScrollBar>(QByteArray("ScrollBarCoder") + QByteArray::number(k).rightJustified(2, '0'));
    }
    QString line(int k)
    {
        return get<QLabel>(QByteArray("Labelcoder") + QByteArray::number(k).rightJustified(2, '0'))->text();
    }
    QScrollBar *position() { return get<QScrollBar>("ScrollBarCoderPos"); }
    QByteArray fileBytes(const QString &path)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        return f.readAll();
    }
    void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString panel() { return form->StatusPanel0()->text(); }

    QTemporaryDir dir;
    ScriptedDialogs *dialogs = nullptr;
    CoderTab *tab = nullptr;
};

QString lineOf(int source, int slot)
{
    return QString::fromUtf8("Канал %1 выводится в канал %2").arg(source).arg(slot);
}

} // namespace

TEST_F(Coder, ThePageHoldsItsControlsAsAtStart)
{
    EXPECT_EQ(form->pageControlInput()->tabText(6), "DMX coder");
    EXPECT_EQ(form->pageControlInput()->widget(6), tab);
    EXPECT_EQ(position()->minimum(), 0);
    EXPECT_EQ(position()->maximum(), 225);
    EXPECT_EQ(position()->pageStep(), 20);
    EXPECT_EQ(position()->toolTip(), QString::fromUtf8("Установка изменяемого канала"));
    for (int k = 1; k <= 30; ++k) {
        ASSERT_EQ(slider(k)->minimum(), 1) << k;
        ASSERT_EQ(slider(k)->maximum(), 255) << k;
        ASSERT_EQ(slider(k)->pageStep(), 12) << k;
        ASSERT_EQ(line(k), lineOf(k, k)) << k;
    }
    EXPECT_TRUE(get<QToolButton>("SpeedButtonCoderCh12")->isChecked());
    EXPECT_EQ(get<QToolButton>("SpeedButtonResetCoder")->text(), "R");
    EXPECT_EQ(get<QLabel>("LabelCoder")->text(), QString::fromUtf8("Имя Кодера"));
    EXPECT_EQ(get<QLabel>("Label33")->text(),
              QString::fromUtf8("Таблица перекодировок каналов  строки DMX512. на выходе программы"));
}

TEST_F(Coder, SliderOneSetToFiveSendsChannelFiveOnChannelOne)
{
    engine->SceneMemory.set(sceneByte(0, 1), 10);
    engine->SceneMemory.set(sceneByte(0, 5), 50);
    slider(1)->setValue(5);
    EXPECT_EQ(engine->CoderTable.get(1), 5);
    EXPECT_EQ(line(1), lineOf(5, 1));
    buildFrame(*engine);
    EXPECT_EQ(engine->DmxOut.get(1), 50);
    EXPECT_EQ(engine->DmxOut.get(5), 50) << "channel 5 still carries its own";
}

TEST_F(Coder, TheLastWindowEditsSlot255)
{
    position()->setValue(225);
    EXPECT_EQ(line(1), lineOf(226, 226));
    EXPECT_EQ(line(30), lineOf(255, 255));
    slider(30)->setValue(7);
    EXPECT_EQ(engine->CoderTable.get(255), 7);
    EXPECT_EQ(line(30), lineOf(7, 255));
    EXPECT_EQ(engine->CoderTable.get(30), 30) << "the first window is untouched";
}

TEST_F(Coder, AnEntryTheSliderCannotShowTakesTheNearestEnd)
{
    engine->CoderTable.set(3, 300);
    engine->CoderTable.set(4, 0);
    slider(4)->setValue(1); // already where entry 0 would clamp to
    tab->UpDateDmxCoder();
    EXPECT_EQ(engine->CoderTable.get(3), 255);
    EXPECT_EQ(engine->CoderTable.get(4), 1);
    EXPECT_EQ(line(4), lineOf(1, 4));
}

TEST_F(Coder, StepButtonsSetTheLargeStepAndMayAllBeUp)
{
    click(get<QToolButton>("SpeedButtonCoderCh4"));
    EXPECT_TRUE(get<QToolButton>("SpeedButtonCoderCh4")->isChecked());
    EXPECT_FALSE(get<QToolButton>("SpeedButtonCoderCh12")->isChecked());
    for (int k = 1; k <= 30; ++k)
        ASSERT_EQ(slider(k)->pageStep(), 4) << k;
    click(get<QToolButton>("SpeedButtonCoderCh16"));
    EXPECT_FALSE(get<QToolButton>("SpeedButtonCoderCh4")->isChecked());
    click(get<QToolButton>("SpeedButtonCoderCh16"));
    for (const char *name : {"SpeedButtonCoderCh3", "SpeedButtonCoderCh4", "SpeedButtonCoderCh6", "SpeedButtonCoderCh8",
                             "SpeedButtonCoderCh12", "SpeedButtonCoderCh16"})
        EXPECT_FALSE(get<QToolButton>(name)->isChecked()) << name;
    EXPECT_EQ(slider(30)->pageStep(), 16);
}

TEST_F(Coder, ResetRestoresOneToOneButLeavesEntryZero)
{
    engine->CoderTable.set(0, 9);
    engine->CoderTable.set(400, 1);
    slider(2)->setValue(200);
    click(get<QToolButton>("SpeedButtonResetCoder"));
    EXPECT_EQ(engine->CoderTable.get(2), 2);
    EXPECT_EQ(engine->CoderTable.get(400), 400);
    EXPECT_EQ(engine->CoderTable.get(0), 9);
    EXPECT_EQ(slider(2)->value(), 2);
    EXPECT_EQ(line(2), lineOf(2, 2));
}

TEST_F(Coder, SaveAndOpenReturnTheSame256Entries)
{
    for (std::uint16_t i = 0; i < 256; ++i)
        engine->CoderTable.set(i, static_cast<std::uint16_t>((i * 7 + 3) % 256));
    const auto saved = coderEntries(*engine);
    dialogs->fileNames = {dir.filePath("patch")};
    click(get<QToolButton>("SpeedButtonSaveCoderTab"));
    const QString file = dir.filePath("patch.kvr");
    ASSERT_EQ(fileBytes(file).size(), 512);
    EXPECT_EQ(tab->SaveDialogCoderFileName, file);
    EXPECT_EQ(tab->OpenDialogCoderFileName, file) << "the open dialog follows a save";

    // Saving again under the name without extension asks first; No keeps the file.
    engine->CoderTable.set(1, 9);
    dialogs->fileNames = {dir.filePath("patch")};
    click(get<QToolButton>("SpeedButtonSaveCoderTab"));
    EXPECT_EQ(dialogs->shown.filter("question: ").size(), 1);
    engine->CoderTable.set(1, saved[1]);

    click(get<QToolButton>("SpeedButtonResetCoder"));
    dialogs->fileNames = {file};
    click(get<QToolButton>("SpeedButtonOpenCoderTab"));
    EXPECT_EQ(coderEntries(*engine), saved);
    EXPECT_EQ(line(1), lineOf(saved[1], 1));
    EXPECT_EQ(get<QLabel>("LabelCoder")->text(), QString::fromUtf8("Имя Кодера")) << "open does not rename";
    EXPECT_TRUE(std::none_of(dialogs->shown.begin(), dialogs->shown.end(),
                             [](const QString &s) { return s.startsWith("error"); }));
}

TEST_F(Coder, AShortFileOrAFailedSaveSaysSoAndChangesNothing)
{
    writeFile(dir.filePath("short.kvr"), QByteArray(100, 1));
    slider(1)->setValue(9);
    const auto before = coderEntries(*engine);
    dialogs->fileNames = {dir.filePath("short.kvr")};
    click(get<QToolButton>("SpeedButtonOpenCoderTab"));
    EXPECT_EQ(coderEntries(*engine), before);
    ASSERT_FALSE(dialogs->shown.isEmpty());
    EXPECT_TRUE(dialogs->shown.last().startsWith("error: ")) << dialogs->shown.last().toStdString();
    EXPECT_TRUE(dialogs->shown.last().contains(QString::fromUtf8("короче 512 байт")));

    tab->OpenDialogCoderFileName = "kept.kvr";
    dialogs->fileNames = {dir.filePath("no/such/folder/t.kvr")};
    click(get<QToolButton>("SpeedButtonSaveCoderTab"));
    EXPECT_TRUE(dialogs->shown.last().startsWith(QString::fromUtf8("error: Не удалось записать файл")))
        << dialogs->shown.last().toStdString();
    EXPECT_EQ(tab->OpenDialogCoderFileName, "kept.kvr");
}

TEST_F(Coder, StartUpWithoutAFileWritesTheDefaultTable)
{
    const QString own = dir.filePath("light.kvr");
    engine->CoderTable.set(7, 99);
    tab->loadAtStart(own);
    EXPECT_TRUE(panel().contains(QString::fromUtf8("Нет файла кодера")));
    const QByteArray bytes = fileBytes(own);
    ASSERT_EQ(bytes.size(), 512);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(static_cast<std::uint8_t>(bytes[2 * i]), i) << i;
        ASSERT_EQ(bytes[2 * i + 1], 0) << i;
    }
    EXPECT_EQ(engine->CoderTable.get(7), 7);
    EXPECT_EQ(tab->OpenDialogCoderFileName, own);
    EXPECT_EQ(tab->SaveDialogCoderFileName, own);
    EXPECT_EQ(get<QLabel>("LabelCoder")->text(), "light.kvr");
}

TEST_F(Coder, StartUpLoadsTheRememberedTableOrReportsABadOne)
{
    QByteArray bytes(512, 0);
    for (int i = 1; i < 256; ++i)
        bytes[2 * i] = static_cast<char>(256 - i);
    writeFile(dir.filePath("rig.kvr"), bytes);
    tab->OpenDialogCoderFileName = tab->SaveDialogCoderFileName = dir.filePath("rig.kvr");
    tab->loadAtStart(dir.filePath("light.kvr"));
    EXPECT_EQ(engine->CoderTable.get(1), 255);
    EXPECT_EQ(engine->CoderTable.get(255), 1);
    EXPECT_EQ(get<QLabel>("LabelCoder")->text(), "rig.kvr");
    EXPECT_FALSE(QFile::exists(dir.filePath("light.kvr")));

    writeFile(dir.filePath("cut.kvr"), bytes.left(300));
    auto other = std::make_unique<TBaseForm>(*engine);
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs *boxes = scripted.get();
    other->setDialogs(std::move(scripted));
    auto *fresh = other->control<CoderTab>("TabSheet3");
    fresh->OpenDialogCoderFileName = fresh->SaveDialogCoderFileName = dir.filePath("cut.kvr");
    fresh->loadAtStart(dir.filePath("light.kvr"));
    ASSERT_EQ(boxes->shown.size(), 1);
    EXPECT_TRUE(boxes->shown[0].contains(QString::fromUtf8("Таблица перекодировки не изменена")));
    EXPECT_EQ(engine->CoderTable.get(1), 255) << "the table in use stays";
    EXPECT_EQ(other->control<QLabel>("LabelCoder")->text(), QString::fromUtf8("Имя Кодера"));
}

TEST_F(Coder, AnEditedTableIsAskedAboutBeforeOpenAndExit)
{
    using Unsaved = Dialogs::Unsaved;
    const QString rig = dir.filePath("rig.kvr");
    form->ClearAll();      // the show has nothing to save
    tab->loadAtStart(rig); // written as the default table
    slider(1)->setValue(9);
    dialogs->fileNames = {rig, rig};
    dialogs->saveChangesAnswers = {Unsaved::Cancel, Unsaved::Cancel};
    click(get<QToolButton>("SpeedButtonOpenCoderTab"));
    EXPECT_FALSE(form->close());
    EXPECT_EQ(
        dialogs->shown.filter(QString::fromUtf8("save changes: Сохранить изменения таблицы перекодировки «rig.kvr»?"))
            .size(),
        2);
    EXPECT_EQ(engine->CoderTable.get(1), 9) << "cancelled: the table stays";

    dialogs->saveChangesAnswers = {Unsaved::Save};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(fileBytes(rig).mid(2, 1), QByteArray(1, 9)) << "saved through the page's Save dialog";
}
