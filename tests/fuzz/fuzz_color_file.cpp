// The colour file: any bytes either give all seven tables or leave them as
// they were; a table read is written and read back unchanged.

#include <memory>

#include "FuzzSupport.h"
#include "files/ColorFile.h"

using namespace korvanel;

namespace {

void fillPattern(ChannelColors &colors)
{
    std::uint8_t v = 1;
    for (ColorTable *table :
         {&colors.NameColorRed, &colors.NameColorGreen, &colors.NameColorBlue, &colors.SplitColorRed,
          &colors.SplitColorGreen, &colors.SplitColorBlue, &colors.GraphHint}) {
        for (std::uint8_t &entry : *table)
            entry = v++;
    }
}

bool sameTables(const ChannelColors &a, const ChannelColors &b)
{
    return a.NameColorRed == b.NameColorRed && a.NameColorGreen == b.NameColorGreen &&
        a.NameColorBlue == b.NameColorBlue && a.SplitColorRed == b.SplitColorRed &&
        a.SplitColorGreen == b.SplitColorGreen && a.SplitColorBlue == b.SplitColorBlue && a.GraphHint == b.GraphHint;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string path = fuzz::writeScratchFile("colors.col", data, size);
    const auto before = std::make_unique<ChannelColors>();
    fillPattern(*before);
    const auto colors = std::make_unique<ChannelColors>(*before);

    const FileResult result = readColorFile(path, *colors);
    if (size < ColorFileSize) {
        FUZZ_CHECK(result.error == FileError::ShortFile);
        FUZZ_CHECK(sameTables(*colors, *before));
        // A file that does not read as a colour file is not written over.
        FUZZ_CHECK(writeColorFile(path, *colors).error == FileError::ShortFile);
        FUZZ_CHECK(fuzz::readScratchFile(path) == std::string(reinterpret_cast<const char *>(data), size));
        return 0;
    }
    FUZZ_CHECK(result.ok());
    const ColorFileImage image = colorFileImage(*colors);
    for (const std::size_t at :
         {NameRedAt, NameGreenAt, NameBlueAt, SplitRedAt, SplitGreenAt, SplitBlueAt, GraphHintAt})
        for (std::size_t i = 0; i < ColorAreaSize; ++i)
            FUZZ_CHECK(image[at + i] == data[at + i]);
    // Entry 512 is no part of the file.
    FUZZ_CHECK(colors->GraphHint[512] == before->GraphHint[512]);
    FUZZ_CHECK(colors->NameColorRed[512] == before->NameColorRed[512]);

    FUZZ_CHECK(writeColorFile(path, *colors).ok());
    const auto again = std::make_unique<ChannelColors>(*before);
    FUZZ_CHECK(readColorFile(path, *again).ok());
    FUZZ_CHECK(sameTables(*again, *colors));
    return 0;
}
