#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "output/FrameAssembly.h"
#include "ui/form_fixture.h"
#include "ui/pages/generators/GeneratorsTab.h"

using namespace korvanel;

namespace {

class Generators : public FormTest {
protected:
    void SetUp() override
    {
        initialiseAtStart(*engine);
        ClearAll(*engine);
    }
    GeneratorGroup &gen(int n) { return form->generatorsTab()->generator(n); }
};

} // namespace

TEST_F(Generators, RunningAloneStepsThePatternOntoItsChannels)
{
    get<QScrollBar>("ScrollBarBrightAvtomat1")->setValue(0);
    get<QScrollBar>("ScrollBarDarkAvtomat1")->setValue(255);
    EXPECT_EQ(engine->sys(SysAvtomat1Bright), 255);
    EXPECT_EQ(engine->sys(SysAvtomat1Dark), 0);
    get<QScrollBar>("ScrollBarChannelAvtomat1")->setValue(250);
    EXPECT_EQ(get<QLabel>("LabelSeq1Ch")->text(), QString::fromUtf8(" Каналы 251  252  253  254"));

    gen(1).TimerTempAvtomatTimer();
    EXPECT_EQ(load(engine->Avtomat1Running), 0) << "neither switch is on";

    click(get<QCheckBox>("CheckBoxAvtomat1"));
    gen(1).TimerTempAvtomatTimer();
    EXPECT_EQ(load(engine->Avtomat1Running), 1);
    EXPECT_EQ(get<QLabel>("LabelStepAvtomat1")->text(), "Step = 2");
    buildFrame(*engine);
    EXPECT_EQ(engine->DmxOut.get(251), 0);
    EXPECT_EQ(engine->DmxOut.get(252), 255);
    EXPECT_EQ(engine->DmxOut.get(253), 0);
    EXPECT_EQ(engine->DmxOut.get(254), 0);
    EXPECT_EQ(engine->DmxOut.get(255), 0);
}

TEST_F(Generators, BlackoutHoldsTheStepAndWithTheMainFollowsPlayback)
{
    click(get<QCheckBox>("CheckBoxTogethe2"));
    gen(2).TimerTempAvtomatTimer();
    EXPECT_EQ(load(engine->Avtomat2Running), 0) << "the sequencer is stopped";
    store(engine->PlayMode, 1);
    gen(2).TimerTempAvtomatTimer();
    EXPECT_EQ(load(engine->Avtomat2Running), 1);
    EXPECT_EQ(get<QLabel>("LabelStepAvtomat2")->text(), "Step = 2");

    click(get<QAbstractButton>("SpeedButtonBlackOut"));
    store(engine->PlayMode, 1);
    gen(2).TimerTempAvtomatTimer();
    EXPECT_EQ(load(engine->Avtomat2Running), 0);
    EXPECT_EQ(get<QLabel>("LabelStepAvtomat2")->text(), "Step = 2");
    click(get<QAbstractButton>("SpeedButtonOnScena"));
    store(engine->PlayMode, 1);
    gen(2).TimerTempAvtomatTimer();
    EXPECT_EQ(get<QLabel>("LabelStepAvtomat2")->text(), "Step = 3") << "resumes from its step";
}

TEST_F(Generators, PageRefreshBringsTheStoredSettingsIntoTheControls)
{
    engine->setSys(SysAvtomat1Mode, 3);
    engine->setSys(SysAvtomat1Tempo, 50);
    engine->setSys(SysAvtomat1Bright, 200);
    engine->setSys(SysAvtomat2Mode, 0);
    engine->setSys(SysAvtomat2Tempo, 5);
    engine->setSys(SysAvtomat2Channel, 12);
    engine->SceneMemory.set(nameOffset(13), 'P');
    engine->SceneMemory.set(nameOffset(13) + 1, 'a');
    get<QTabWidget>("PageControlInput")->setCurrentIndex(4);

    EXPECT_TRUE(get<QToolButton>("SpeedButtonAvto1Mode3")->isChecked());
    EXPECT_TRUE(get<QToolButton>("SpeedButtonAvto2Mode1")->isChecked()) << "a stored 0 changes no button";
    EXPECT_EQ(get<QLabel>("LabelTempAvtomat1")->text(), QString::fromUtf8("24 Flash/мин "));
    EXPECT_EQ(gen(1).timer().interval(), 2500);
    EXPECT_EQ(get<QLabel>("LabelTempAvtomat2")->text(), QString::fromUtf8("2400 Flash/мин "));
    EXPECT_EQ(get<QScrollBar>("ScrollBarBrightAvtomat1")->value(), 55);
    EXPECT_EQ(get<QScrollBar>("ScrollBarChannelAvtomat2")->value(), 12);
    EXPECT_EQ(engine->live.avtomatChannel.get(1), 12);
    EXPECT_EQ(get<QLabel>("LabelSeq2ChName")->text(), QString::fromUtf8(" Начиная от - Pa"));
}

TEST_F(Generators, ATempoOfZeroNeverStopsTheTimer)
{
    engine->setSys(SysAvtomat1Tempo, 0);
    gen(1).TempAvtomatStatus();
    EXPECT_EQ(gen(1).timer().interval(), 400);
    EXPECT_TRUE(gen(1).timer().isActive());
}

TEST_F(Generators, TheFirstChannelsNameReadsZeroBytesAsBlanks)
{
    const char stored[16] = {'S', 'p', 'o', 't', 0, 0, '1', 0};
    for (std::size_t i = 0; i < 16; ++i)
        engine->SceneMemory.set(nameOffset(1) + i, static_cast<std::uint8_t>(stored[i]));
    engine->SceneMemory.set(nameOffset(2), 0xC4); // Windows-1251 "Д"
    get<QTabWidget>("PageControlInput")->setCurrentIndex(4);
    EXPECT_EQ(get<QLabel>("LabelSeq1ChName")->text(), QString::fromUtf8(" Начиная от - Spot  1"));
    get<QScrollBar>("ScrollBarChannelAvtomat1")->setValue(1);
    EXPECT_EQ(get<QLabel>("LabelSeq1ChName")->text(), QString::fromUtf8(" Начиная от - Д"));
}

TEST_F(Generators, PageRefreshLeavesARunningChaseOnItsBeatAndSwitchingOffClearsItsLevels)
{
    engine->setSys(SysAvtomat1Tempo, 50); // 2500 ms
    get<QTabWidget>("PageControlInput")->setCurrentIndex(4);
    ASSERT_EQ(gen(1).timer().interval(), 2500);
    QTest::qWait(300);
    form->ReturnPageControlAll();
    EXPECT_LT(gen(1).timer().remainingTime(), 2400) << "the refresh restarted the timer";

    click(get<QCheckBox>("CheckBoxAvtomat1"));
    click(get<QCheckBox>("CheckBoxTogethe1"));
    gen(1).TimerTempAvtomatTimer();
    ASSERT_EQ(load(engine->Avtomat1Running), 1);
    click(get<QCheckBox>("CheckBoxAvtomat1"));
    EXPECT_EQ(load(engine->Avtomat1Running), 1) << "still runs with the sequencer";
    click(get<QCheckBox>("CheckBoxTogethe1"));
    EXPECT_EQ(load(engine->Avtomat1Running), 0);
}
