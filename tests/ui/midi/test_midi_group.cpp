// The options page's MIDI group without a MIDI system: its settings, a module
// that is missing or of another version, said where MIDI is switched on, and
// what touching the window's controls chooses while learning.
#include "ui/form_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "midi/MidiPortsApi.h"
#include "ui/midi/MidiGroup.h"
#include "ui/midi/MidiLearn.h"
#include "ui/midi/MidiLink.h"
#include "ui/midi/MidiSurface.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/rightcolumn/ConveyorGroup.h"

using namespace korvanel;

namespace {

struct Bench {
    Bench(TBaseForm &form, const std::string &module)
        : link(nullptr, module), surface(link, form.control()), group(link, surface, *form.midiLearn())
    {
    }
    QString status() const { return group.findChild<QLabel *>(QStringLiteral("LabelMidiStatus"))->text(); }
    MidiLink link;
    MidiSurface surface;
    MidiGroup group;
};

} // namespace

TEST_F(FormTest, MidiStartsOffAndKeepsThePortsChosenWhileTheyAreAway)
{
    EXPECT_FALSE(get<QCheckBox>("CheckBoxMidi")->isChecked());
    EXPECT_FALSE(get<QToolButton>("SpeedButtonMidiLearn")->isEnabled()) << "nothing to learn from";
    EXPECT_EQ(form->midiGroup()->settings(), MidiIni{});

    Bench bench(*form, "/nonexistent/korvanel-midi.so");
    bench.group.applySettings({false, "Desk:Desk MIDI 1 24:0", "Desk:Desk MIDI 1 24:0"});
    EXPECT_EQ(bench.group.settings(), (MidiIni{false, "Desk:Desk MIDI 1 24:0", "Desk:Desk MIDI 1 24:0"}));
    auto *input = bench.group.findChild<QComboBox *>(QStringLiteral("ComboBoxMidiInput"));
    EXPECT_EQ(input->currentText(), QStringLiteral("Desk:Desk MIDI 1 24:0 (не подключён)"));
    EXPECT_EQ(bench.status(), QStringLiteral("Выключено"));
}

TEST_F(FormTest, AMidiModuleThatCannotBeLoadedOrIsOfAnotherVersionIsSaidAndNeverCalled)
{
    Bench missing(*form, "/nonexistent/korvanel-midi.so");
    missing.group.applySettings({true, {}, {}});
    EXPECT_TRUE(
        missing.status().startsWith(QStringLiteral("MIDI недоступен: /nonexistent/korvanel-midi.so не загружается")))
        << missing.status().toStdString();

    // Its entry aborts: the test ends if the loader ever calls it.
    Bench old(*form, FAKE_MODULES_FOLDER "/fake_midi_old_interface.so");
    old.group.applySettings({true, {}, {}});
    EXPECT_EQ(old.status(),
              QStringLiteral("MIDI недоступен: fake_midi_old_interface.so от другой версии программы "
                             "(интерфейс 0, нужен %1), переустановите программу")
                  .arg(MidiPortsInterfaceVersion));
    EXPECT_EQ(old.link.trouble(), MidiLink::Trouble::Refused);
}

TEST_F(FormTest, LearningNamesTheTouchedControlAndKeepsTheClickFromIt)
{
    std::vector<MidiTarget> touched;
    QObject::connect(form->midiLearn(), &MidiLearn::touched, [&](const MidiTarget &t) { touched.push_back(t); });
    form->midiLearn()->setActive(true);
    auto *fader = form->faderPage()->scrollBar(5);
    bringToFront(fader);
    QTest::mouseClick(fader, Qt::LeftButton, {}, QPoint(fader->width() / 2, fader->height() / 2));
    auto *step = get<QScrollBar>("ScrollBarStep");
    QTest::mouseClick(step, Qt::LeftButton, {}, QPoint(3, step->height() / 2));
    QTest::mouseClick(step, Qt::LeftButton, {}, QPoint(step->width() - 3, step->height() / 2));
    click(get<QToolButton>("SpeedButtonPlay"));
    click(get<QCheckBox>("CheckBoxBlackOut"));
    click(form->conveyor()->slotButton(20));
    EXPECT_EQ(touched,
              (std::vector<MidiTarget>{{MidiTargetKind::Fader, 5},
                                       {MidiTargetKind::Step, -1},
                                       {MidiTargetKind::Step, 1},
                                       {MidiTargetKind::Play, 0},
                                       {MidiTargetKind::Blackout, 0},
                                       {MidiTargetKind::Slot, 20}}));
    EXPECT_EQ(fader->value(), 0) << "the touch moved nothing";
    EXPECT_FALSE(get<QCheckBox>("CheckBoxBlackOut")->isChecked());
    EXPECT_EQ(load(engine->PlayMode), 0);

    form->midiLearn()->setActive(false);
    click(get<QCheckBox>("CheckBoxBlackOut"));
    EXPECT_TRUE(get<QCheckBox>("CheckBoxBlackOut")->isChecked()) << "after learning the controls act again";
    EXPECT_EQ(touched.size(), 6u);
}
