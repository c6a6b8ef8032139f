// The bindings file's text: what the program writes reads back the same, a
// person's edits are understood or named by line, and learning keeps them.
#include <gtest/gtest.h>

#include "control/midi/MidiBindingText.h"

using namespace korvanel;

TEST(MidiBindingText, TheDefaultsWrittenReadBackTheSame)
{
    const MidiBindings defaults = defaultMidiBindings();
    ASSERT_EQ(defaults.all().size(), 27u + 16u);
    EXPECT_EQ(defaults.find({MidiKind::Control, 5, 27, 0})->target, (MidiTarget{MidiTargetKind::Fader, 27}));
    EXPECT_EQ(defaults.find({MidiKind::NoteOn, 0, 51, 9})->target, (MidiTarget{MidiTargetKind::Picture, 16}));
    EXPECT_EQ(defaults.find({MidiKind::Control, 0, 28, 0}), nullptr);

    const MidiBindingsText read = parseMidiBindings(midiBindingsText(defaults));
    EXPECT_TRUE(read.badLines.empty());
    EXPECT_EQ(read.bindings, defaults);
}

TEST(MidiBindingText, APersonsLinesAreReadAndTheirMistakesNamedByLine)
{
    const MidiBindingsText read = parseMidiBindings("# mine\r\n"
                                                    "CC 16 7 = Fader 3   # the master\r\n"
                                                    "\r\n"
                                                    "note * 60=play\n"
                                                    "bend 2 = tempo\n"
                                                    "note 1 61 = step -1\n"
                                                    "note 1 62 = step +1\n"
                                                    "cc 1 20 = slot 20\n"
                                                    "cc 17 7 = fader 3\n"   // 9: no channel 17
                                                    "cc 1 128 = fader 3\n"  // 10: no controller 128
                                                    "cc 1 7 = fader 28\n"   // 11: no row 28
                                                    "cc 1 7 = picture\n"    // 12: which picture
                                                    "bend 1 5 = tempo\n"    // 13: a bend has no number
                                                    "pad 1 7 = play\n"      // 14
                                                    "cc 1 7 fader 3\n"      // 15
                                                    "note 1 63 = step 2\n"  // 16
                                                    "cc 1 -7 = fader 3\n"   // 17
                                                    "cc 1 7 = play 1\n"     // 18
                                                    "cc 1 0007 = fader 3"); // 19, and no line end
    EXPECT_EQ(read.badLines, (std::vector<int>{9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    const auto target = [&](MidiMessage m) {
        const MidiBinding *b = read.bindings.find(m);
        return b ? std::optional(b->target) : std::nullopt;
    };
    EXPECT_EQ(target({MidiKind::Control, 15, 7, 0}), (MidiTarget{MidiTargetKind::Fader, 3}));
    EXPECT_EQ(target({MidiKind::Control, 14, 7, 0}), std::nullopt) << "its own channel only";
    EXPECT_EQ(target({MidiKind::NoteOn, 9, 60, 1}), (MidiTarget{MidiTargetKind::Play, 0}));
    EXPECT_EQ(target({MidiKind::Bend, 1, 0, 0}), (MidiTarget{MidiTargetKind::Tempo, 0}));
    EXPECT_EQ(target({MidiKind::NoteOn, 0, 61, 1}), (MidiTarget{MidiTargetKind::Step, -1}));
    EXPECT_EQ(target({MidiKind::NoteOn, 0, 62, 1}), (MidiTarget{MidiTargetKind::Step, 1}));
    EXPECT_EQ(target({MidiKind::Control, 0, 20, 1}), (MidiTarget{MidiTargetKind::Slot, 20}));
    for (const MidiBinding &b : read.bindings.all())
        EXPECT_EQ(parseMidiBindings(midiBindingLine(b)).bindings.all().front(), b) << midiBindingLine(b);
}

TEST(MidiBindingText, AControlLearntAgainLosesOnlyItsOldLine)
{
    const std::string before = "# my desk\r\n"
                               "cc 1 7 = fader 3 # master\r\n"
                               "cc * 7 = fader 4\r\n"
                               "what is this\r\n"
                               "note 1 36 = picture 1";
    const std::string after = withMidiBinding(before, {{MidiControlKind::Control, 0, 7}, {MidiTargetKind::Tempo, 0}});
    EXPECT_EQ(after,
              "# my desk\r\n"
              "cc * 7 = fader 4\r\n"
              "what is this\r\n"
              "note 1 36 = picture 1\r\n"
              "cc 1 7 = tempo\r\n");
    EXPECT_EQ(withMidiBinding("", {{MidiControlKind::Bend, 3, 0}, {MidiTargetKind::Fader, 1}}), "bend 4 = fader 1\n");
}
