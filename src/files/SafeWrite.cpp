#include "files/SafeWrite.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace korvanel {

namespace {

FileResult failed(int error) { return {FileError::WriteFailed, error}; }

// A link is followed, so the file it points to is replaced, not the link.
std::string resolvedTarget(const std::string &path)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        const auto target = std::filesystem::canonical(path, ec);
        if (!ec)
            return target.string();
    }
    return path;
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The process that made `name`, if it is one of our temporary files: a save's
// ".korvanel-<pid>-<n>.tmp" or the start-up's folder probe ".korvanel-probe-<pid>-<n>"
// (app/CompanionLocation.cpp). 0 for any other name.
pid_t temporaryOwner(std::string_view name)
{
    constexpr std::string_view Prefix = ".korvanel-";
    constexpr std::string_view Probe = "probe-";
    constexpr std::string_view Suffix = ".tmp";
    if (!name.starts_with(Prefix))
        return 0;
    name.remove_prefix(Prefix.size());
    if (name.starts_with(Probe))
        name.remove_prefix(Probe.size());
    else if (name.ends_with(Suffix))
        name.remove_suffix(Suffix.size());
    else
        return 0;
    const char *end = name.data() + name.size();
    pid_t pid = 0;
    unsigned long n = 0;
    const auto [dash, pidError] = std::from_chars(name.data(), end, pid);
    if (pidError != std::errc{} || pid <= 0 || dash == end || *dash != '-')
        return 0;
    const auto [last, nError] = std::from_chars(dash + 1, end, n);
    return nError == std::errc{} && last == end ? pid : 0;
}

// A save killed part-way leaves its temporary file behind. The next save into
// the folder removes those whose process is gone; a live process may still
// be writing its own.
void removeStaleTemporaries(const std::string &folder)
{
    DIR *dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const pid_t self = ::getpid();
    while (const dirent *entry = ::readdir(dir)) {
        const pid_t owner = temporaryOwner(entry->d_name);
        if (owner == 0 || owner == self || ::kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

int createTemporaryBeside(const std::string &folder, std::string &name)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.korvanel-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A rename lives in the folder: until the folder itself is on the disk, a power
// cut can bring back the old file after the save was reported done. Best effort:
// it runs once the new file is in place, so a folder that cannot be opened
// (no read permission) or synced (a file system without it) does not turn a
// save that happened into a failed one; the system writes the folder out
// itself within seconds, and the worst a cut then does is bring back the old
// file, whole.
void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The last resort where the folder takes no new file: the target itself is
// overwritten. Room for the whole image is taken first, so a full disk fails
// before a byte of the old contents changes.
FileResult writeInPlace(const std::string &target, std::span<const std::uint8_t> bytes)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return failed(errno);
    int error = 0;
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        error = errno;
    else if (!S_ISREG(info.st_mode))
        error = EINVAL;
    if (error == 0 && !bytes.empty())
        error = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
    if (error == 0 && !writeAll(fd, bytes))
        error = errno;
    // A longer old file loses its tail.
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    // The folder's entry does not change here: the file's own sync takes its
    // bytes and its new length to the disk.
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error == 0 ? FileResult{} : failed(error);
}

} // namespace

FileResult replaceFileContents(const std::string &path, std::span<const std::uint8_t> bytes)
{
    if (path.empty())
        return failed(ENOENT);
    const std::string target = resolvedTarget(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return failed(EISDIR);
        // A file the operator made read-only stays as it is.
        if (::access(target.c_str(), W_OK) != 0)
            return failed(errno);
    }

    removeStaleTemporaries(folderOf(target));
    std::string temporary;
    const int fd = createTemporaryBeside(folderOf(target), temporary);
    if (fd < 0) {
        const int error = errno;
        // A writable file in a folder that takes no new file can still be saved.
        if (exists && S_ISREG(existing.st_mode))
            return writeInPlace(target, bytes);
        return failed(error);
    }

    int error = 0;
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && !writeAll(fd, bytes))
        error = errno;
    // Disk full shows up here at the latest, while the old file is still whole.
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failed(error);
    }
    syncFolder(folderOf(target));
    return {};
}

} // namespace korvanel
