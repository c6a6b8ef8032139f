#include "files/ColorFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "files/SafeWrite.h"

namespace korvanel {

namespace {

struct Area {
    std::size_t at;
    ColorTable ChannelColors::*table;
};

constexpr Area Areas[] = {
    {NameRedAt, &ChannelColors::NameColorRed},     {NameGreenAt, &ChannelColors::NameColorGreen},
    {NameBlueAt, &ChannelColors::NameColorBlue},   {SplitRedAt, &ChannelColors::SplitColorRed},
    {SplitGreenAt, &ChannelColors::SplitColorGreen}, {SplitBlueAt, &ChannelColors::SplitColorBlue},
    {GraphHintAt, &ChannelColors::GraphHint},
};

FileResult readWhole(const std::string &path, ColorFileImage &image)
{
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        const int error = path.empty() ? ENOENT : errno;
        if (error == ENOENT || error == ENOTDIR)
            return {FileError::NotFound, error};
        return {FileError::OpenFailed, error};
    }
    if (S_ISDIR(info.st_mode))
        return {FileError::NotAFile, EISDIR};
    // A pipe or a device could keep the start-up waiting.
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

} // namespace

ColorFileImage colorFileImage(const ChannelColors &colors)
{
    ColorFileImage image{};
    for (const Area &area : Areas) {
        const ColorTable &table = colors.*area.table;
        std::copy_n(table.begin(), ColorAreaSize, image.begin() + static_cast<std::ptrdiff_t>(area.at));
    }
    return image;
}

void applyColorFileImage(const ColorFileImage &image, ChannelColors &colors)
{
    for (const Area &area : Areas) {
        ColorTable &table = colors.*area.table;
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(area.at), ColorAreaSize, table.begin());
    }
}

FileResult readColorFile(const std::string &path, ChannelColors &colors)
{
    const auto image = std::make_unique<ColorFileImage>();
    const FileResult result = readWhole(path, *image);
    if (result.ok())
        applyColorFileImage(*image, colors);
    return result;
}

FileResult writeColorFile(const std::string &path, const ChannelColors &colors)
{
    const auto image = std::make_unique<ColorFileImage>(colorFileImage(colors));
    return replaceFileContents(path, *image);
}

} // namespace korvanel
