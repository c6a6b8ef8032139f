#pragma once
// The bindings file in the user's data folder. Without one the default
// binding holds; the first control learnt writes it, defaults included. A file
// that cannot be read, or has lines that are no binding, is never written:
// what the operator typed there would be lost.

#include <string>
#include <vector>

#include "control/midi/MidiBinding.h"
#include "files/FileResult.h"

namespace korvanel {

struct MidiBindingFile {
    enum class State { Missing, Read, Unreadable, Damaged } state = State::Missing;
    MidiBindings bindings; // the defaults when the file is missing or unreadable
    std::vector<int> badLines;
    int systemError = 0; // why it is unreadable, where the system said
    // Learning may add to it.
    bool writable() const { return state == State::Missing || state == State::Read; }
};

// Larger is no file a person wrote.
inline constexpr std::size_t MaxMidiBindingFileSize = 64 * 1024;

MidiBindingFile readMidiBindingFile(const std::string &path);
// Adds the binding to the file as it is on disk now; refused (WriteFailed) when
// that file is not writable as above.
FileResult keepMidiBinding(const std::string &path, const MidiBinding &binding);

} // namespace korvanel
