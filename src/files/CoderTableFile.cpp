#include "files/CoderTableFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvanel {

namespace {

using Kind = CoderFileResult::Kind;

CoderFileResult failed(Kind kind, int error) { return {kind, error}; }

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

} // namespace

CoderFileResult readCoderTableFile(const std::string &path, CoderEntries &entries)
{
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return failed(errno == ENOENT ? Kind::Missing : Kind::Unreadable, errno);

    std::uint8_t bytes[CoderFileSize];
    std::size_t have = 0;
    while (have < CoderFileSize) {
        const ssize_t n = ::read(file.get(), bytes + have, CoderFileSize - have);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(Kind::Unreadable, errno);
        if (n == 0)
            return failed(Kind::TooShort, 0);
        have += static_cast<std::size_t>(n);
    }
    for (std::size_t i = 0; i < CoderFileEntries; ++i)
        entries[i] = static_cast<std::uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    return {};
}

CoderFileResult writeCoderTableFile(const std::string &path, const CoderEntries &entries)
{
    std::uint8_t bytes[CoderFileSize];
    for (std::size_t i = 0; i < CoderFileEntries; ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(entries[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(entries[i] >> 8);
    }

    std::string temporary = path + ".XXXXXX";
    Descriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0)
        return failed(Kind::Unwritable, errno);

    const auto giveUp = [&temporary, &file](int error) {
        ::close(file.release());
        ::unlink(temporary.c_str());
        return failed(Kind::Unwritable, error);
    };
    std::size_t done = 0;
    while (done < CoderFileSize) {
        const ssize_t n = ::write(file.get(), bytes + done, CoderFileSize - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return giveUp(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (::fchmod(file.get(), 0644) != 0 || ::fsync(file.get()) != 0)
        return giveUp(errno);
    if (::close(file.release()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failed(Kind::Unwritable, error);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failed(Kind::Unwritable, error);
    }
    return {};
}

} // namespace korvanel
