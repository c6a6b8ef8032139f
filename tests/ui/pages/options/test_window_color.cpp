// The window colour of the show: its group on the options page and the
// window's own colour, refreshed with the page.
#include "ui/form_fixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QScrollBar>

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
};

TEST_F(WindowColor, WithTheLockOffOnlyTheGroupShowsTheShowsColour)
{
    EXPECT_EQ(windowColor(), QColor(190, 197, 190));
    engine->setSys(SysRed, 20);
    engine->setSys(SysColorLock, 0);
    form->ReturnPageControlAll();
    EXPECT_FALSE(get<QCheckBox>("CheckBoxColorZamok")->isChecked());
    EXPECT_EQ(get<QScrollBar>("ScrollBarRed")->value(), 20);
    EXPECT_EQ(windowColor(), QApplication::palette().color(QPalette::Window));
    EXPECT_EQ(groupColor(), QColor(20, 197, 190));
    EXPECT_EQ(engine->sys(SysColorLock), 0) << "mirroring stores nothing back";
    // The captions on the group read on a dark colour.
    engine->setSys(SysGreen, 0);
    engine->setSys(SysBlue, 0);
    form->ReturnPageControlAll();
    for (const char *caption : {"GroupBoxColor", "CheckBoxColorZamok", "LabelKeySp"})
        EXPECT_EQ(get<QWidget>(caption)->palette().color(QPalette::WindowText), QColor(Qt::white)) << caption;
    engine->setSys(SysGreen, 197);
    engine->setSys(SysBlue, 190);
    form->ReturnPageControlAll();
    EXPECT_EQ(get<QWidget>("LabelKeySp")->palette().color(QPalette::WindowText), QColor(Qt::black));

    click(get<QCheckBox>("CheckBoxColorZamok"));
    get<QScrollBar>("ScrollBarBlue")->setValue(7);
    EXPECT_EQ(engine->sys(SysColorLock), 1);
    EXPECT_EQ(engine->sys(SysBlue), 7);
    EXPECT_EQ(windowColor(), QColor(20, 197, 7));
}

TEST_F(WindowColor, SaveAsWithAutomaticColourRepaintsTheWindow)
{
    get<QCheckBox>("CheckBoxColorAvto")->setChecked(true);
    engine->setSys(SysRed, 200);
    get<QAction>("SaveAsItem")->trigger(); // cancelled: the colour moves all the same
    EXPECT_EQ(get<QScrollBar>("ScrollBarRed")->value(), 47);
    EXPECT_EQ(windowColor(), QColor(47, 240, 157));
}

} // namespace
