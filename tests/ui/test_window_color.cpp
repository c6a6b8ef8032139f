// The window colour of the show: its group on the options page and the
// window's own colour, refreshed with the page.
#include "ui/form_fixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QScrollBar>

#include "ui/ShowFileCommands.h"

namespace {

using namespace korvanel;

class WindowColor : public FormTest {
protected:
    void SetUp() override
    {
        form->ClearAll();
        form->ReturnPageControlAll();
    }
    QColor windowColor() const { return form->palette().color(QPalette::Window); }
    QColor groupColor() { return get<QGroupBox>("GroupBoxColor")->palette().color(QPalette::Window); }
    QColor show() const { return {engine->sys(SysRed), engine->sys(SysGreen), engine->sys(SysBlue)}; }
};

TEST_F(WindowColor, ANewShowPaintsTheWindowAndMirrorsIntoTheControls)
{
    EXPECT_EQ(windowColor(), QColor(190, 197, 190));
    EXPECT_EQ(groupColor(), QColor(190, 197, 190));
    EXPECT_EQ(get<QScrollBar>("ScrollBarGreen")->value(), 197);
    EXPECT_TRUE(get<QCheckBox>("CheckBoxColorZamok")->isChecked());
    EXPECT_EQ(get<QGroupBox>("GroupBoxColor")->title(), "Цвет формы");

    // A show that brings its own colour, with the lock off.
    engine->setSys(SysRed, 20);
    engine->setSys(SysGreen, 40);
    engine->setSys(SysBlue, 60);
    engine->setSys(SysColorLock, 0);
    form->ReturnPageControlAll();
    EXPECT_FALSE(get<QCheckBox>("CheckBoxColorZamok")->isChecked());
    EXPECT_EQ(get<QScrollBar>("ScrollBarRed")->value(), 20);
    EXPECT_EQ(get<QScrollBar>("ScrollBarBlue")->value(), 60);
    EXPECT_EQ(windowColor(), QApplication::palette().color(QPalette::Window)) << "the system's face colour";
    EXPECT_EQ(groupColor(), QColor(20, 40, 60)) << "the group still shows the chosen colour";
    EXPECT_EQ(engine->sys(SysColorLock), 0) << "mirroring stores nothing back";
}

TEST_F(WindowColor, SlidersAndLockStoreIntoTheShow)
{
    get<QScrollBar>("ScrollBarRed")->setValue(5);
    EXPECT_EQ(show(), QColor(5, 197, 190));
    EXPECT_EQ(windowColor(), QColor(5, 197, 190));
    click(get<QCheckBox>("CheckBoxColorZamok"));
    EXPECT_EQ(engine->sys(SysColorLock), 0);
    EXPECT_EQ(windowColor(), QApplication::palette().color(QPalette::Window));
    get<QScrollBar>("ScrollBarBlue")->setValue(7);
    EXPECT_EQ(groupColor(), QColor(5, 197, 7));
    click(get<QCheckBox>("CheckBoxColorZamok"));
    EXPECT_EQ(engine->sys(SysColorLock), 1);
    EXPECT_EQ(windowColor(), QColor(5, 197, 7));
}

TEST_F(WindowColor, SaveAsWithAutomaticColourRepaintsTheWindow)
{
    EXPECT_FALSE(get<QCheckBox>("CheckBoxColorAvto")->isChecked());
    get<QCheckBox>("CheckBoxColorAvto")->setChecked(true);
    engine->setSys(SysRed, 200);
    get<QAction>("SaveAsItem")->trigger();   // cancelled: the colour moves all the same
    EXPECT_EQ(engine->sys(SysRed), 47);
    EXPECT_EQ(get<QScrollBar>("ScrollBarRed")->value(), 47);
    EXPECT_EQ(windowColor(), QColor(47, 240, 157));
}

} // namespace
