// The fader page through the real window: faders write the current scene,
// the page slider pages the rows, selection and names reach the show.
#include "ui/scene_fixture.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>

#include "files/ChannelNames.h"
#include "output/FrameAssembly.h"
#include "ui/pages/faders/FaderPage.h"

namespace {

using namespace korvanel;

class FaderPageTest : public SceneFormTest {
protected:
    QLineEdit *edit(int k) { return get<QLineEdit>(("Edit" + std::to_string(k)).c_str()); }
    QLabel *number(int k)
    {
        const QString name = QStringLiteral("Label%1c").arg(k, 2, 10, QLatin1Char('0'));
        return get<QLabel>(name.toLatin1().constData());
    }
    void setSelection(std::size_t channel, std::uint8_t v) { engine->SceneMemory.set(selectionByte(channel), v); }
    std::uint8_t selection(std::size_t channel) const { return engine->SceneMemory.get(selectionByte(channel)); }
    // Typed as an operator would, one character per key, any script.
    static void type(QWidget *field, const QString &text)
    {
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(field, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(field, &release);
        }
    }
    void leave(QLineEdit *field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }
};

TEST_F(FaderPageTest, RowsCarryTheirNamesRangesAndHints)
{
    EXPECT_EQ(get<QLabel>("LabelOpis")->text(),
              "Канал             Уровень             Выход    Тип   Границы   Имя  канала              "
              "Время изменения     Выбор");
    for (int k = 1; k <= 27; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(fader(k)->minimum(), 0);
        EXPECT_EQ(fader(k)->maximum(), 255);
        EXPECT_EQ(fader(k)->pageStep(), 10);
        const QString two = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        auto *rate = get<QScrollBar>(("ScrollBarRate" + two).toLatin1().constData());
        ASSERT_NE(rate, nullptr);
        EXPECT_EQ(rate->maximum(), 7);
        EXPECT_EQ(rate->value(), 7) << "a new show's rates (255) show as no fade";
        EXPECT_EQ(edit(k)->maxLength(), 16);
        EXPECT_NE(get<QWidget>(("Shape" + std::to_string(k)).c_str()), nullptr);
        EXPECT_NE(get<QWidget>(("Image" + std::to_string(k)).c_str()), nullptr);
        EXPECT_NE(get<QLabel>(("Label" + std::to_string(k)).c_str()), nullptr);
        EXPECT_EQ(box(k)->toolTip(),
                  k == 1 ? "Индивидуальный выбор канала для режимов и блоков: Флэш, Ручной, "
                           "Уровни, Время"
                         : "Индивидуальный выбор канала ");
    }
    EXPECT_EQ(form->scrolbarVertPos()->maximum(), 228);
    EXPECT_EQ(form->scrolbarVertPos()->pageStep(), 20);
}

TEST_F(FaderPageTest, MovingFader5WritesTheSceneAndTheNextFrameCarriesIt)
{
    setShow(3, 9);
    EXPECT_EQ(fader(5)->value(), mark(3, 5)) << "the page shows the current scene";
    bringToFront(fader(5));
    fader(5)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(engine->level(3, 5), mark(3, 5) + 10);
    fader(5)->setValue(201);
    EXPECT_EQ(engine->level(3, 5), 201);
    EXPECT_EQ(engine->level(4, 5), mark(4, 5));
    buildFrame(*engine);
    EXPECT_EQ(engine->DmxOut.get(5), 201);

    form->scrolbarVertPos()->setValue(100);
    fader(5)->setValue(7);
    EXPECT_EQ(engine->level(3, 105), 7);
    EXPECT_EQ(engine->level(3, 5), 201);
}

TEST_F(FaderPageTest, PageSliderAt228ShowsChannels229To255)
{
    SaveEdit(*engine, 229, padName("First"));
    SaveEdit(*engine, 255, padName("Last"));
    setSelection(240, 1);
    setSelection(228, 1);
    form->scrolbarVertPos()->setValue(228);
    EXPECT_EQ(load(engine->FaderPageOffset), 228);
    for (int k = 1; k <= 27; ++k) {
        EXPECT_EQ(number(k)->text(), QString::number(228 + k));
        EXPECT_EQ(fader(k)->value(), mark(0, 228 + static_cast<std::size_t>(k))) << k;
        EXPECT_EQ(box(k)->isChecked(), k == 12) << k;
    }
    EXPECT_EQ(edit(1)->text(), "First");
    EXPECT_EQ(edit(27)->text(), "Last");

    form->faderPage()->SpeedButtonVis255Click();
    for (std::size_t c = 229; c <= 255; ++c)
        ASSERT_EQ(engine->level(0, c), 255) << c;
    EXPECT_EQ(engine->level(0, 228), mark(0, 228));
    EXPECT_EQ(engine->level(1, 0), mark(1, 0));
    EXPECT_EQ(status(), " Установлено в 255");

    form->scrolbarVertPos()->setValue(0);
    EXPECT_EQ(number(1)->text(), "1");
    EXPECT_EQ(fader(1)->value(), mark(0, 1));
}

TEST_F(FaderPageTest, FadersDoNotWriteWhilePlayingButManualControlFollowsThem)
{
    QSignalSpy touched(form->faderPage(), &FaderPage::faderTouched);
    store(engine->PlayMode, 1);
    fader(5)->setValue(99);
    EXPECT_EQ(engine->level(0, 5), mark(0, 5));
    ASSERT_EQ(touched.count(), 1);
    EXPECT_EQ(touched.front().front().toInt(), 5);

    form->faderPage()->SpeedButtonVis0Click();
    form->faderPage()->SpeedButtonAllScrl0Click();
    EXPECT_EQ(row(0), markedRow(0));
    EXPECT_EQ(status(), "") << "a refused level button shows nothing";

    get<QCheckBox>("CheckBoxManual")->setChecked(true);
    click(box(5));
    buildFrame(*engine);
    EXPECT_EQ(engine->DmxOut.get(5), 99);
    EXPECT_EQ(engine->DmxOut.get(6), mark(0, 6));
}

TEST_F(FaderPageTest, ManualControlHoldsTheCheckedFadersAcrossScenes)
{
    get<QCheckBox>("CheckBoxManual")->setChecked(true);
    click(box(2));
    fader(2)->setValue(77);
    setShow(5, 9);
    EXPECT_EQ(fader(2)->value(), 77);
    EXPECT_EQ(fader(1)->value(), mark(5, 1));
    buildFrame(*engine);
    EXPECT_EQ(engine->DmxOut.get(2), 77);

    click(box(2));
    form->ReturnPageControlAll();
    EXPECT_EQ(fader(2)->value(), mark(5, 2));
}

TEST_F(FaderPageTest, LevelButtonsWriteTheCurrentRow)
{
    setShow(2, 3);
    form->scrolbarVertPos()->setValue(10);
    form->faderPage()->SpeedButtonVis127Click();
    for (std::size_t c = 11; c <= 37; ++c)
        ASSERT_EQ(engine->level(2, c), 127);
    EXPECT_EQ(engine->level(2, 10), mark(2, 10));
    EXPECT_EQ(engine->level(2, 38), mark(2, 38));
    EXPECT_EQ(fader(1)->value(), 127);

    form->StatusPanel0()->clear();
    click(get<QToolButton>("SpeedButtonAllScrl0"));
    EXPECT_EQ(row(2), std::vector<std::uint8_t>(256, 0)) << "byte 0 of the row too";
    EXPECT_EQ(row(3), markedRow(3));
    EXPECT_EQ(status(), " Вся сцена установлена в 0");
    EXPECT_EQ(fader(27)->value(), 0);
}

TEST_F(FaderPageTest, SelectionBoxesAndButtons)
{
    form->scrolbarVertPos()->setValue(50);
    click(box(3));
    EXPECT_EQ(selection(53), 1);
    EXPECT_EQ(engine->live.faderChecked.get(3), 1);
    click(box(3));
    EXPECT_EQ(selection(53), 0);
    EXPECT_EQ(engine->live.faderChecked.get(3), 0);

    click(get<QToolButton>("SpeedButtonOnVisCheck"));
    for (std::size_t c = 51; c <= 77; ++c)
        ASSERT_EQ(selection(c), 1) << c;
    EXPECT_EQ(selection(50), 0);
    EXPECT_EQ(selection(78), 0);
    EXPECT_TRUE(box(27)->isChecked());

    setSelection(0, 1);
    setSelection(200, 1);
    click(get<QToolButton>("SpeedButtonOffVisCheck"));
    EXPECT_FALSE(box(1)->isChecked());
    EXPECT_EQ(selection(51), 0);
    EXPECT_EQ(selection(200), 1);

    click(get<QToolButton>("SpeedButtonOffAllCheck"));
    EXPECT_EQ(selection(0), 0);
    EXPECT_EQ(selection(200), 0);
    EXPECT_EQ(status(), " Все флажки Установлены ");
}

TEST_F(FaderPageTest, InvertButtonsFlipTheirFiveRowsOnly)
{
    const bool start[28] = {false, true,  false, true,  false, false, true, true,  false, false,
                            true,  false, false, true,  true,  false, true, false, false, true,
                            true,  true,  false, false, true,  false, true, false};
    for (int k = 1; k <= 27; ++k)
        box(k)->setChecked(start[k]);
    const std::pair<const char *, int> buttons[] = {{"SpeedButtonInv1", 1},
                                                    {"SpeedButtonInv6", 6},
                                                    {"SpeedButtonInv11", 11},
                                                    {"SpeedButtonInv16", 16},
                                                    {"SpeedButtonInv21", 21}};
    bool expected[28];
    std::copy(std::begin(start), std::end(start), expected);
    for (const auto &[name, first] : buttons) {
        SCOPED_TRACE(name);
        auto *invert = get<QToolButton>(name);
        ASSERT_NE(invert, nullptr);
        EXPECT_EQ(invert->toolTip(), "Инвертирует состояние флажков в поле  Выбор ");
        click(invert);
        for (int k = first; k < first + 5; ++k)
            expected[k] = !expected[k];
        for (int k = 1; k <= 27; ++k) {
            ASSERT_EQ(box(k)->isChecked(), expected[k]) << k;
            ASSERT_EQ(selection(static_cast<std::size_t>(k)), expected[k] ? 1 : 0) << k;
            ASSERT_EQ(engine->live.faderChecked.get(static_cast<std::size_t>(k)), expected[k] ? 1 : 0) << k;
        }
    }
    EXPECT_EQ(form->findChild<QToolButton *>("SpeedButtonInv26"), nullptr);
}

TEST_F(FaderPageTest, ClearingTheShowRereadsTheSelectionBoxes)
{
    click(box(4));
    ASSERT_TRUE(box(4)->isChecked());
    form->ClearAll();
    EXPECT_FALSE(box(4)->isChecked());
    EXPECT_EQ(engine->live.faderChecked.get(4), 0);
}

TEST_F(FaderPageTest, NamesAreShownWithTheirInnerBlanks)
{
    const NameBytes spot = {'S', 'p', 'o', 't', 0, 0, '1'};
    SaveEdit(*engine, 3, spot);
    const NameBytes blanks = padName("");
    SaveEdit(*engine, 4, blanks);
    // Cyrillic bytes of the code page: "Свет".
    SaveEdit(*engine, 5, NameBytes{0xD1, 0xE2, 0xE5, 0xF2});
    form->ReturnPageControlAll();
    EXPECT_EQ(edit(3)->text(), "Spot  1");
    EXPECT_EQ(edit(4)->text(), "");
    EXPECT_EQ(edit(5)->text(), "Свет");
}

TEST_F(FaderPageTest, LeavingANameFieldStoresAllNamesAsCodePageBytes)
{
    form->scrolbarVertPos()->setValue(1);
    edit(3)->setText("Пушка 2");
    edit(5)->setText(" x");
    edit(9)->setText("");
    SaveEdit(*engine, 10, padName("old"));
    leave(edit(3));
    const NameBytes cyrillic = {0xCF, 0xF3, 0xF8, 0xEA, 0xE0, 0, '2'};
    NameBytes stored{};
    engine->SceneMemory.copyTo(stored, nameOffset(4));
    EXPECT_EQ(stored, cyrillic);
    engine->SceneMemory.copyTo(stored, nameOffset(6));
    EXPECT_EQ(stored, (NameBytes{0, 'x'}));
    engine->SceneMemory.copyTo(stored, nameOffset(10));
    EXPECT_EQ(stored, NameBytes{}) << "every field of the page is stored, the empty one too";
}

TEST_F(FaderPageTest, NameFieldsRefuseWhatTheCodePageCannotHold)
{
    QLineEdit *field = edit(7);
    field->clear();
    type(field, QString::fromUtf8("Lamp ä€Ё"));
    EXPECT_EQ(field->text(), QString::fromUtf8("Lamp €Ё"));
    field->clear();
    type(field, QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(field->text(), "abcdefghijklmnop");
    leave(field);
    NameBytes stored{};
    engine->SceneMemory.copyTo(stored, nameOffset(7));
    EXPECT_EQ(stored, padName("abcdefghijklmnop"));
}

TEST_F(FaderPageTest, TypedNameSurvivesAScrollOfThePage)
{
    QLineEdit *field = edit(2);
    field->setFocus();
    field->clear();
    type(field, QStringLiteral("Dimmer"));
    form->scrolbarVertPos()->setValue(20);
    NameBytes stored{};
    engine->SceneMemory.copyTo(stored, nameOffset(2));
    EXPECT_EQ(stored, (NameBytes{'D', 'i', 'm', 'm', 'e', 'r'})) << "kept for the channel it was typed for";
    EXPECT_EQ(field->text(), "");
    leave(field);
    engine->SceneMemory.copyTo(stored, nameOffset(22));
    EXPECT_EQ(stored, NameBytes{});
}

TEST_F(FaderPageTest, ANameFieldLeavesTheLiveKeysAsTheOperatorSetThem)
{
    // The field keeps the keys it types with itself; switched off, the keys stayed off after the naming.
    auto *conveyorKeys = get<QCheckBox>("CheckBoxKeyKonveyr");
    ASSERT_TRUE(form->checkBoxFlashOn()->isChecked());
    ASSERT_TRUE(conveyorKeys->isChecked());
    form->show();
    QTest::mouseClick(edit(12), Qt::LeftButton);
    edit(13)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(form->checkBoxFlashOn()->isChecked());
    EXPECT_TRUE(conveyorKeys->isChecked());
}

} // namespace

namespace {

TEST_F(FaderPageTest, NameBeingTypedWhenTheWindowGoesIsStoredOnce)
{
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QLineEdit *field = edit(6);
    field->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(field->hasFocus());
    type(field, QStringLiteral("Strobe"));
    form.reset();
    NameBytes stored{};
    engine->SceneMemory.copyTo(stored, nameOffset(6));
    EXPECT_EQ(stored, (NameBytes{'S', 't', 'r', 'o', 'b', 'e'}));
}

} // namespace
