// The name block copy group of the copy tab, with its linked limits.
#include "ui/scene_fixture.h"

#include <algorithm>

#include <QSpinBox>

#include "files/ChannelNames.h"

namespace {

using namespace korvanel;

class NameBlockCopy : public SceneFormTest {
protected:
    void SetUp() override
    {
        SceneFormTest::SetUp();
        SaveEdit(*engine, 1, padName("Pan"));
        SaveEdit(*engine, 2, padName("Tilt"));
        SaveEdit(*engine, 3, padName("Dim"));
    }
    QSpinBox *spin(const char *name) { return get<QSpinBox>(name); }
    void copy() { click(get<QToolButton>("SpeedButtonNameBlocCopy")); }
    // As the field shows it: zero bytes and blanks read the same, trailing ones dropped.
    std::string name(std::size_t channel)
    {
        NameBytes b{};
        engine->SceneMemory.copyTo(b, nameOffset(channel));
        std::string text(b.begin(), b.end());
        std::replace(text.begin(), text.end(), '\0', ' ');
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
    int grey(std::size_t c) const { return engine->colors.SplitColorRed[c]; }
    bool green(std::size_t c) const
    {
        const auto &t = engine->colors;
        return t.SplitColorRed[c] == 50 && t.SplitColorGreen[c] == 250 && t.SplitColorBlue[c] == 50;
    }
};

TEST_F(NameBlockCopy, FourFixturesNumberedShadedAndMarked)
{
    engine->colors.GraphHint[2] = 77;
    spin("SpinEditRepeatName")->setValue(4);
    copy();
    const char *names[] = {"Pan", "Tilt", "Dim"};
    for (std::size_t r = 0; r < 4; ++r) {
        for (std::size_t i = 0; i < 3; ++i) {
            const std::size_t t = 4 + 3 * r + i;
            std::string expected = names[i];
            expected[0] = static_cast<char>('2' + r);
            EXPECT_EQ(name(t), expected) << t;
            if (i == 0)
                EXPECT_TRUE(green(t)) << t;
            else
                EXPECT_EQ(grey(t), r % 2 == 0 ? 170 : 200) << t;
        }
        EXPECT_EQ(engine->colors.GraphHint[5 + 3 * r], 77);
    }
    EXPECT_EQ(name(16), "");
    EXPECT_EQ(spin("SpinEditNameFrom")->value(), 16);
    EXPECT_EQ(spin("SpinEditFifsrtDigit")->value(), 6);
    EXPECT_TRUE(form->speedButtonUndo1()->isEnabled()) << "an undo copy was taken first";
}

TEST_F(NameBlockCopy, FirstBlockEndingPast255IsRefused)
{
    get<QCheckBox>("CheckBoxTogmame")->setChecked(false);
    spin("SpinEditNameLast")->setValue(6);
    spin("SpinEditRepeatName")->setValue(1);
    spin("SpinEditNameFrom")->setValue(251);
    copy();
    EXPECT_EQ(dialogs->shown, QStringList{"warning:  Копирование не выполнено: Максимальное число имен > 256 ! "});
    EXPECT_EQ(name(251), "");
    spin("SpinEditNameFrom")->setValue(250);
    copy();
    EXPECT_EQ(dialogs->shown.size(), 1);
    EXPECT_EQ(name(250), "2an");
}

TEST_F(NameBlockCopy, LaterRepetitionsStopAtChannel255)
{
    engine->SceneMemory.set(StaticOffset, 0x5A); // where channel 256's name would be
    spin("SpinEditNameFrom")->setValue(247);     // 247, 250, 253, then no room
    copy();
    EXPECT_EQ(name(255), "4im");
    EXPECT_EQ(engine->SceneMemory.get(StaticOffset), 0x5A);
    EXPECT_EQ(engine->SceneMemory.get(StaticOffset + 1), 0);
    EXPECT_TRUE(dialogs->shown.isEmpty());

    // One channel at a time still reaches 255, which the target field cannot hold.
    get<QCheckBox>("CheckBoxTogmame")->setChecked(false);
    spin("SpinEditNameFirst")->setValue(3);
    spin("SpinEditNameFrom")->setValue(254);
    spin("SpinEditFifsrtDigit")->setValue(1);
    copy();
    EXPECT_EQ(name(254), "1im");
    EXPECT_EQ(name(255), "2im");
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
    last->setValue(5);
    EXPECT_EQ(last->value(), 10) << "last never below first";
    from->setValue(8);
    EXPECT_EQ(from->value(), 11);

    get<QCheckBox>("CheckBoxTogmame")->setChecked(false);
    from->setValue(2);
    last->setValue(30);
    EXPECT_EQ(from->value(), 2) << "unlinked, the target may lie anywhere";

    // A count typed without Enter is what the copy uses.
    spin("SpinEditRepeatName")->setValue(5);
    first->setValue(1);
    last->setValue(3);
    from->setFocus();
    from->selectAll();
    QTest::keyClicks(from, "200");
    copy();
    EXPECT_FALSE(name(200).empty());
    EXPECT_TRUE(name(4).empty());
}

} // namespace
