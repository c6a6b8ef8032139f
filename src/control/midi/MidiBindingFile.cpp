#include "control/midi/MidiBindingFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

#include "control/midi/MidiBindingText.h"
#include "files/SafeWrite.h"

namespace korvanel {

namespace {

// The file's bytes, at most MaxMidiBindingFileSize of them.
MidiBindingFile::State readText(const std::string &path, std::string &text, int &systemError)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        systemError = errno;
        return errno == ENOENT ? MidiBindingFile::State::Missing : MidiBindingFile::State::Unreadable;
    }
    // A pipe or a device could block; a folder is no file.
    if (!S_ISREG(info.st_mode) || info.st_size > static_cast<off_t>(MaxMidiBindingFileSize)) {
        systemError = S_ISREG(info.st_mode) ? EFBIG : EINVAL;
        return MidiBindingFile::State::Unreadable;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        systemError = errno;
        return MidiBindingFile::State::Unreadable;
    }
    text.assign(MaxMidiBindingFileSize + 1, '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::read(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            systemError = errno;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    text.resize(done);
    if (systemError != 0 || done > MaxMidiBindingFileSize) {
        systemError = systemError != 0 ? systemError : EFBIG;
        return MidiBindingFile::State::Unreadable;
    }
    return MidiBindingFile::State::Read;
}

} // namespace

MidiBindingFile readMidiBindingFile(const std::string &path)
{
    MidiBindingFile file;
    std::string text;
    file.state = readText(path, text, file.systemError);
    if (file.state != MidiBindingFile::State::Read) {
        file.bindings = defaultMidiBindings();
        return file;
    }
    MidiBindingsText parsed = parseMidiBindings(text);
    file.bindings = std::move(parsed.bindings);
    file.badLines = std::move(parsed.badLines);
    if (!file.badLines.empty())
        file.state = MidiBindingFile::State::Damaged;
    return file;
}

FileResult keepMidiBinding(const std::string &path, const MidiBinding &binding)
{
    std::string text;
    int systemError = 0;
    const MidiBindingFile::State state = readText(path, text, systemError);
    if (state == MidiBindingFile::State::Unreadable ||
        (state == MidiBindingFile::State::Read && !parseMidiBindings(text).badLines.empty()))
        return {FileError::WriteFailed, systemError};
    if (state == MidiBindingFile::State::Missing) {
        text = midiBindingsText(defaultMidiBindings());
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    }
    const std::string merged = withMidiBinding(text, binding);
    return replaceFileContents(path, std::span(reinterpret_cast<const std::uint8_t *>(merged.data()), merged.size()));
}

} // namespace korvanel
