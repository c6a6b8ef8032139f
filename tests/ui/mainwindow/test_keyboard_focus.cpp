// Where the keyboard goes in the real window: out of a name field after
// naming, and along the controls with Tab, with keys sent as the system sends
// them (to the window) and clicks on the controls.
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
    EXPECT_EQ(QApplication::focusWidget(), fader(5)) << "a fader takes the focus itself";
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

TEST_F(KeyboardFocusTest, TabWalksTheNamesThenTheFadersAndTheSequencerArrowsMoveThem)
{
    engine->setSys(SysLastScene, 2);
    form->ReturnPageControlAll();
    clickOn(name(1));
    for (int k = 2; k <= 27; ++k) {
        tap(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), name(k)) << k;
    }
    tap(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), fader(1));
    tap(Qt::Key_Right);
    EXPECT_EQ(fader(1)->value(), 1);
    EXPECT_EQ(engine->level(0, 1), 1) << "the arrow's move reached the scene";
    tap(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), fader(2));
    tap(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), fader(1));

    // On along the page and into the sequencer.
    auto *play = get<QToolButton>("SpeedButtonPlay");
    std::vector<QWidget *> reached;
    for (int n = 0; n < 400 && reached.size() < 3; ++n) {
        tap(Qt::Key_Tab);
        QWidget *at = QApplication::focusWidget();
        if (at == play || at == form->scrollBarTemp() || at == form->scrollBarStep())
            reached.push_back(at);
    }
    ASSERT_EQ(reached, (std::vector<QWidget *>{play, form->scrollBarTemp(), form->scrollBarStep()}));
    tap(Qt::Key_Right);
    EXPECT_EQ(engine->currentScene(), 1);
    tap(Qt::Key_Tab, Qt::ShiftModifier);
    tap(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), form->scrollBarTemp());
    const int tempo = form->scrollBarTemp()->value();
    tap(Qt::Key_Left);
    EXPECT_EQ(engine->sys(SysTempo), tempo - 1);

    // The live keys work with a slider or a button focused; Enter presses the button.
    tap(Qt::Key_Equal);
    EXPECT_TRUE(playing());
    get<QToolButton>("SpeedButtonStop")->setFocus(Qt::TabFocusReason);
    tap(Qt::Key_Return);
    EXPECT_FALSE(playing());
}

} // namespace
