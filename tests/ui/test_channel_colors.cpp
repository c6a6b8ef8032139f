// Name-field colours, graphic hints and group colours, and the four clear
// commands of the settings menu, through the real window.
#include "ui/scene_fixture.h"

#include <QAction>
#include <QLineEdit>

#include "files/ChannelNames.h"
#include "ui/ChannelColorTab.h"
#include "ui/ColorShape.h"
#include "ui/FaderPage.h"

namespace {

using namespace korvanel;

class ChannelColors : public SceneFormTest {
protected:
    void SetUp() override
    {
        engine->colors.setStartNameColors();
        SceneFormTest::SetUp();
    }
    ChannelColorTab &tab() { return *form->channelColorTab(); }
    QLineEdit *edit(int k) { return form->faderPage()->edit(k); }
    QScrollBar *bar(const char *name) { return get<QScrollBar>(name); }
    QLabel *label() { return get<QLabel>("LabelEditColor"); }
    void doubleClick(int k)
    {
        bringToFront(edit(k));
        QTest::mouseDClick(edit(k), Qt::LeftButton);
    }
    QColor nameColor(std::size_t c) const
    {
        const auto &t = engine->colors;
        return {t.NameColorRed[c], t.NameColorGreen[c], t.NameColorBlue[c]};
    }
    QColor groupColor(std::size_t c) const
    {
        const auto &t = engine->colors;
        return {t.SplitColorRed[c], t.SplitColorGreen[c], t.SplitColorBlue[c]};
    }
    void trigger(const char *item) { get<QAction>(item)->trigger(); }
};

TEST_F(ChannelColors, FieldsShowTheirChannelsNameColourOnEveryPage)
{
    EXPECT_EQ(tab().fieldColor(1), QColor(230, 238, 245));
    engine->colors.NameColorRed[40] = 131;
    engine->colors.NameColorRed[13] = 140;
    form->ScrolbarVertPos->setValue(30);
    EXPECT_EQ(tab().fieldColor(10), QColor(131, 238, 245));
    EXPECT_EQ(tab().fieldColor(11), QColor(230, 238, 245));
    form->ScrolbarVertPos->setValue(0);
    EXPECT_EQ(tab().fieldColor(13), QColor(140, 238, 245));
    EXPECT_EQ(tab().fieldColor(10), QColor(230, 238, 245));
}

TEST_F(ChannelColors, DoubleClickRaisesAStoredComponentToTheSliderMinimumAndStoresIt)
{
    form->ScrolbarVertPos->setValue(4);
    engine->colors.NameColorRed[7] = 100;
    engine->colors.NameColorGreen[7] = 200;
    engine->colors.NameColorBlue[7] = 250;
    bar("ScrollBar31")->setValue(128);   // the slider already at its minimum still stores
    doubleClick(3);
    EXPECT_EQ(tab().ColorEditChannel(), 7);
    EXPECT_EQ(bar("ScrollBar31")->value(), 128);
    EXPECT_EQ(bar("ScrollBar32")->value(), 200);
    EXPECT_EQ(bar("ScrollBar33")->value(), 250);
    EXPECT_EQ(engine->colors.NameColorRed[7], 128);
    EXPECT_EQ(label()->text(), "7");
    EXPECT_EQ(tab().fieldColor(3), QColor(128, 200, 250));
    EXPECT_EQ(get<ColorShape>("ShapeCltrey")->brushColor(), QColor(128, 200, 250));

    // The sliders now edit channel 7; the field follows while it is on the page.
    bar("ScrollBar32")->setValue(150);
    EXPECT_EQ(engine->colors.NameColorGreen[7], 150);
    EXPECT_EQ(tab().fieldColor(3), QColor(128, 150, 250));
    form->ScrolbarVertPos->setValue(100);
    bar("ScrollBar33")->setValue(140);
    EXPECT_EQ(engine->colors.NameColorBlue[7], 140);
    EXPECT_EQ(tab().fieldColor(3), QColor(230, 238, 245)) << "channel 103's field keeps its colour";
}

TEST_F(ChannelColors, AfterOffTheSlidersOnlyColourTheSwatch)
{
    doubleClick(2);
    click(get<QToolButton>("SpeedButton21"));
    EXPECT_EQ(label()->text(), "Нет выбора");
    const auto before = engine->colors.NameColorRed;
    bar("ScrollBar31")->setValue(170);
    EXPECT_EQ(engine->colors.NameColorRed, before);
    EXPECT_EQ(tab().fieldColor(2), QColor(230, 238, 245));
    EXPECT_EQ(get<ColorShape>("ShapeCltrey")->brushColor().red(), 170);
}

TEST_F(ChannelColors, HintSlidersFollowTheFaderAndSetPictureAndGroupColour)
{
    form->ScrolbarVertPos->setValue(10);
    fader(5)->setValue(fader(5)->value() + 1);
    EXPECT_EQ(bar("ScrollBar35")->value(), 15) << "the panel follows the fader last touched";
    EXPECT_EQ(label()->text(), "Канал: 15 - N: 0");
    bar("ScrollBar36")->setValue(42);
    EXPECT_EQ(engine->colors.GraphHint[15], 42);
    EXPECT_EQ(label()->text(), "Канал: 15 - N: 42");
    bar("ScrollBar35")->setValue(16);
    EXPECT_EQ(engine->colors.GraphHint[16], 0) << "choosing the channel stores nothing";

    click(get<QToolButton>("SpeedButton21"));
    bar("ScrollBar31")->setValue(140);
    bar("ScrollBar32")->setValue(150);
    bar("ScrollBar33")->setValue(160);
    click(get<QToolButton>("SpeedButton22"));
    EXPECT_EQ(groupColor(16), QColor(140, 150, 160));
    EXPECT_EQ(groupColor(15), QColor(0, 0, 0));
}

TEST_F(ChannelColors, ClearCommandsAskFirstAndDoNothingOnNo)
{
    engine->colors.GraphHint[9] = 5;
    engine->colors.SplitColorRed[9] = 7;
    SaveEdit(*engine, 1, NameBytes{'K', 'e', 'e', 'p'});
    const auto names = [this] {
        std::vector<std::uint8_t> bytes(StaticOffset - NamesOffset);
        engine->SceneMemory.copyTo(bytes, NamesOffset);
        return bytes;
    };
    const std::vector<std::uint8_t> namesBefore = names();
    for (const char *item : {"ClearNameChannelItem", "itemColor", "itemGrafHint", "itemColSplit"})
        trigger(item);
    EXPECT_EQ(dialogs->shown, (QStringList{"question: Очистить имена каналов?",
                                           "question: Очистить цвета имен каналов?",
                                           "question: Очистить графическую подсказку каналов?",
                                           "question: Очистить цветовые границы каналов?"}));
    EXPECT_EQ(names(), namesBefore);
    EXPECT_EQ(nameColor(1), QColor(230, 238, 245));
    EXPECT_EQ(engine->colors.GraphHint[9], 5);
    EXPECT_EQ(engine->colors.SplitColorRed[9], 7);
}

TEST_F(ChannelColors, ClearCommandsOnYes)
{
    SaveEdit(*engine, 2, padName("Wash"));
    SaveEdit(*engine, 255, padName("Last one"));
    form->ReturnPageControlAll();
    ASSERT_EQ(edit(2)->text(), "Wash");
    dialogs->yesNoAnswers = {true, true, true, true};
    trigger("ClearNameChannelItem");
    for (std::size_t i = NamesOffset; i < StaticOffset; ++i)
        ASSERT_EQ(engine->SceneMemory.get(i), 0) << i;
    EXPECT_EQ(edit(2)->text(), "") << "the fields show the cleared names at once";

    trigger("itemColor");
    EXPECT_EQ(nameColor(1), QColor(255, 255, 255));
    EXPECT_EQ(nameColor(255), QColor(255, 255, 255));
    EXPECT_EQ(tab().fieldColor(27), QColor(255, 255, 255));

    trigger("itemGrafHint");
    EXPECT_EQ(engine->colors.GraphHint[0], 255);
    EXPECT_EQ(engine->colors.GraphHint[255], 255);

    // Group colours take the window colour of the sliders.
    get<QScrollBar>("ScrollBarRed")->setValue(11);
    get<QScrollBar>("ScrollBarGreen")->setValue(22);
    get<QScrollBar>("ScrollBarBlue")->setValue(33);
    trigger("itemColSplit");
    EXPECT_EQ(groupColor(1), QColor(11, 22, 33));
    EXPECT_EQ(groupColor(255), QColor(11, 22, 33));
}

} // namespace
