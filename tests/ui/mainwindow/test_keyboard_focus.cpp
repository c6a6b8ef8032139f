// Where the keyboard goes in the real window: out of a name field after
// naming, with keys sent as the system sends them (to the window) and clicks
// on the controls.
#include "ui/live_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include "files/ChannelNames.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/widgets/FocusChain.h"
#include "ui/widgets/NameCodec.h"

using namespace korvanel;

namespace {

class KeyboardFocusTest : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        storePicture(0, 5, 100);
    }
    QLineEdit *name(int k) { return form->faderPage()->edit(k); }
    QScrollBar *fader(int k) { return form->faderPage()->scrollBar(k); }
    QString stored(std::size_t channel) { return NameCodec::instance().decode(LoadEdit(*engine, channel)); }
    // On the control's middle, to the widget there, as the system delivers a click.
    void clickOn(QWidget *control)
    {
        bringToFront(control);
        const QPoint middle = control->rect().center();
        QWidget *at = control->childAt(middle);
        if (at == nullptr)
            at = control;
        QTest::mouseClick(at, Qt::LeftButton, {}, at->mapFrom(control, middle));
    }
    void type(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key key : keys)
            tap(key);
    }
    static bool typing()
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus != nullptr && isTextField(*focus);
    }
    bool playing() const { return load(engine->PlayMode) == 1; }
};

TEST_F(KeyboardFocusTest, AfterNamingARowTheLiveKeysActOnTheShow)
{
    clickOn(name(3));
    ASSERT_EQ(form->focusWidget(), name(3));
    type({Qt::Key_P, Qt::Key_A, Qt::Key_R});
    EXPECT_EQ(name(3)->text(), "par") << "the field keeps the keys it types with";
    tap(Qt::Key_Return);
    EXPECT_FALSE(typing()) << "Enter ends the naming";
    EXPECT_EQ(stored(3), "par");

    tap(Qt::Key_0);
    EXPECT_TRUE(form->checkBoxBlackOut()->isChecked());
    tap(Qt::Key_0);
    press(Qt::Key_1);
    EXPECT_TRUE(picture(0)->isChecked());
    EXPECT_EQ(frame(5), 100);
    release(Qt::Key_1);
    tap(Qt::Key_Equal);
    EXPECT_TRUE(playing());
    tap(Qt::Key_Minus);

    // Escape drops what was typed since and gives the keys back too.
    clickOn(name(3));
    type({Qt::Key_X, Qt::Key_Y});
    tap(Qt::Key_Escape);
    EXPECT_EQ(name(3)->text(), "par");
    EXPECT_EQ(stored(3), "par");
    tap(Qt::Key_0);
    EXPECT_TRUE(form->checkBoxBlackOut()->isChecked());

    // A number box: Enter takes the number and the keys go back to the window.
    auto *box = get<QSpinBox>("SpinEditNameFirst");
    clickOn(box);
    ASSERT_TRUE(box->hasFocus());
    box->selectAll();
    type({Qt::Key_1, Qt::Key_2});
    tap(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(box->value(), 12);
    EXPECT_FALSE(typing());
    // Escape drops digits the box has not taken.
    clickOn(box);
    box->selectAll();
    tap(Qt::Key_3);
    tap(Qt::Key_Escape);
    EXPECT_EQ(box->value(), 12);
    EXPECT_EQ(box->text(), "12");
    EXPECT_FALSE(typing());
    tap(Qt::Key_0);
    EXPECT_FALSE(form->checkBoxBlackOut()->isChecked());
}

TEST_F(KeyboardFocusTest, AClickOutsideANameFieldTakesTheKeysOutOfIt)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    clickOn(name(5));
    type({Qt::Key_A, Qt::Key_B});
    clickOn(fader(5));
    EXPECT_FALSE(typing());
    EXPECT_EQ(stored(5), "ab");

    clickOn(name(5));
    clickOn(name(5));
    EXPECT_EQ(QApplication::focusWidget(), name(5)) << "a click in the field keeps it";
    tap(Qt::Key_C);
    clickOn(get<QToolButton>("SpeedButtonOnVisCheck"));
    EXPECT_FALSE(typing()) << "a button takes no focus, the field gives it up";
    EXPECT_EQ(stored(5), "abc");

    auto *paste = get<QToolButton>("ButtonScenaPaste");
    ASSERT_FALSE(paste->isEnabled());
    tap(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(paste->isEnabled()) << "Ctrl+C copied the scene";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "clip");
}

} // namespace
