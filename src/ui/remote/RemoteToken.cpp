#include "ui/remote/RemoteToken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvanel {

namespace {

bool isToken(const QByteArray &text)
{
    return text.size() == 40 &&
        std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

} // namespace

QByteArray makeRemoteToken()
{
    unsigned char bytes[20];
    std::size_t filled = 0;
    // getrandom blocks only until the kernel's pool is first seeded; a signal may cut it short.
    for (int attempt = 0; filled < sizeof bytes && attempt < 100; ++attempt) {
        const ssize_t n = ::getrandom(bytes + filled, sizeof bytes - filled, 0);
        if (n > 0)
            filled += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EINTR)
            break;
    }
    if (filled != sizeof bytes)
        qFatal("No random bytes from the system for the remote access token");
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes).toHex();
}

QByteArray keptRemoteToken(const QString &file)
{
    const QByteArray name = QFile::encodeName(file);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0) {
        struct stat status {};
        char text[64];
        const bool private_ = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::getuid() &&
            (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
        const ssize_t n = private_ ? ::read(fd, text, sizeof text) : -1;
        ::close(fd);
        const QByteArray token = n > 0 ? QByteArray(text, n).trimmed() : QByteArray();
        // One that others could have read may have left the machine: it is not trusted.
        if (isToken(token))
            return token;
    }
    const QByteArray token = makeRemoteToken();
    keepRemoteToken(file, token);
    return token;
}

bool keepRemoteToken(const QString &file, const QByteArray &token)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    // Made private from the start: a copy others could read never exists, not even for a moment.
    const QByteArray name = QFile::encodeName(file);
    const QByteArray temporary = name + ".new-" + QByteArray::number(::getpid());
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    const QByteArray text = token + '\n';
    const bool written =
        ::write(fd, text.constData(), static_cast<size_t>(text.size())) == text.size() && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temporary.constData(), name.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

} // namespace korvanel
