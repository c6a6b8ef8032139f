// The settings file: read, written back, read again gives the same keys and
// values; written with new values, those read back, and every line of the
// first file that holds none of the program's keys comes back byte for byte,
// in its order.

#include <vector>

#include "FuzzSupport.h"
#include "files/SettingsFile.h"
#include "files/ShowNames.h"

using namespace korvanel;

namespace {

constexpr std::size_t KeyCount = ConveyorSlotCount + 2;
// [Ola] Enabled and Universe, [Midi] Enabled, Input and Output: written in
// their own form (a number; a port name or none), so a line of theirs that held
// another form comes back changed.
constexpr std::size_t NormalisedKeyCount = 5;
// Marks the values this harness writes; an input that holds it is passed over.
constexpr std::string_view Mark = "~fz!q~";

std::vector<std::string *> values(IniSettings &settings)
{
    std::vector<std::string *> list;
    for (std::string &file : settings.ConveyorFiles)
        list.push_back(&file);
    list.push_back(&settings.Path);
    list.push_back(&settings.Coder);
    return list;
}

bool same(IniSettings a, IniSettings b)
{
    if (a.Ola.Enabled != b.Ola.Enabled || a.Ola.Universe != b.Ola.Universe || !(a.Midi == b.Midi))
        return false;
    const auto va = values(a);
    const auto vb = values(b);
    for (std::size_t i = 0; i < va.size(); ++i)
        if (*va[i] != *vb[i])
            return false;
    return true;
}

std::vector<std::string_view> lines(std::string_view text)
{
    std::vector<std::string_view> list;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        const auto stop = end == std::string_view::npos ? text.size() : end;
        list.push_back(text.substr(start, stop - start));
        start = stop + 1;
    }
    return list;
}

// A line the writer may add: a blank one or a header of the program's sections.
bool addable(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line.empty() || line == "[Konveir]" || line == "[LastFile]" || line == "[Ola]" || line == "[Midi]";
}

// A line that may hold one of those keys.
bool normalisedKeyLine(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    std::string key;
    for (const char c : line.substr(0, equals))
        if (c != ' ' && c != '\t')
            key += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return key == "enabled" || key == "universe" || key == "input" || key == "output";
}

// A line of the first file as it comes back: the same bytes, and a last line
// that had no line end may get the file's "\r\n".
bool sameLine(std::string_view back, std::string_view line, bool unterminated)
{
    return back == line ||
        (unterminated && back.size() == line.size() + 1 && back.starts_with(line) && back.back() == '\r');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::string path = fuzz::writeScratchFile("settings.ini", data, size);
    const IniSettings first = ReadIniFile(path);
    const RemoteSettings remote = ReadRemoteSettings(path);
    FUZZ_CHECK(remote.Port >= 1 && remote.Port <= 65535);
    for (const std::string *port : {&first.Midi.Input, &first.Midi.Output})
        FUZZ_CHECK(port->size() <= MaxMidiPortName && port->find_first_of("\r\n") == std::string::npos);
    for (const std::string &file : first.ConveyorFiles)
        shortShowName(file, SettingsKeyNameLength);

    // Written back as read: the same settings, and every line of the file kept, in order.
    FUZZ_CHECK(WriteIniFile(path, first).ok());
    FUZZ_CHECK(same(ReadIniFile(path), first));
    const std::string backText = fuzz::readScratchFile(path);
    const auto original = lines(input);
    const auto back = lines(backText);
    const bool unterminated = !input.empty() && input.back() != '\n';
    const auto endless = [&](std::size_t i) { return unterminated && i + 1 == original.size(); };
    std::size_t j = 0;
    for (std::size_t i = 0; i < original.size(); ++i) {
        if (normalisedKeyLine(original[i]))
            continue;
        while (j < back.size() && !sameLine(back[j], original[i], endless(i)))
            ++j;
        FUZZ_CHECK(j < back.size());
        ++j;
    }
    FUZZ_CHECK(back.size() <= original.size() + KeyCount + NormalisedKeyCount + 6);

    if (input.find(Mark) != std::string::npos)
        return 0;
    fuzz::writeScratchFile("settings.ini", data, size);

    // New values: those read back, and only the lines that held the keys changed.
    IniSettings changed = first;
    std::size_t n = 0;
    for (std::string *value : values(changed))
        *value = std::string(Mark) + std::to_string(n++) + *value;
    FUZZ_CHECK(WriteIniFile(path, changed).ok());
    FUZZ_CHECK(same(ReadIniFile(path), changed));
    const std::string newText = fuzz::readScratchFile(path);
    std::vector<std::string_view> kept;
    std::size_t marked = 0;
    for (const std::string_view line : lines(newText)) {
        if (line.find(Mark) != std::string_view::npos)
            ++marked;
        else if (!normalisedKeyLine(line))
            kept.push_back(line);
    }
    FUZZ_CHECK(marked == KeyCount);
    j = 0;
    std::size_t dropped = 0;
    for (std::size_t i = 0; i < original.size(); ++i) {
        if (normalisedKeyLine(original[i]))
            continue;
        if (j < kept.size() && sameLine(kept[j], original[i], endless(i))) {
            ++j;
            continue;
        }
        // Only a key line's value changes.
        FUZZ_CHECK(original[i].find('=') != std::string_view::npos);
        ++dropped;
    }
    FUZZ_CHECK(dropped <= KeyCount);
    FUZZ_CHECK(kept.size() - j <= 4 + 2);
    for (; j < kept.size(); ++j)
        FUZZ_CHECK(addable(kept[j]));
    return 0;
}
