#include "files/ColorFile.h"

#include <algorithm>
#include <memory>

#include "files/ReadPrefix.h"
#include "files/SafeWrite.h"

namespace korvanel {

namespace {

struct Area {
    std::size_t at;
    ColorTable ChannelColors::*table;
};

constexpr Area Areas[] = {
    {NameRedAt, &ChannelColors::NameColorRed},       {NameGreenAt, &ChannelColors::NameColorGreen},
    {NameBlueAt, &ChannelColors::NameColorBlue},     {SplitRedAt, &ChannelColors::SplitColorRed},
    {SplitGreenAt, &ChannelColors::SplitColorGreen}, {SplitBlueAt, &ChannelColors::SplitColorBlue},
    {GraphHintAt, &ChannelColors::GraphHint},
};

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
    const FileResult result = readFilePrefix(path, *image);
    if (result.ok())
        applyColorFileImage(*image, colors);
    return result;
}

FileResult writeColorFile(const std::string &path, const ChannelColors &colors)
{
    // A file that is there but does not read as a colour file holds the
    // installation's colours as far as anyone knows: it is not written over.
    const auto existing = std::make_unique<ColorFileImage>();
    const FileResult read = readFilePrefix(path, *existing);
    if (!read.ok() && read.error != FileError::NotFound)
        return read;
    const auto image = std::make_unique<ColorFileImage>(colorFileImage(colors));
    return replaceFileContents(path, *image);
}

} // namespace korvanel
