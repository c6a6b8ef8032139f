#pragma once
// A bound control and its target in the operator's words, for the MIDI
// group's status while learning.

#include <QString>

#include "control/midi/MidiBinding.h"

namespace korvanel {

QString midiTargetWords(const MidiTarget &target);
QString midiControlWords(const MidiAddress &address);

} // namespace korvanel
