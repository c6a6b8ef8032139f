// A chosen port found again among those listed now.
#include <gtest/gtest.h>

#include "control/midi/MidiPortName.h"

using namespace korvanel;

TEST(MidiPortName, AChosenPortIsFoundAgainWhenItsSequencerNumbersChanged)
{
    const std::vector<std::string> listed{"Desk:Desk MIDI 1 28:0", "Desk:Desk MIDI 2 28:1", "pads:out"};
    EXPECT_EQ(findMidiPort("pads:out", listed), "pads:out");
    EXPECT_EQ(findMidiPort("Desk:Desk MIDI 2 24:1", listed), "Desk:Desk MIDI 2 28:1");
    EXPECT_EQ(findMidiPort("Desk:Desk MIDI 2 28:1", {"Desk:Desk MIDI 2 24:1", "Desk:Desk MIDI 2 28:1"}),
              "Desk:Desk MIDI 2 28:1")
        << "a whole match first";
    EXPECT_EQ(findMidiPort("Desk:Desk MIDI 3 24:2", listed), "");
    EXPECT_EQ(findMidiPort("pads", listed), "");
    EXPECT_EQ(findMidiPort("", listed), "");
}
