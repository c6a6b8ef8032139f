#include "files/SettingsFile.h"

#define SI_NO_CONVERSION  // values are bytes: paths pass through whatever their encoding
#define SI_IMPLEMENTATION // the header's templates are instantiated here only
#include <SimpleIni.h>

#include <cerrno>
#include <fcntl.h>
#include <span>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "files/SafeWrite.h"

namespace korvanel {

namespace {

constexpr const char *ConveyorSection = "Konveir";
constexpr const char *LastFileSection = "LastFile";
constexpr std::string_view Bom = "\xEF\xBB\xBF";
// A line the parser would drop travels through it as a comment with this
// mark and its bytes in hex, and is written back as it was.
constexpr std::string_view KeepMark = ";\x01keep:";

enum class LineKind { Blank, Comment, Entry, Unreadable };

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

LineKind classify(std::string_view line)
{
    if (line.find('\0') != std::string_view::npos)
        return LineKind::Unreadable; // the parser would stop at it and lose the rest of the file
    std::size_t i = 0;
    while (i < line.size() && isSpace(line[i]))
        ++i;
    if (i == line.size())
        return LineKind::Blank;
    if (line[i] == ';' || line[i] == '#')
        return LineKind::Comment;
    if (line[i] == '[')
        return line.find(']', i) != std::string_view::npos ? LineKind::Entry : LineKind::Unreadable;
    const auto equals = line.find('=', i);
    if (equals == std::string_view::npos || equals == i)
        return LineKind::Unreadable;
    return LineKind::Entry;
}

std::string_view withoutCarriageReturn(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

std::string toHex(std::string_view bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

bool fromHex(std::string_view hex, std::string &bytes)
{
    if (hex.size() % 2 != 0)
        return false;
    auto value = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = value(hex[i]);
        const int low = value(hex[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The file prepared for the parser: unreadable lines turned into marked
// comments, and what follows the last entry kept aside, because the parser
// drops comments that no entry follows.
struct Prepared {
    bool bom = false;
    bool crlf = false;
    std::string body;
    std::string tail;
};

Prepared prepare(std::string_view text)
{
    Prepared prepared;
    if (text.starts_with(Bom)) {
        prepared.bom = true;
        text.remove_prefix(Bom.size());
    }
    prepared.crlf = text.find("\r\n") != std::string_view::npos;
    const auto lines = splitLines(text);
    std::size_t lastEntry = lines.size();
    for (std::size_t i = lines.size(); i-- > 0;) {
        if (classify(withoutCarriageReturn(lines[i])) == LineKind::Entry) {
            lastEntry = i;
            break;
        }
    }
    const std::size_t bodyEnd = lastEntry == lines.size() ? 0 : lastEntry + 1;
    for (std::size_t i = 0; i < bodyEnd; ++i) {
        const std::string_view line = withoutCarriageReturn(lines[i]);
        if (classify(line) == LineKind::Unreadable)
            prepared.body.append(KeepMark).append(toHex(line));
        else
            prepared.body.append(line);
        prepared.body += '\n';
    }
    const std::size_t tailStart = bodyEnd == 0
        ? 0
        : static_cast<std::size_t>(lines[bodyEnd - 1].data() - text.data()) + lines[bodyEnd - 1].size() + 1;
    if (tailStart < text.size())
        prepared.tail.assign(text.substr(tailStart));
    return prepared;
}

std::string finish(const Prepared &prepared, const std::string &saved)
{
    std::string out;
    if (prepared.bom)
        out.append(Bom);
    const std::string_view newline = prepared.crlf ? "\r\n" : "\n";
    std::string kept;
    for (std::string_view line : splitLines(saved)) {
        if (line.starts_with(KeepMark) && fromHex(line.substr(KeepMark.size()), kept))
            out.append(kept);
        else
            out.append(line);
        out.append(newline);
    }
    out.append(prepared.tail);
    return out;
}

void configure(CSimpleIniA &ini)
{
    ini.SetMultiKey(true); // repeated foreign keys survive; ours are read from the first
    ini.SetSpaces(false);  // key=value, as the file has always been written
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

IniSettings ReadIniFile(const std::string &iniFileName)
{
    IniSettings settings;
    std::string text;
    if (!readWholeFile(iniFileName, text).ok())
        return settings;
    const Prepared prepared = prepare(text);
    CSimpleIniA ini;
    configure(ini);
    if (ini.LoadData(prepared.body) < 0)
        return settings;
    for (std::size_t n = 1; n <= ConveyorSlotCount; ++n)
        settings.ConveyorFiles[n - 1] = ini.GetValue(ConveyorSection, conveyorKeyName(n).c_str(), "");
    settings.Path = ini.GetValue(LastFileSection, "Path", "");
    settings.Coder = ini.GetValue(LastFileSection, "Coder", "");
    return settings;
}

std::string mergeIniText(const std::string &existing, const IniSettings &settings)
{
    const Prepared prepared = prepare(existing);
    CSimpleIniA ini;
    configure(ini);
    ini.LoadData(prepared.body);
    auto set = [&ini](const char *section, const std::string &key, const std::string &value) {
        ini.SetValue(section, key.c_str(), oneLine(value).c_str(), nullptr, true);
    };
    for (std::size_t n = 1; n <= ConveyorSlotCount; ++n)
        set(ConveyorSection, conveyorKeyName(n), settings.ConveyorFiles[n - 1]);
    set(LastFileSection, "Path", settings.Path);
    set(LastFileSection, "Coder", settings.Coder);
    std::string saved;
    ini.Save(saved, false);
    return finish(prepared, saved);
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
