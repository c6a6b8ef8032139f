// Naming channels and moving on with real clicks and keys on an X server.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "core/Engine.h"
#include "ui/form_fixture.h"
#include "ui/pages/faders/FaderPage.h"
#include "x11/RealInput.h"

using namespace korvanel;

namespace {

class Focus : public FormTest {
protected:
    void SetUp() override
    {
        initialiseAtStart(*engine);
        form->ClearAll();
        form->move(0, 0);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    RealInput input;
};

} // namespace

TEST_F(Focus, NamesTypedDownTheColumnThenTheLiveKeysAndAClickElsewhereTakeTheShowBack)
{
    FaderPage &faders = *form->faderPage();
    ASSERT_TRUE(input.click(faders.edit(1)));
    ASSERT_TRUE(input.type(QStringLiteral("wash")));
    ASSERT_TRUE(input.keys({QStringLiteral("Tab")}));
    EXPECT_TRUE(faders.edit(2)->hasFocus()) << "Tab goes to the next name, not to a box";
    ASSERT_TRUE(input.type(QStringLiteral("spot")));
    ASSERT_TRUE(input.keys({QStringLiteral("Return")}));
    EXPECT_EQ(faders.edit(1)->text(), QStringLiteral("wash"));
    EXPECT_EQ(faders.edit(2)->text(), QStringLiteral("spot"));
    EXPECT_TRUE(form->checkBoxFlashOn()->isChecked()) << "naming leaves the live keys on";

    // The live keys act at once; Tab then goes on from the name left.
    ASSERT_TRUE(input.keys({QStringLiteral("0")}));
    EXPECT_EQ(load(engine->live.blackout), 1);
    EXPECT_EQ(faders.edit(2)->text(), QStringLiteral("spot"));
    ASSERT_TRUE(input.keys({QStringLiteral("Tab")}));
    EXPECT_TRUE(faders.edit(3)->hasFocus());
    ASSERT_TRUE(input.keys({QStringLiteral("Escape")}));

    // A click on a fader takes the keys out of a name being typed.
    ASSERT_TRUE(input.click(faders.edit(3)));
    ASSERT_TRUE(input.type(QStringLiteral("x")));
    ASSERT_TRUE(input.click(faders.scrollBar(5), QPoint(3, faders.scrollBar(5)->height() / 2)));
    EXPECT_FALSE(faders.edit(3)->hasFocus());
    ASSERT_TRUE(input.keys({QStringLiteral("0")}));
    EXPECT_EQ(load(engine->live.blackout), 0);
    EXPECT_EQ(faders.edit(3)->text(), QStringLiteral("x"));
}
