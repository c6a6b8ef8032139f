#pragma once
// The bindings file as text: one binding a line, "control = target", with
// comments after '#'. A person reads and edits it; the program adds to it
// what is learnt and never drops a line it did not write, save the old
// binding of a control learnt again.
//
//   cc 1 7 = fader 3       controller 7 on channel 1 moves row 3 of the fader page
//   note * 36 = picture 1  note 36 on any channel holds picture 1
//   bend 2 = tempo         the pitch bend of channel 2 sets the tempo

#include <string>
#include <string_view>
#include <vector>

#include "control/midi/MidiBinding.h"

namespace korvanel {

struct MidiBindingsText {
    MidiBindings bindings;
    std::vector<int> badLines; // 1-based: lines that are neither a binding, a comment nor blank
};

MidiBindingsText parseMidiBindings(std::string_view text);
std::string midiBindingLine(const MidiBinding &binding);
// A new file: the header that explains the format, then one line a binding.
std::string midiBindingsText(const MidiBindings &bindings);
// The text with the binding's control bound anew: its old lines go, the new one comes last.
std::string withMidiBinding(std::string_view text, const MidiBinding &binding);

} // namespace korvanel
