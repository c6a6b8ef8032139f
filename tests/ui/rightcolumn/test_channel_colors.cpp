// Name-field colours, graphic hints and group colours, and the four clear
// commands of the settings menu, through the real window.
#include "ui/scene_fixture.h"

#include <QAction>
#include <QLineEdit>

#include "files/ChannelNames.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/rightcolumn/ChannelColorTab.h"
#include "ui/widgets/ColorShape.h"

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
    QScrollBar *bar(const char *name) { return get<QScrollBar>(name); }
    QString label() { return get<QLabel>("LabelEditColor")->text(); }
    QColor group(std::size_t c) const
    {
        const auto &t = engine->colors;
        return {t.SplitColorRed[c], t.SplitColorGreen[c], t.SplitColorBlue[c]};
    }
};

TEST_F(ChannelColors, DoubleClickRaisesAStoredComponentTo128AndTheSlidersEditThatChannel)
{
    form->scrolbarVertPos()->setValue(4);
    engine->colors.NameColorRed[7] = 100;
    engine->colors.NameColorGreen[7] = 200;
    bar("ScrollBar31")->setValue(128); // already at the minimum: stored all the same
    QLineEdit *field = form->faderPage()->edit(3);
    bringToFront(field);
    QTest::mouseDClick(field, Qt::LeftButton);
    EXPECT_EQ(bar("ScrollBar31")->value(), 128);
    EXPECT_EQ(engine->colors.NameColorRed[7], 128);
    EXPECT_EQ(label(), "7");
    EXPECT_EQ(tab().fieldColor(3), QColor(128, 200, 245));
    EXPECT_EQ(get<ColorShape>("ShapeCltrey")->brushColor(), QColor(128, 200, 245));

    bar("ScrollBar32")->setValue(150);
    EXPECT_EQ(tab().fieldColor(3), QColor(128, 150, 245));
    form->scrolbarVertPos()->setValue(100); // channel 7 off the page: stored, no field coloured
    bar("ScrollBar33")->setValue(140);
    EXPECT_EQ(engine->colors.NameColorBlue[7], 140);
    EXPECT_EQ(tab().fieldColor(3), QColor(230, 238, 245));

    click(get<QToolButton>("SpeedButton21"));
    EXPECT_EQ(label(), "Нет выбора");
    bar("ScrollBar31")->setValue(170);
    EXPECT_EQ(engine->colors.NameColorRed[7], 128) << "after OFF the sliders store nothing";
    EXPECT_EQ(get<ColorShape>("ShapeCltrey")->brushColor().red(), 170);
}

TEST_F(ChannelColors, HintSlidersFollowTheFaderAndSetPictureAndGroupColour)
{
    form->scrolbarVertPos()->setValue(10);
    fader(5)->setValue(fader(5)->value() + 1);
    EXPECT_EQ(bar("ScrollBar35")->value(), 15);
    engine->SceneMemory.set(sceneByte(engine->currentScene(), 20), 99);
    form->ReturnPageControlAll();
    ASSERT_EQ(fader(10)->value(), 99);
    EXPECT_EQ(bar("ScrollBar35")->value(), 15) << "a refresh is not the operator's touch";
    bar("ScrollBar36")->setValue(42);
    EXPECT_EQ(engine->colors.GraphHint[15], 42);
    EXPECT_EQ(label(), "Канал: 15 - N: 42");
    bar("ScrollBar35")->setValue(16);
    EXPECT_EQ(engine->colors.GraphHint[16], 0) << "choosing the channel stores nothing";

    bar("ScrollBar31")->setValue(140);
    click(get<QToolButton>("SpeedButton22"));
    EXPECT_EQ(group(16), QColor(140, 238, 245));
    EXPECT_EQ(group(15), QColor(0, 0, 0));
}

TEST_F(ChannelColors, ClearCommandsAskFirstAndActOnlyOnYes)
{
    SaveEdit(*engine, 2, padName("Wash"));
    SaveEdit(*engine, 255, padName("Last one"));
    engine->colors.GraphHint[9] = 5;
    const char *items[] = {"ClearNameChannelItem", "itemColor", "itemGrafHint", "itemColSplit"};
    for (const char *item : items)
        get<QAction>(item)->trigger();
    EXPECT_EQ(dialogs->shown,
              (QStringList{"question: Очистить имена каналов?", "question: Очистить цвета имен каналов?",
                           "question: Очистить графическую подсказку каналов?",
                           "question: Очистить цветовые границы каналов?"}));
    EXPECT_EQ(form->faderPage()->edit(2)->text(), "Wash");
    EXPECT_EQ(engine->colors.GraphHint[9], 5);
    EXPECT_EQ(tab().fieldColor(1), QColor(230, 238, 245));

    get<QScrollBar>("ScrollBarRed")->setValue(11); // the window colour
    dialogs->yesNoAnswers = {true, true, true, true};
    for (const char *item : items)
        get<QAction>(item)->trigger();
    for (std::size_t i = NamesOffset; i < StaticOffset; ++i)
        ASSERT_EQ(engine->SceneMemory.get(i), 0) << "channel 255's name too: " << i;
    EXPECT_EQ(form->faderPage()->edit(2)->text(), "");
    EXPECT_EQ(tab().fieldColor(27), QColor(255, 255, 255));
    EXPECT_EQ(engine->colors.NameColorBlue[255], 255);
    EXPECT_EQ(engine->colors.GraphHint[255], 255);
    EXPECT_EQ(group(255), QColor(11, 197, 190)) << "the cells blend into the window";
}

} // namespace
