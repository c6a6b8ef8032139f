#include "control/midi/MidiBindingText.h"

#include <array>
#include <optional>

namespace korvanel {

namespace {

constexpr std::string_view Header =
    "# MIDI bindings of Korvanel, one a line: control = target\n"
    "#\n"
    "# control:  cc CHANNEL NUMBER    a controller (fader, knob), NUMBER 0..127\n"
    "#           note CHANNEL NUMBER  a key or pad, NUMBER 0..127\n"
    "#           bend CHANNEL         the pitch bend\n"
    "#           CHANNEL is 1..16, or * for any channel\n"
    "# target:   fader ROW (1..27, a row of the fader page), picture N (1..16),\n"
    "#           play, stop, blackout, tempo, step +1, step -1, slot N (conveyor, 1..20)\n"
    "#\n"
    "# Faders and the tempo take over once the hardware meets their level.\n"
    "# Learning adds lines at the end; a control learnt again loses its old line.\n";

struct Word {
    MidiTargetKind kind;
    std::string_view name;
};
constexpr std::array<Word, 8> TargetWords{{{MidiTargetKind::Fader, "fader"},
                                           {MidiTargetKind::Picture, "picture"},
                                           {MidiTargetKind::Play, "play"},
                                           {MidiTargetKind::Stop, "stop"},
                                           {MidiTargetKind::Blackout, "blackout"},
                                           {MidiTargetKind::Tempo, "tempo"},
                                           {MidiTargetKind::Step, "step"},
                                           {MidiTargetKind::Slot, "slot"}}};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size() && out.size() <= 8) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (i > start)
            out.push_back(text.substr(start, i - start));
    }
    return out;
}

bool sameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        if (c != b[i])
            return false;
    }
    return true;
}

// A whole number of at most three digits, with a sign when `signedOk`.
std::optional<int> number(std::string_view word, bool signedOk = false)
{
    int sign = 1;
    if (signedOk && !word.empty() && (word.front() == '+' || word.front() == '-')) {
        sign = word.front() == '-' ? -1 : 1;
        word.remove_prefix(1);
    }
    if (word.empty() || word.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return sign * value;
}

std::optional<MidiAddress> parseAddress(const std::vector<std::string_view> &w)
{
    if (w.size() < 2)
        return std::nullopt;
    MidiAddress address;
    if (sameWord(w[0], "cc"))
        address.kind = MidiControlKind::Control;
    else if (sameWord(w[0], "note"))
        address.kind = MidiControlKind::Note;
    else if (sameWord(w[0], "bend"))
        address.kind = MidiControlKind::Bend;
    else
        return std::nullopt;
    if (w[1] == "*") {
        address.channel = AnyMidiChannel;
    } else {
        const auto channel = number(w[1]);
        if (!channel || *channel < 1 || *channel > 16)
            return std::nullopt;
        address.channel = *channel - 1;
    }
    const std::size_t expected = address.kind == MidiControlKind::Bend ? 2 : 3;
    if (w.size() != expected)
        return std::nullopt;
    if (expected == 3) {
        const auto n = number(w[2]);
        if (!n)
            return std::nullopt;
        address.number = *n;
    }
    return validAddress(address) ? std::optional(address) : std::nullopt;
}

std::optional<MidiTarget> parseTarget(const std::vector<std::string_view> &w)
{
    if (w.empty() || w.size() > 2)
        return std::nullopt;
    for (const Word &word : TargetWords) {
        if (!sameWord(w[0], word.name))
            continue;
        MidiTarget target{word.kind, 0};
        if (w.size() == 2) {
            const auto n = number(w[1], word.kind == MidiTargetKind::Step);
            if (!n)
                return std::nullopt;
            target.index = *n;
        }
        return validTarget(target) ? std::optional(target) : std::nullopt;
    }
    return std::nullopt;
}

// What a line says: a binding, nothing (blank or comment), or neither.
enum class LineKind { Empty, Binding, Bad };
LineKind parseLine(std::string_view line, MidiBinding &binding)
{
    if (const auto hash = line.find('#'); hash != std::string_view::npos)
        line = line.substr(0, hash);
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return words(line).empty() ? LineKind::Empty : LineKind::Bad;
    const auto address = parseAddress(words(line.substr(0, equals)));
    const auto target = parseTarget(words(line.substr(equals + 1)));
    if (!address || !target)
        return LineKind::Bad;
    binding = {*address, *target};
    return LineKind::Binding;
}

template <typename Each>
void forEachLine(std::string_view text, Each each)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end + 1;
        each(text.substr(start, stop - start));
        start = stop;
    }
}

std::string channelWord(int channel) { return channel == AnyMidiChannel ? "*" : std::to_string(channel + 1); }

} // namespace

MidiBindingsText parseMidiBindings(std::string_view text)
{
    MidiBindingsText result;
    int n = 0;
    forEachLine(text, [&](std::string_view line) {
        ++n;
        MidiBinding binding;
        const LineKind kind = parseLine(line, binding);
        if (kind == LineKind::Bad || (kind == LineKind::Binding && !result.bindings.bind(binding)))
            result.badLines.push_back(n);
    });
    return result;
}

std::string midiBindingLine(const MidiBinding &binding)
{
    const MidiAddress &a = binding.address;
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a chain of string additions.
    std::string line = a.kind == MidiControlKind::Control ? "cc" : a.kind == MidiControlKind::Note ? "note" : "bend";
    line += ' ';
    line += channelWord(a.channel);
    if (a.kind != MidiControlKind::Bend) {
        line += ' ';
        line += std::to_string(a.number);
    }
    line += " = ";
    for (const Word &word : TargetWords) {
        if (word.kind == binding.target.kind)
            line += word.name;
    }
    if (binding.target.kind == MidiTargetKind::Step) {
        line += binding.target.index > 0 ? " +1" : " -1";
    } else if (binding.target.index != 0) {
        line += ' ';
        line += std::to_string(binding.target.index);
    }
    return line;
}

std::string midiBindingsText(const MidiBindings &bindings)
{
    std::string text(Header);
    for (const MidiBinding &binding : bindings.all())
        text += midiBindingLine(binding) + "\n";
    return text;
}

std::string withMidiBinding(std::string_view text, const MidiBinding &binding)
{
    std::string out;
    out.reserve(text.size() + 64);
    std::string_view newline = "\n";
    forEachLine(text, [&](std::string_view line) {
        MidiBinding old;
        if (parseLine(line, old) == LineKind::Binding && old.address == binding.address)
            return;
        if (line.ends_with("\r\n"))
            newline = "\r\n";
        out += line;
    });
    if (!out.empty() && out.back() != '\n')
        out += newline;
    out += midiBindingLine(binding);
    out += newline;
    return out;
}

} // namespace korvanel
