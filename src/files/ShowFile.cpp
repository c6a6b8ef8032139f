#include "files/ShowFile.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "files/SafeWrite.h"
#include "files/ShowHeader.h"

namespace korvanel {

FileResult readShowImage(const std::string &path, ShowImage &image)
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
    // Opening a pipe or a device could wait for ever.
    if (!S_ISREG(info.st_mode))
        return {FileError::NotAFile, 0};

    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {FileError::OpenFailed, errno};
    std::size_t done = 0;
    int error = 0;
    while (done < image.size()) {
        const ssize_t n = ::read(fd, image.data() + done, image.size() - done);
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
    if (done < image.size())
        return {FileError::ShortFile, 0};
    return {};
}

FileResult loadShowFile(Engine &engine, const std::string &path)
{
    const auto image = std::make_unique<ShowImage>();
    const FileResult result = readShowImage(path, *image);
    if (result.ok())
        engine.SceneMemory.copyFrom(*image);
    return result;
}

void stampShowHeader(Engine &engine) { engine.SceneMemory.copyFrom(ShowHeader, SystemRowOffset); }

FileResult writeShowFile(const Engine &engine, const std::string &path,
                         const std::function<void(ShowImage &)> &adjust)
{
    const auto image = std::make_unique<ShowImage>();
    engine.SceneMemory.copyTo(*image);
    if (adjust)
        adjust(*image);
    return replaceFileContents(path, *image);
}

FileResult saveShowFile(Engine &engine, const std::string &path)
{
    stampShowHeader(engine);
    return writeShowFile(engine, path);
}

} // namespace korvanel
