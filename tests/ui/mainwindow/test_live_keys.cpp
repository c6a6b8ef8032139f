// The live key map through the real window: keys go to its native window, as
// the system delivers them, with the other windows of the program alive.
#include "ui/live_fixture.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include "ui/mainwindow/KeyboardControl.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/pages/faders/FaderPage.h"

using namespace korvanel;

namespace {

class LiveKeys : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        storePicture(0, 5, 100);
        storePicture(1, 6, 150);
        storePicture(4, 7, 200);
        engine->SceneMemory.set(sceneByte(0, 5), 20);
    }
    bool playing() const { return load(engine->PlayMode) == 1; }
    void focusOn(QWidget *control)
    {
        bringToFront(control);
        control->setFocus();
        ASSERT_EQ(form->focusWidget(), control) << control->objectName().toStdString();
    }
};

// Counts the menu shortcuts that reach their item, without running the commands.
class ShortcutsReached : public QObject {
public:
    explicit ShortcutsReached(const MainMenu &menu)
    {
        for (QAction *item : menu.findChildren<QAction *>()) {
            if (item->shortcut().isEmpty())
                continue;
            item->setEnabled(true);
            item->installEventFilter(this);
            items.push_back(item);
        }
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        reached.append(watched->objectName());
        return true;
    }
    std::vector<QAction *> items;
    QStringList reached;
};

// A field that claims every Ctrl key for itself, as line edits do with Ctrl+E
// and Ctrl+Delete on some desktops.
class ClaimsEveryCtrlKey : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent *>(event)->modifiers().testFlag(Qt::ControlModifier))
            event->accept();
        return false;
    }
};

} // namespace

TEST_F(LiveKeys, HeldPicturesShowTogetherAndReleasingOneLeavesTheOther)
{
    press(Qt::Key_1);
    press(Qt::Key_2);
    EXPECT_TRUE(picture(0)->isChecked());
    EXPECT_TRUE(picture(1)->isChecked());
    EXPECT_EQ(frame(5), 100);
    EXPECT_EQ(frame(6), 150);

    release(Qt::Key_1);
    EXPECT_FALSE(picture(0)->isChecked());
    EXPECT_TRUE(picture(1)->isChecked());
    EXPECT_EQ(frame(5), 20) << "back to the scene";
    EXPECT_EQ(frame(6), 150);
    release(Qt::Key_2);
    EXPECT_EQ(frame(6), 0);
}

TEST_F(LiveKeys, CtrlLatchesAFlashUntilItsKeyIsPressedAgain)
{
    press(Qt::Key_5);
    press(Qt::Key_Control, Qt::ControlModifier);
    release(Qt::Key_5, Qt::ControlModifier);
    release(Qt::Key_Control);
    EXPECT_TRUE(picture(4)->isChecked());
    EXPECT_EQ(frame(7), 200);

    tap(Qt::Key_5);
    EXPECT_FALSE(picture(4)->isChecked());
    EXPECT_EQ(frame(7), 0);
}

TEST_F(LiveKeys, ZeroTogglesBlackoutAndLeavesPlaybackStopped)
{
    form->sequencer()->ModePlay();
    engine->SceneMemory.set(sceneByte(0, 9), 255);
    tap(Qt::Key_0);
    EXPECT_TRUE(form->checkBoxBlackOut()->isChecked());
    EXPECT_FALSE(playing());
    for (std::size_t slot = 0; slot < DmxFrameSize; ++slot)
        ASSERT_EQ(frame(slot), 0) << slot;

    form->sequencer()->ModePlay();
    tap(Qt::Key_0);
    EXPECT_FALSE(form->checkBoxBlackOut()->isChecked());
    EXPECT_FALSE(playing());
    EXPECT_EQ(frame(9), 255);
}

TEST_F(LiveKeys, ConveyorLettersNeedTheirSwitchPictureLettersDoNot)
{
    engine->ConveyorFiles[0] = "/nowhere/show.kvl";
    auto *slot1 = form->conveyor()->findChild<QToolButton *>("SpeedButton1");
    get<QCheckBox>("CheckBoxKeyKonveyr")->setChecked(false);
    for (Qt::Key key : {Qt::Key_Q, Qt::Key_W, Qt::Key_A, Qt::Key_L})
        tap(key);
    EXPECT_FALSE(slot1->isChecked());
    EXPECT_TRUE(dialogs->shown.isEmpty());
    EXPECT_EQ(keyLabel(), "NomberKey is 76") << "the key is still seen";
    press(Qt::Key_Z);
    EXPECT_TRUE(picture(9)->isChecked());
    release(Qt::Key_Z);

    get<QCheckBox>("CheckBoxKeyKonveyr")->setChecked(true);
    tap(Qt::Key_Q);
    EXPECT_TRUE(slot1->isChecked());
}

TEST_F(LiveKeys, WithoutPreviewAFocusedSliderTakesTheKeyAlone)
{
    QScrollBar *slider = form->scrollBarTemp();
    bringToFront(slider);
    slider->setFocus();
    ASSERT_EQ(form->focusWidget(), slider);
    const int start = slider->value();

    form->checkBoxFlashOn()->setChecked(false);
    EXPECT_FALSE(form->keyboard()->keyPreview());
    tap(Qt::Key_1);
    EXPECT_FALSE(picture(0)->isChecked());
    EXPECT_EQ(keyLabel(), "Клавиатура ?");
    tap(Qt::Key_Right);
    const int moved = slider->value();
    EXPECT_NE(moved, start);

    // With the preview the map takes its own keys; the others still reach the slider.
    form->checkBoxFlashOn()->setChecked(true);
    press(Qt::Key_1);
    EXPECT_TRUE(picture(0)->isChecked());
    release(Qt::Key_1);
    tap(Qt::Key_Right);
    EXPECT_EQ(slider->value() - moved, moved - start);
    EXPECT_EQ(keyLabel(), "NomberKey is 39");
}

TEST_F(LiveKeys, AMapKeyDoesNotAlsoPressAFocusedCheckBox)
{
    QCheckBox *blackout = form->checkBoxBlackOut();
    bringToFront(blackout);
    blackout->setFocus();
    ASSERT_EQ(form->focusWidget(), blackout);
    press(Qt::Key_Space);
    release(Qt::Key_Space);
    EXPECT_FALSE(blackout->isChecked()) << "the space bar flashed its picture only";
    EXPECT_EQ(keyLabel(), "NomberKey is 32");
}

TEST_F(LiveKeys, EveryKeyWritesItsNumber)
{
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_A, 65},      {Qt::Key_9, 57},      {Qt::Key_F5, 116},
                                            {Qt::Key_Equal, 187}, {Qt::Key_Minus, 189}, {Qt::Key_Period, 190},
                                            {Qt::Key_Escape, 27}, {Qt::Key_Control, 17}};
    for (const auto &[key, number] : keys) {
        tap(key);
        EXPECT_EQ(keyLabel(), "NomberKey is " + QString::number(number)) << number;
    }
    QTest::keyPress(keyWindow(), Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(keyLabel(), "NomberKey is 103") << "keypad digits are keys of their own";
    EXPECT_FALSE(picture(6)->isChecked());
    QTest::keyRelease(keyWindow(), Qt::Key_7, Qt::KeypadModifier);
}

TEST_F(LiveKeys, StartAndStopKeysAlsoWhileRecordingHidesThePlayButton)
{
    staticForm->ChaserItemClick();
    auto *play = get<QToolButton>("SpeedButtonPlay");
    EXPECT_TRUE(play->isHidden());
    activate(form.get());

    tap(Qt::Key_Equal);
    EXPECT_TRUE(playing());
    EXPECT_TRUE(play->isChecked());
    tap(Qt::Key_Minus);
    EXPECT_FALSE(playing());
    EXPECT_TRUE(get<QToolButton>("SpeedButtonStop")->isChecked());

    QTest::keyClick(keyWindow(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_TRUE(playing());
    QTest::keyClick(keyWindow(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_FALSE(playing());
}

TEST_F(LiveKeys, RussianLayoutKeysActAsTheirUsKeys)
{
    send(QEvent::KeyPress, 0x42F, QString::fromUtf8("я")); // Я on the Z key
    EXPECT_TRUE(picture(9)->isChecked());
    EXPECT_EQ(keyLabel(), "NomberKey is 90");
    send(QEvent::KeyRelease, 0x42F, QString::fromUtf8("я"));
    EXPECT_FALSE(picture(9)->isChecked());

    send(QEvent::KeyPress, 0x419, QString::fromUtf8("й")); // Й on the Q key: conveyor slot 1
    EXPECT_TRUE(form->conveyor()->findChild<QToolButton *>("SpeedButton1")->isChecked());
    send(QEvent::KeyRelease, 0x419, QString::fromUtf8("й"));

    // Where the platform names the key's place, that decides, whatever the layout says.
    form->keyboard()->setNativeKeys(NativeKeys::Xkb);
    send(QEvent::KeyPress, 0x42C, QString::fromUtf8("ь"), false, 58); // the M key
    EXPECT_TRUE(picture(15)->isChecked());
    send(QEvent::KeyRelease, 0x42C, QString::fromUtf8("ь"), false, 58);
    EXPECT_FALSE(picture(15)->isChecked());
    send(QEvent::KeyPress, Qt::Key_Equal, QStringLiteral("="), false, 21);
    EXPECT_TRUE(playing());
    send(QEvent::KeyRelease, Qt::Key_Equal, QStringLiteral("="), false, 21);

    form->keyboard()->setNativeKeys(NativeKeys::Windows);
    send(QEvent::KeyPress, 0x431, QString::fromUtf8("б"), false, 0, 189); // Б is on the "," key; the number says "-"
    EXPECT_FALSE(playing());
    EXPECT_EQ(keyLabel(), "NomberKey is 189");
}

TEST_F(LiveKeys, AutoRepeatOfAHeldKeyTogglesNothing)
{
    send(QEvent::KeyPress, Qt::Key_0, QStringLiteral("0"));
    for (int i = 0; i < 5; ++i) {
        // Repeats come as release-press pairs on some systems, as presses alone on others.
        send(QEvent::KeyRelease, Qt::Key_0, QStringLiteral("0"), true);
        send(QEvent::KeyPress, Qt::Key_0, QStringLiteral("0"), true);
    }
    send(QEvent::KeyPress, Qt::Key_0, QStringLiteral("0"));
    EXPECT_TRUE(form->checkBoxBlackOut()->isChecked());
    send(QEvent::KeyRelease, Qt::Key_0, QStringLiteral("0"));

    send(QEvent::KeyPress, Qt::Key_3, QStringLiteral("3"));
    send(QEvent::KeyRelease, Qt::Key_3, QStringLiteral("3"), true);
    EXPECT_TRUE(picture(2)->isChecked()) << "a repeat's release is no release";
    send(QEvent::KeyPress, Qt::Key_3, QStringLiteral("3"), true);
    send(QEvent::KeyRelease, Qt::Key_3, QStringLiteral("3"));
    EXPECT_FALSE(picture(2)->isChecked());
}

TEST_F(LiveKeys, AFlashDoesNotStickWhenTheWindowLosesTheKeyboard)
{
    // 5 latched under Ctrl stays on; 2, still held, is a flash and goes off.
    press(Qt::Key_5);
    press(Qt::Key_Control, Qt::ControlModifier);
    release(Qt::Key_5, Qt::ControlModifier);
    press(Qt::Key_2, Qt::ControlModifier);
    press(Qt::Key_A, Qt::ControlModifier); // Ctrl+A opens the pad, which takes the keyboard
    EXPECT_TRUE(handScan->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(handScan.get()));
    EXPECT_FALSE(picture(1)->isChecked());
    EXPECT_TRUE(picture(4)->isChecked());
    EXPECT_FALSE(form->keyboard()->keys().CtrlHeld()) << "Ctrl does not stay down for the next flash";

    activate(form.get());
    press(Qt::Key_3);
    activate(handScan.get());
    EXPECT_FALSE(picture(2)->isChecked());
    activate(form.get());
    press(Qt::Key_0);
    EXPECT_TRUE(form->checkBoxBlackOut()->isChecked()) << "the key lost with the keyboard is not taken for held";
}

TEST_F(LiveKeys, EveryTextAndNumberFieldTakesItsOwnCharacters)
{
    std::vector<QWidget *> fields;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        const bool field = qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w);
        if (field && !qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
            fields.push_back(w);
    }
    ASSERT_GE(fields.size(), FaderCount + 10);
    for (QWidget *field : fields) {
        focusOn(field);
        const QString before = field->property("text").toString();
        for (Qt::Key key : {Qt::Key_2, Qt::Key_0, Qt::Key_Z, Qt::Key_Equal})
            tap(key);
        EXPECT_NE(field->property("text").toString(), before) << field->objectName().toStdString();
        ASSERT_FALSE(form->checkBoxBlackOut()->isChecked())
            << "typing 20 toggled blackout in " << field->objectName().toStdString();
        ASSERT_FALSE(playing()) << field->objectName().toStdString();
    }
    QTest::keyPress(keyWindow(), Qt::Key_Z);
    EXPECT_FALSE(picture(9)->isChecked()) << "a held key is the field's too";
    QTest::keyRelease(keyWindow(), Qt::Key_Z);

    // Keys no field types still reach the map there: Ctrl with 5 latches picture 5.
    press(Qt::Key_Control, Qt::ControlModifier);
    tap(Qt::Key_5, Qt::ControlModifier);
    release(Qt::Key_Control);
    EXPECT_TRUE(picture(4)->isChecked());

    // Off the fields the map has them back, also on a focused button.
    focusOn(get<QToolButton>("SpeedButtonPlay"));
    tap(Qt::Key_0);
    EXPECT_TRUE(form->checkBoxBlackOut()->isChecked());
}

TEST_F(LiveKeys, MenuShortcutsRunFromAnyFieldThatKeepsOnlyItsTextKeys)
{
    ShortcutsReached menu(*form->mainMenu());
    ASSERT_EQ(menu.items.size(), 15u);
    ClaimsEveryCtrlKey claims;
    const QStringList nameFieldKeeps = {"CopyToBufferItem", "NewPasteItem", "InsertScenaItem", "AreaItem"};

    QLineEdit *name = form->faderPage()->edit(1);
    for (QWidget *field : std::initializer_list<QWidget *>{name, get<QSpinBox>("SpinEditLevelFirst")}) {
        SCOPED_TRACE(field->objectName().toStdString());
        focusOn(field);
        field->installEventFilter(&claims);
        QStringList expected;
        menu.reached.clear();
        for (QAction *item : menu.items) {
            const QKeyCombination keys = item->shortcut()[0];
            tap(keys.key(), keys.keyboardModifiers());
            if (field != name || !nameFieldKeeps.contains(item->objectName()))
                expected.append(item->objectName());
        }
        EXPECT_EQ(menu.reached.join(' ').toStdString(), expected.join(' ').toStdString());
        field->removeEventFilter(&claims);
    }

    // What the name field keeps works on its text, and no picture key flashes with it.
    focusOn(name);
    name->setText(QStringLiteral("Пушка"));
    tap(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(name->selectedText(), "Пушка");
    tap(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Пушка");
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        EXPECT_FALSE(picture(k)->isChecked()) << k;
    EXPECT_FALSE(handScan->isVisible());
}
