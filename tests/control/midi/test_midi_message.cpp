// The bytes of a port into the messages a controller's controls send, and back.
#include <gtest/gtest.h>

#include <vector>

#include "control/midi/MidiMessage.h"

using namespace korvanel;

namespace {
std::optional<MidiMessage> decode(std::vector<std::uint8_t> bytes) { return decodeMidi(bytes); }
} // namespace

TEST(MidiMessage, ChannelMessagesOfControlsAreDecodedAndEncodedAlike)
{
    EXPECT_EQ(decode({0xB3, 7, 100}), (MidiMessage{MidiKind::Control, 3, 7, 100}));
    EXPECT_EQ(decode({0x9F, 36, 1}), (MidiMessage{MidiKind::NoteOn, 15, 36, 1}));
    EXPECT_EQ(decode({0x90, 36, 0}), (MidiMessage{MidiKind::NoteOff, 0, 36, 0})) << "velocity 0 lets go";
    EXPECT_EQ(decode({0x81, 36, 64}), (MidiMessage{MidiKind::NoteOff, 1, 36, 64}));
    EXPECT_EQ(decode({0xE2, 0x7F, 0x7F}), (MidiMessage{MidiKind::Bend, 2, 0, 16383}));
    EXPECT_EQ(decode({0xE2, 0x00, 0x40}), (MidiMessage{MidiKind::Bend, 2, 0, 8192}));

    for (const MidiMessage &m : {MidiMessage{MidiKind::Control, 9, 27, 127}, MidiMessage{MidiKind::NoteOn, 0, 51, 127},
                                 MidiMessage{MidiKind::Bend, 4, 0, 12345}}) {
        const MidiBytes bytes = encodeMidi(m);
        EXPECT_EQ(decodeMidi(bytes), m);
    }
    EXPECT_EQ(encodeMidi({MidiKind::NoteOff, 1, 40, 99}), (MidiBytes{0x81, 40, 0}));
}

TEST(MidiMessage, WhatNoControlSendsIsDropped)
{
    EXPECT_FALSE(decode({}));
    EXPECT_FALSE(decode({0xF8})) << "clock";
    EXPECT_FALSE(decode({0xC0, 5})) << "program change";
    EXPECT_FALSE(decode({0xA0, 36, 20})) << "aftertouch";
    EXPECT_FALSE(decode({0xF0, 0x7E, 0x7F, 0xF7})) << "system exclusive";
    EXPECT_FALSE(decode({0xB0, 7})) << "cut short";
    EXPECT_FALSE(decode({0xB0, 7, 100, 5})) << "too long";
    EXPECT_FALSE(decode({0xB0, 0x80, 100})) << "a status byte where data belongs";
    EXPECT_FALSE(decode({0x07, 7, 100})) << "running status without its status";
}
