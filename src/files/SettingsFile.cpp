#include "files/SettingsFile.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <span>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "files/SafeWrite.h"

namespace korvanel {

namespace {

constexpr std::string_view ConveyorSection = "Konveir";
constexpr std::string_view LastFileSection = "LastFile";
constexpr std::string_view RemoteSection = "Remote";
constexpr std::string_view OlaSection = "Ola";
constexpr std::string_view OscSection = "Osc";
constexpr std::string_view MidiSection = "Midi";
constexpr std::string_view InterfaceSection = "Interface";
constexpr std::string_view LiveSection = "Live";
constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Section and key names compare without regard to ASCII case, as the file has always been read.
bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// One line of the file as it is on disk, and what it means to the reader.
// Only the value of a key line is ever rewritten; every other byte of every
// line goes back as it came.
struct Line {
    std::string_view text; // without its '\n'
    bool terminated = false;
    enum class Kind { Other, Header, Key } kind = Kind::Other;
    std::string_view name;      // the section of a header, the key of a key line
    std::size_t section = 0;    // index of the header above, or npos before the first
    std::size_t valueStart = 0; // the value: after '=' and its blanks ...
    std::size_t valueEnd = 0;   // ... to a carriage return, a NUL or the end, less trailing blanks
    std::size_t valueCut = 0;   // where the bytes after the value begin
};

std::vector<Line> parse(std::string_view text)
{
    std::vector<Line> lines;
    std::size_t section = std::string_view::npos;
    std::size_t start = 0;
    while (start < text.size()) {
        Line line;
        const auto end = text.find('\n', start);
        line.terminated = end != std::string_view::npos;
        line.text = text.substr(start, (line.terminated ? end : text.size()) - start);
        start = line.terminated ? end + 1 : text.size();

        std::size_t i = lines.empty() && line.text.starts_with(Bom) ? Bom.size() : 0;
        while (i < line.text.size() && isBlank(line.text[i]))
            ++i;
        const std::string_view rest = line.text.substr(i);
        if (rest.starts_with('[')) {
            const auto close = rest.find(']');
            if (close != std::string_view::npos) {
                line.kind = Line::Kind::Header;
                line.name = trimmed(rest.substr(1, close - 1));
                section = lines.size();
            }
        } else if (!rest.empty() && rest.front() != ';' && rest.front() != '#') {
            const auto equals = rest.find('=');
            const std::string_view key =
                equals == std::string_view::npos ? std::string_view() : trimmed(rest.substr(0, equals));
            if (!key.empty()) {
                line.kind = Line::Kind::Key;
                line.name = key;
                std::size_t v = i + equals + 1;
                while (v < line.text.size() && isBlank(line.text[v]))
                    ++v;
                const auto cut = line.text.find_first_of(std::string_view("\r\0", 2), v);
                line.valueCut = cut == std::string_view::npos ? line.text.size() : cut;
                line.valueStart = v;
                line.valueEnd = v + trimmed(line.text.substr(v, line.valueCut - v)).size();
            }
        }
        line.section = line.kind == Line::Kind::Header ? std::string_view::npos : section;
        lines.push_back(line);
    }
    return lines;
}

std::string_view valueOf(const Line &line)
{
    return line.text.substr(line.valueStart, line.valueEnd - line.valueStart);
}

bool inSection(const std::vector<Line> &lines, const Line &line, std::string_view section)
{
    return line.section != std::string_view::npos && sameName(lines[line.section].name, section);
}

// The first line that holds the key in a section of that name, wherever the
// section repeats; npos when there is none.
std::size_t findKey(const std::vector<Line> &lines, std::string_view section, std::string_view key)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line &line = lines[i];
        if (line.kind == Line::Kind::Key && sameName(line.name, key) && inSection(lines, line, section))
            return i;
    }
    return std::string_view::npos;
}

struct Setting {
    std::string_view section;
    std::string key;
    std::string value;
    // False: a file that lacks the key keeps lacking it (a later key at its default).
    bool addWhenMissing = true;
};

// The program's keys in the order they are written.
std::vector<Setting> settingsOf(const IniSettings &settings)
{
    std::vector<Setting> list;
    for (std::size_t n = 1; n <= ConveyorSlotCount; ++n)
        list.push_back({ConveyorSection, conveyorKeyName(n), settings.ConveyorFiles[n - 1]});
    list.push_back({LastFileSection, "Path", settings.Path});
    list.push_back({LastFileSection, "Coder", settings.Coder});
    if (const auto &remote = settings.Remote) {
        list.push_back({RemoteSection, "Enabled", remote->Enabled ? "1" : "0"});
        list.push_back({RemoteSection, "Port", std::to_string(remote->Port)});
        list.push_back({RemoteSection, "Network", remote->Network ? "1" : "0"});
        if (!remote->Address.empty())
            list.push_back({RemoteSection, "Address", remote->Address});
    }
    // Files from before the OLA output gain its keys only once it is used.
    const OlaIni defaults;
    const std::uint16_t universe = settings.Ola.Universe == 0 ? defaults.Universe : settings.Ola.Universe;
    list.push_back({OlaSection, "Enabled", settings.Ola.Enabled ? "1" : "0", settings.Ola.Enabled != defaults.Enabled});
    list.push_back({OlaSection, "Universe", std::to_string(universe), universe != defaults.Universe});
    const OscIni osc;
    list.push_back({OscSection, "Enabled", settings.Osc.Enabled ? "1" : "0", settings.Osc.Enabled != osc.Enabled});
    list.push_back({OscSection, "Port", std::to_string(settings.Osc.Port), settings.Osc.Port != osc.Port});
    list.push_back({OscSection, "Network", settings.Osc.Network ? "1" : "0", settings.Osc.Network != osc.Network});
    const MidiIni midi;
    list.push_back({MidiSection, "Enabled", settings.Midi.Enabled ? "1" : "0", settings.Midi.Enabled != midi.Enabled});
    list.push_back({MidiSection, "Input", settings.Midi.Input, settings.Midi.Input != midi.Input});
    list.push_back({MidiSection, "Output", settings.Midi.Output, settings.Midi.Output != midi.Output});
    list.push_back({InterfaceSection, "Language", std::string(languageChoiceName(settings.Language)),
                    settings.Language != LanguageChoice::Auto});
    const int master = settings.GrandMaster >= 0 && settings.GrandMaster <= 100 ? settings.GrandMaster : 100;
    list.push_back({LiveSection, "GrandMaster", std::to_string(master), master != 100});
    return list;
}

// A value is one line: whatever follows a line break would become a line of its own.
std::string oneLine(const std::string &value)
{
    const auto end = value.find_first_of(std::string_view("\r\n\0", 3));
    return end == std::string::npos ? value : value.substr(0, end);
}

FileResult readWholeFile(const std::string &path, std::string &text)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {errno == ENOENT ? FileError::NotFound : FileError::OpenFailed, errno};
    if (!S_ISREG(info.st_mode))
        return {FileError::NotAFile, 0};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {FileError::OpenFailed, errno};
    text.clear();
    char buffer[16384];
    int error = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (error != 0)
        return {FileError::ReadFailed, error};
    return {};
}

} // namespace

std::string conveyorKeyName(std::size_t n)
{
    std::string name = "File00";
    name[4] = static_cast<char>('0' + n / 10 % 10);
    name[5] = static_cast<char>('0' + n % 10);
    return name;
}

std::uint16_t olaUniverseOf(std::string_view value) { return numberOf(value, 1); }

std::uint16_t numberOf(std::string_view value, std::uint16_t otherwise, std::uint16_t minimum)
{
    if (value.empty() || value.size() > 5)
        return otherwise;
    unsigned number = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            return otherwise;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return number >= minimum && number <= 65535 ? static_cast<std::uint16_t>(number) : otherwise;
}

int percentOf(std::string_view value)
{
    const std::uint16_t percent = value.size() <= 3 ? numberOf(value, 100, 0) : 100;
    return percent <= 100 ? percent : 100;
}

std::string midiPortNameOf(std::string_view value)
{
    if (value.size() > MaxMidiPortName)
        return {};
    for (const char c : value) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return {};
    }
    return std::string(value);
}

IniSettings ReadIniFile(const std::string &iniFileName)
{
    IniSettings settings;
    std::string text;
    if (!readWholeFile(iniFileName, text).ok())
        return settings;
    const std::vector<Line> lines = parse(text);
    auto get = [&lines](std::string_view section, const std::string &key) {
        const std::size_t at = findKey(lines, section, key);
        return at == std::string_view::npos ? std::string() : std::string(valueOf(lines[at]));
    };
    for (std::size_t n = 1; n <= ConveyorSlotCount; ++n)
        settings.ConveyorFiles[n - 1] = get(ConveyorSection, conveyorKeyName(n));
    settings.Path = get(LastFileSection, "Path");
    settings.Coder = get(LastFileSection, "Coder");
    settings.Ola.Enabled = get(OlaSection, "Enabled") == "1";
    settings.Ola.Universe = olaUniverseOf(get(OlaSection, "Universe"));
    settings.Osc.Enabled = get(OscSection, "Enabled") == "1";
    settings.Osc.Port = numberOf(get(OscSection, "Port"), OscIni{}.Port);
    settings.Osc.Network = get(OscSection, "Network") == "1";
    settings.Midi.Enabled = get(MidiSection, "Enabled") == "1";
    settings.Midi.Input = midiPortNameOf(get(MidiSection, "Input"));
    settings.Midi.Output = midiPortNameOf(get(MidiSection, "Output"));
    settings.Language = languageChoiceOf(get(InterfaceSection, "Language"));
    settings.GrandMaster = percentOf(get(LiveSection, "GrandMaster"));
    return settings;
}

RemoteSettings ReadRemoteSettings(const std::string &iniFileName)
{
    RemoteSettings remote;
    std::string text;
    if (!readWholeFile(iniFileName, text).ok())
        return remote;
    const std::vector<Line> lines = parse(text);
    auto get = [&lines](std::string_view key) {
        const std::size_t at = findKey(lines, RemoteSection, key);
        return at == std::string_view::npos ? std::string_view() : valueOf(lines[at]);
    };
    remote.Enabled = get("Enabled") == "1";
    remote.Network = get("Network") == "1";
    // An IPv4 or bracketed IPv6 address; anything else is no choice.
    if (const std::string_view address = get("Address");
        address.size() <= 48 && address.find_first_not_of("0123456789abcdefABCDEF.:[]") == std::string_view::npos)
        remote.Address = address;
    remote.Port = numberOf(get("Port"), static_cast<std::uint16_t>(remote.Port));
    return remote;
}

std::string mergeIniText(const std::string &existing, const IniSettings &settings)
{
    const std::vector<Line> lines = parse(existing);
    const std::size_t firstEnd = existing.find('\n');
    const std::string_view newline = firstEnd != std::string::npos && firstEnd > 0 && existing[firstEnd - 1] == '\r'
        ? std::string_view("\r\n")
        : std::string_view("\n");

    std::vector<std::string> replaced(lines.size());
    std::vector<bool> changed(lines.size(), false);
    std::map<std::size_t, std::string> after; // new key lines, by the line they follow
    std::string appended;                     // sections the file does not have yet
    std::string appendedSection;
    for (const Setting &setting : settingsOf(settings)) {
        const std::string value = oneLine(setting.value);
        const std::size_t at = findKey(lines, setting.section, setting.key);
        if (at != std::string_view::npos) {
            const Line &line = lines[at];
            if (valueOf(line) == value)
                continue;
            replaced[at] = std::string(line.text.substr(0, line.valueStart)) + value +
                std::string(line.text.substr(line.valueCut));
            changed[at] = true;
            continue;
        }
        if (!setting.addWhenMissing)
            continue;
        const std::string entry = setting.key + "=" + value + std::string(newline);
        // A missing key joins the first section of its name, after its last key.
        std::size_t header = std::string_view::npos;
        std::size_t last = std::string_view::npos;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (header == std::string_view::npos) {
                if (lines[i].kind == Line::Kind::Header && sameName(lines[i].name, setting.section))
                    header = last = i;
            } else if (lines[i].kind == Line::Kind::Header) {
                break;
            } else if (lines[i].kind == Line::Kind::Key) {
                last = i;
            }
        }
        if (last != std::string_view::npos) {
            after[last] += entry;
            continue;
        }
        if (appendedSection != setting.section) {
            if (!appended.empty())
                appended += newline;
            appended += "[" + std::string(setting.section) + "]" + std::string(newline);
            appendedSection = setting.section;
        }
        appended += entry;
    }

    std::string out;
    out.reserve(existing.size() + appended.size() + 1024);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += changed[i] ? std::string_view(replaced[i]) : lines[i].text;
        const auto next = after.find(i);
        if (lines[i].terminated)
            out += '\n'; // a carriage return before it is part of the line's text
        else if (next != after.end() || !appended.empty())
            out += newline; // the last line gets an end only when something follows it
        if (next != after.end())
            out += next->second;
    }
    if (!appended.empty()) {
        // A blank line before the new sections, unless the file ends in one.
        if (!lines.empty() && lines.back().text.find_first_not_of(" \t\r") != std::string_view::npos)
            out += newline;
        out += appended;
    }
    return out;
}

FileResult WriteIniFile(const std::string &iniFileName, const IniSettings &settings)
{
    std::string existing;
    const FileResult read = readWholeFile(iniFileName, existing);
    // What cannot be read cannot be kept: better no write than a file that lost its other sections.
    if (!read.ok() && read.error != FileError::NotFound)
        return {FileError::WriteFailed, read.systemError};
    const std::string text = mergeIniText(existing, settings);
    return replaceFileContents(iniFileName,
                               std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()));
}

} // namespace korvanel
