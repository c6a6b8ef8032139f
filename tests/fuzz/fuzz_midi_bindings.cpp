// The MIDI bindings file, as a person may have edited it, and the bytes of a
// MIDI port: every binding read writes as a line that reads back the same;
// learning a control keeps every other line of the file byte for byte, in its
// order, and the file then binds the control to what was learnt; a decoded
// message encodes to the bytes it came from.

#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "control/midi/MidiBindingFile.h"
#include "control/midi/MidiBindingText.h"

using namespace korvanel;

namespace {

std::vector<std::string_view> lines(std::string_view text)
{
    std::vector<std::string_view> list;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        const auto stop = end == std::string_view::npos ? text.size() : end + 1;
        list.push_back(text.substr(start, stop - start));
        start = stop;
    }
    return list;
}

// Bound to what its first line binds, or what the input's first bytes pick.
MidiBinding learnt(const std::uint8_t *data, std::size_t size)
{
    MidiBinding binding{{MidiControlKind::Control, 0, 7}, {MidiTargetKind::Tempo, 0}};
    if (size >= 3) {
        binding.address.kind = static_cast<MidiControlKind>(data[0] % 3);
        binding.address.channel = data[1] % 17 - 1;
        binding.address.number = binding.address.kind == MidiControlKind::Bend ? 0 : data[2] % 128;
    }
    return binding;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    // A note off is sent as such, whatever form it came in.
    if (const auto message = decodeMidi({data, size}); message && message->kind != MidiKind::NoteOff)
        FUZZ_CHECK(encodeMidi(*message) == (MidiBytes{data[0], data[1], data[2]}));

    const MidiBindingsText read = parseMidiBindings(text);
    FUZZ_CHECK(read.bindings.all().size() <= MidiBindings::MaxBindings);
    for (const MidiBinding &binding : read.bindings.all()) {
        FUZZ_CHECK(validAddress(binding.address) && validTarget(binding.target));
        const MidiBindingsText line = parseMidiBindings(midiBindingLine(binding));
        FUZZ_CHECK(line.badLines.empty() && line.bindings.all().size() == 1);
        FUZZ_CHECK(line.bindings.all().front() == binding);
    }

    // Learnt: the control's old lines go, every other line stays as it was, in order, and the new one comes last.
    const MidiBinding binding = learnt(data, size);
    const std::string merged = withMidiBinding(text, binding);
    const auto back = lines(merged);
    std::size_t j = 0;
    for (const std::string_view line : lines(text)) {
        const MidiBindingsText alone = parseMidiBindings(line);
        if (alone.badLines.empty() && alone.bindings.all().size() == 1 &&
            alone.bindings.all().front().address == binding.address)
            continue;
        const std::string_view body = line.ends_with('\n') ? line.substr(0, line.size() - 1) : line;
        FUZZ_CHECK(j < back.size() && back[j].substr(0, body.size()) == body);
        ++j;
    }
    FUZZ_CHECK(j + 1 == back.size());
    const MidiBindingsText last = parseMidiBindings(back[j]);
    FUZZ_CHECK(last.badLines.empty() && last.bindings.all().size() == 1 && last.bindings.all().front() == binding);

    // On disk: read as the text is; written only when every line of it is understood.
    const std::string path = fuzz::writeScratchFile("midi-bindings", data, size);
    const MidiBindingFile file = readMidiBindingFile(path);
    const bool fits = size <= MaxMidiBindingFileSize;
    FUZZ_CHECK(file.writable() == (fits && read.badLines.empty()));
    if (fits)
        FUZZ_CHECK(file.bindings == read.bindings);
    FUZZ_CHECK(keepMidiBinding(path, binding).ok() == file.writable());
    FUZZ_CHECK(fuzz::readScratchFile(path) == (file.writable() ? merged : std::string(text)));
    return 0;
}
