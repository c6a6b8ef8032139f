// The options page's MIDI group without a MIDI system: its settings, and a
// module that is missing or of another version, said where MIDI is switched on.
#include "ui/form_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

#include "midi/MidiPortsApi.h"
#include "ui/midi/MidiGroup.h"
#include "ui/midi/MidiLink.h"
#include "ui/midi/MidiSurface.h"

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
