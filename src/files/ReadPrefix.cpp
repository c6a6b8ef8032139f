#include "files/ReadPrefix.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvanel {

FileResult readFilePrefix(const std::string &path, std::span<std::uint8_t> into)
{
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        const int error = path.empty() ? ENOENT : errno;
        if (error == ENOENT || error == ENOTDIR)
            return {FileError::NotFound, error};
        return {FileError::OpenFailed, error};
    }
    if (S_ISDIR(info.st_mode))
        return {FileError::NotFound, EISDIR};
    if (!S_ISREG(info.st_mode))
        return {FileError::NotAFile, 0};

    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {FileError::OpenFailed, errno};
    std::size_t done = 0;
    int error = 0;
    while (done < into.size()) {
        const ssize_t n = ::read(fd, into.data() + done, into.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (error != 0)
        return {FileError::ReadFailed, error};
    if (done < into.size())
        return {FileError::ShortFile, 0};
    return {};
}

} // namespace korvanel
