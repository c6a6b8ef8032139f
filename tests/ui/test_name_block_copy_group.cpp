// The name block copy group of the copy tab, with its linked limits.
#include "ui/scene_fixture.h"

#include <algorithm>

#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>

#include "files/ChannelNames.h"
#include "ui/FaderPage.h"

namespace {

using namespace korvanel;

class NameBlockCopy : public SceneFormTest {
protected:
    QSpinBox *spin(const char *name) { return get<QSpinBox>(name); }
    QCheckBox *check(const char *name) { return get<QCheckBox>(name); }
    void copy() { click(get<QToolButton>("SpeedButtonNameBlocCopy")); }
    std::string name(std::size_t channel)
    {
        NameBytes b{};
        engine->SceneMemory.copyTo(b, nameOffset(channel));
        // As the field shows it: zero bytes and blanks read the same, trailing ones dropped.
        std::string text(b.begin(), b.end());
        std::replace(text.begin(), text.end(), '\0', ' ');
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
    QColor group(std::size_t c) const
    {
        const auto &t = engine->colors;
        return {t.SplitColorRed[c], t.SplitColorGreen[c], t.SplitColorBlue[c]};
    }
};

TEST_F(NameBlockCopy, ControlsStartAsTheOperatorKnowsThem)
{
    const std::tuple<const char *, int, int, int> spins[] = {
        {"SpinEditNameFirst", 1, 254, 1}, {"SpinEditNameLast", 1, 255, 3}, {"SpinEditNameFrom", 1, 254, 4},
        {"SpinEditRepeatName", 1, 32, 32}, {"SpinEditFifsrtDigit", 1, 250, 2}};
    for (const auto &[n, lo, hi, value] : spins) {
        SCOPED_TRACE(n);
        EXPECT_EQ(spin(n)->minimum(), lo);
        EXPECT_EQ(spin(n)->maximum(), hi);
        EXPECT_EQ(spin(n)->value(), value);
    }
    for (const char *n : {"CheckBoxNamePlus", "CheckBoxbEGcH", "CheckBoxTogmame"})
        EXPECT_TRUE(check(n)->isChecked()) << n;
    EXPECT_EQ(get<QGroupBox>("GroupBoxNameBloc")->title(), "Имен ");
}

TEST_F(NameBlockCopy, FourFixturesNumberedShadedAndMarked)
{
    SaveEdit(*engine, 1, padName("Pan"));
    SaveEdit(*engine, 2, padName("Tilt"));
    SaveEdit(*engine, 3, padName("Dimmer"));
    engine->colors.GraphHint[2] = 77;
    engine->colors.NameColorBlue[3] = 140;
    spin("SpinEditRepeatName")->setValue(4);
    copy();

    const char *names[] = {"Pan", "Tilt", "Dimmer"};
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        const std::size_t first = 4 + 3 * static_cast<std::size_t>(r);
        const char digit = static_cast<char>('2' + r);
        const QColor grey = r % 2 == 0 ? QColor(170, 170, 170) : QColor(200, 200, 200);
        for (std::size_t i = 0; i < 3; ++i) {
            std::string expected = names[i];
            expected[0] = digit;
            EXPECT_EQ(name(first + i), expected);
            EXPECT_EQ(group(first + i), i == 0 ? QColor(50, 250, 50) : grey);
        }
        EXPECT_EQ(engine->colors.GraphHint[first + 1], 77);
        EXPECT_EQ(engine->colors.NameColorBlue[first + 2], 140);
    }
    EXPECT_EQ(name(16), "");
    EXPECT_EQ(name(1), "Pan") << "the source stays";
    EXPECT_EQ(spin("SpinEditNameFrom")->value(), 16);
    EXPECT_EQ(spin("SpinEditFifsrtDigit")->value(), 6);
    EXPECT_EQ(form->faderPage()->edit(4)->text(), "2an");
    EXPECT_TRUE(form->SpeedButtonUndo1->isEnabled()) << "an undo copy was taken first";

    // Without the marks: names as they are, first channels grey like the rest.
    check("CheckBoxNamePlus")->setChecked(false);
    check("CheckBoxbEGcH")->setChecked(false);
    spin("SpinEditRepeatName")->setValue(1);
    copy();
    EXPECT_EQ(name(16), "Pan");
    EXPECT_EQ(group(16), QColor(170, 170, 170));
}

TEST_F(NameBlockCopy, LastTargetChannel255IsTheLimit)
{
    SaveEdit(*engine, 6, padName("Strobe"));
    check("CheckBoxTogmame")->setChecked(false);
    spin("SpinEditNameLast")->setValue(6);
    spin("SpinEditNameFrom")->setValue(251);
    spin("SpinEditRepeatName")->setValue(1);
    copy();
    EXPECT_EQ(dialogs->shown,
              QStringList{"warning:  Копирование не выполнено: Максимальное число имен > 256 ! "});
    EXPECT_EQ(name(255), "");
    EXPECT_EQ(group(251), QColor(0, 0, 0));
    EXPECT_EQ(spin("SpinEditNameFrom")->value(), 251);

    spin("SpinEditNameFrom")->setValue(250);
    copy();
    EXPECT_EQ(dialogs->shown.size(), 1);
    EXPECT_EQ(name(255), "2trobe");
}

TEST_F(NameBlockCopy, LaterRepetitionsStopAtChannel255)
{
    SaveEdit(*engine, 1, padName("Pan"));
    SaveEdit(*engine, 2, padName("Tilt"));
    SaveEdit(*engine, 3, padName("Dim"));
    // Channel 256 would be the first byte past the names.
    engine->SceneMemory.set(StaticOffset, 0x5A);
    spin("SpinEditNameFrom")->setValue(247);   // 247..249, 250..252, 253..255, then no room
    copy();
    EXPECT_TRUE(dialogs->shown.isEmpty());
    EXPECT_EQ(name(253), "4an");
    EXPECT_EQ(name(255), "4im");
    EXPECT_EQ(engine->SceneMemory.get(StaticOffset), 0x5A);
    for (std::size_t i = StaticOffset; i < StaticOffset + 64; ++i)
        ASSERT_EQ(engine->SceneMemory.get(i), i == StaticOffset ? 0x5A : 0) << i;
    EXPECT_TRUE(status().contains("255"));

    // One channel at a time reaches 255 itself, which the target field cannot show.
    spin("SpinEditNameFirst")->setValue(3);
    spin("SpinEditNameLast")->setValue(3);
    check("CheckBoxTogmame")->setChecked(false);
    spin("SpinEditNameFrom")->setValue(253);
    spin("SpinEditFifsrtDigit")->setValue(1);
    copy();
    EXPECT_EQ(name(253), "1im");
    EXPECT_EQ(name(254), "2im");
    EXPECT_EQ(name(255), "3im");
    EXPECT_EQ(spin("SpinEditFifsrtDigit")->value(), 4);
    EXPECT_EQ(engine->SceneMemory.get(StaticOffset), 0x5A);
}

TEST_F(NameBlockCopy, LinkedLimitsKeepLastAtOrAboveFirstAndTheTargetAboveLast)
{
    QSpinBox *first = spin("SpinEditNameFirst");
    QSpinBox *last = spin("SpinEditNameLast");
    QSpinBox *from = spin("SpinEditNameFrom");
    first->setValue(10);
    EXPECT_EQ(last->value(), 10);
    EXPECT_EQ(from->value(), 11);
    last->setValue(20);
    EXPECT_EQ(from->value(), 21);
    last->setValue(5);
    EXPECT_EQ(last->value(), 10) << "last never below first";
    from->setValue(8);
    EXPECT_EQ(from->value(), 11);

    // Unlinked, the target may lie anywhere; last still follows first.
    check("CheckBoxTogmame")->setChecked(false);
    from->setValue(2);
    EXPECT_EQ(from->value(), 2);
    last->setValue(30);
    EXPECT_EQ(from->value(), 2);
    first->setValue(40);
    EXPECT_EQ(last->value(), 40);
    first->setValue(12);
    EXPECT_EQ(last->value(), 40) << "a lower first leaves last alone";
}

} // namespace
