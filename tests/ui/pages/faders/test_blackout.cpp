// The blackout check box and the three output mode buttons stay in step, stop
// the sequencer's stepping, and reach the output tick through LiveControls.
#include "ui/form_fixture.h"

#include <QToolButton>

namespace {

using korvanel::load;
using korvanel::store;

class Blackout : public FormTest {
protected:
    void SetUp() override
    {
        box = get<QCheckBox>("CheckBoxBlackOut");
        onScena = get<QToolButton>("SpeedButtonOnScena");
        blackOut = get<QToolButton>("SpeedButtonBlackOut");
        macros = get<QToolButton>("SpeedButtonMacrosOut");
        play = get<QToolButton>("SpeedButtonPlay");
        stop = get<QToolButton>("SpeedButtonStop");
        ASSERT_TRUE(box && onScena && blackOut && macros && play && stop);
    }

    void startPlaying()
    {
        store(engine->PlayMode, 1);
        play->setChecked(true);
    }

    // One button down; the box says blackout exactly when a blackout button is
    // down; the tick sees both.
    void expectAgreement(const char *step)
    {
        SCOPED_TRACE(step);
        EXPECT_EQ(int(onScena->isChecked()) + int(blackOut->isChecked()) + int(macros->isChecked()), 1);
        EXPECT_EQ(box->isChecked(), blackOut->isChecked() || macros->isChecked());
        EXPECT_EQ(load(engine->live.blackout), box->isChecked() ? 1 : 0);
        EXPECT_EQ(load(engine->live.macrosDown), macros->isChecked() ? 1 : 0);
    }

    void expectStoppedByBlackout()
    {
        EXPECT_EQ(load(engine->PlayMode), 0);
        EXPECT_TRUE(stop->isChecked());
    }

    QCheckBox *box = nullptr;
    QToolButton *onScena = nullptr, *blackOut = nullptr, *macros = nullptr, *play = nullptr, *stop = nullptr;
};

TEST_F(Blackout, StartsInNormalOperation)
{
    EXPECT_TRUE(onScena->isChecked());
    EXPECT_FALSE(box->isChecked());
    expectAgreement("start");
    EXPECT_EQ(box->text(), "BlackOut");
    EXPECT_EQ(onScena->toolTip(), "Разрешить нормальную работу ");
    EXPECT_EQ(macros->toolTip(), "Выключает все каналы  и включает  каналы статической каркинки =M= ");
    EXPECT_EQ(blackOut->toolTip(), box->toolTip());
}

TEST_F(Blackout, EachButtonSetsTheBoxAndStopsPlayback)
{
    startPlaying();
    click(blackOut);
    EXPECT_TRUE(blackOut->isChecked());
    EXPECT_TRUE(box->isChecked());
    expectStoppedByBlackout();
    expectAgreement("blackout");

    startPlaying();
    click(onScena);
    EXPECT_TRUE(onScena->isChecked());
    EXPECT_FALSE(box->isChecked());
    expectStoppedByBlackout();
    expectAgreement("normal");

    startPlaying();
    click(macros);
    EXPECT_TRUE(macros->isChecked()) << "the macros button stays the chosen one";
    EXPECT_TRUE(box->isChecked());
    expectStoppedByBlackout();
    expectAgreement("macros");
}

TEST_F(Blackout, TheBoxMovesTheButtonsByUserAndByCode)
{
    startPlaying();
    click(box);
    EXPECT_TRUE(blackOut->isChecked());
    expectStoppedByBlackout();
    expectAgreement("box clicked on");

    click(box);
    EXPECT_TRUE(onScena->isChecked());
    expectAgreement("box clicked off");

    // The blackout key toggles the box in code.
    startPlaying();
    box->toggle();
    EXPECT_TRUE(blackOut->isChecked());
    expectStoppedByBlackout();
    expectAgreement("box toggled on");
}

TEST_F(Blackout, MacrosPressedWhileBlackedOutIsStillMirrored)
{
    click(blackOut);
    ASSERT_TRUE(box->isChecked());
    click(macros); // the box does not change here
    EXPECT_TRUE(macros->isChecked());
    EXPECT_EQ(load(engine->live.macrosDown), 1);
    expectAgreement("macros over blackout");

    click(blackOut); // nor here
    EXPECT_EQ(load(engine->live.macrosDown), 0);
    expectAgreement("blackout over macros");
}

TEST_F(Blackout, ReleasingTheBoxReleasesTheMacrosPicture)
{
    click(macros);
    startPlaying();
    click(box);
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(onScena->isChecked());
    expectStoppedByBlackout();
    expectAgreement("box released under macros");
}

TEST_F(Blackout, AnySequenceKeepsThemInStep)
{
    QAbstractButton *const steps[] = {macros, box,      blackOut, macros,  macros,  onScena, box, box,
                                      macros, blackOut, box,      onScena, onScena, macros,  box};
    for (QAbstractButton *button : steps) {
        click(button);
        expectAgreement(button->objectName().toUtf8().constData());
    }
}

TEST_F(Blackout, FormPublishesItsStartStateOverStaleEngineValues)
{
    form.reset();
    store(engine->live.blackout, 1);
    store(engine->live.macrosDown, 1);
    store(engine->live.manual, 1);
    store(engine->live.fadeMode, 2);
    store(engine->FaderPageOffset, 100);
    engine->live.pictures.fill(1);
    form = std::make_unique<TBaseForm>(*engine);

    EXPECT_EQ(load(engine->live.blackout), 0);
    EXPECT_EQ(load(engine->live.macrosDown), 0);
    EXPECT_EQ(load(engine->live.manual), 0);
    EXPECT_EQ(load(engine->live.fadeMode), 0);
    EXPECT_EQ(load(engine->FaderPageOffset), 0);
    for (std::size_t k = 0; k < korvanel::StaticPictureCount; ++k)
        EXPECT_EQ(engine->live.pictures.get(k), 0) << k;
}

} // namespace
