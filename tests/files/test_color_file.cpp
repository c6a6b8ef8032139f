// The colour file: where each table lies, a round trip, and files that must
// change nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

#include "files/ColorFile.h"

using namespace korvanel;
namespace fs = std::filesystem;

namespace {

class ColorFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/korvanel-col-XXXXXX";
        folder = mkdtemp(name);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string at(const char *name) const { return (folder / name).string(); }
    static void writeBytes(const std::string &path, const std::vector<std::uint8_t> &bytes)
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<std::uint8_t> readBytes(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Every entry of every table different from its neighbours and from the other tables.
    static ChannelColors distinct()
    {
        ChannelColors c;
        for (std::size_t i = 0; i < ColorTableSize; ++i) {
            c.NameColorRed[i] = static_cast<std::uint8_t>(i);
            c.NameColorGreen[i] = static_cast<std::uint8_t>(i + 1);
            c.NameColorBlue[i] = static_cast<std::uint8_t>(i + 2);
            c.SplitColorRed[i] = static_cast<std::uint8_t>(i * 3);
            c.SplitColorGreen[i] = static_cast<std::uint8_t>(i * 5);
            c.SplitColorBlue[i] = static_cast<std::uint8_t>(i * 7);
            c.GraphHint[i] = static_cast<std::uint8_t>(255 - i);
        }
        return c;
    }

    fs::path folder;
};

TEST_F(ColorFile, TablesLieAtTheirOffsetsWithZerosBetween)
{
    const ChannelColors colors = distinct();
    ASSERT_TRUE(writeColorFile(at("k.col"), colors).ok());
    const std::vector<std::uint8_t> bytes = readBytes(at("k.col"));
    ASSERT_EQ(bytes.size(), 16384u);
    for (std::size_t i = 0; i < 512; ++i) {
        ASSERT_EQ(bytes[0 + i], static_cast<std::uint8_t>(i)) << i;
        ASSERT_EQ(bytes[512 + i], static_cast<std::uint8_t>(i + 1)) << i;
        ASSERT_EQ(bytes[1024 + i], static_cast<std::uint8_t>(i + 2)) << i;
        ASSERT_EQ(bytes[1536 + i], 0) << i;
        ASSERT_EQ(bytes[2048 + i], static_cast<std::uint8_t>(i * 3)) << i;
        ASSERT_EQ(bytes[2560 + i], static_cast<std::uint8_t>(i * 5)) << i;
        ASSERT_EQ(bytes[3072 + i], static_cast<std::uint8_t>(i * 7)) << i;
        ASSERT_EQ(bytes[3584 + i], static_cast<std::uint8_t>(255 - i)) << i;
    }
    for (std::size_t i = 4096; i < 16384; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
}

TEST_F(ColorFile, RoundTripKeepsEntries0To511AndTheReaderSkipsTheGaps)
{
    ChannelColors written = distinct();
    ASSERT_TRUE(writeColorFile(at("k.col"), written).ok());
    std::vector<std::uint8_t> bytes = readBytes(at("k.col"));
    bytes[1536] = 0xAA;    // gap bytes are not data
    bytes[10000] = 0xBB;
    writeBytes(at("k.col"), bytes);

    ChannelColors read;
    read.GraphHint[512] = 77;   // entry 512 is not in the file: it stays
    ASSERT_TRUE(readColorFile(at("k.col"), read).ok());
    written.GraphHint[512] = 77;
    written.NameColorRed[512] = written.NameColorGreen[512] = written.NameColorBlue[512] = 0;
    written.SplitColorRed[512] = written.SplitColorGreen[512] = written.SplitColorBlue[512] = 0;
    EXPECT_EQ(read.NameColorRed, written.NameColorRed);
    EXPECT_EQ(read.NameColorGreen, written.NameColorGreen);
    EXPECT_EQ(read.NameColorBlue, written.NameColorBlue);
    EXPECT_EQ(read.SplitColorRed, written.SplitColorRed);
    EXPECT_EQ(read.SplitColorGreen, written.SplitColorGreen);
    EXPECT_EQ(read.SplitColorBlue, written.SplitColorBlue);
    EXPECT_EQ(read.GraphHint, written.GraphHint);
}

TEST_F(ColorFile, ShortMissingOrFolderChangesNoTable)
{
    ChannelColors colors;
    colors.setStartNameColors();
    const ChannelColors before = colors;
    const auto unchanged = [&] {
        return colors.NameColorRed == before.NameColorRed && colors.SplitColorBlue == before.SplitColorBlue &&
               colors.GraphHint == before.GraphHint;
    };

    writeBytes(at("short.col"), std::vector<std::uint8_t>(16383, 9));
    EXPECT_EQ(readColorFile(at("short.col"), colors).error, FileError::ShortFile);
    EXPECT_TRUE(unchanged());

    EXPECT_EQ(readColorFile(at("none.col"), colors).error, FileError::NotFound);
    fs::create_directory(folder / "dir.col");
    EXPECT_NE(readColorFile(at("dir.col"), colors).error, FileError::None);
    EXPECT_TRUE(unchanged());

    // A longer file is read as far as the format goes.
    writeBytes(at("long.col"), std::vector<std::uint8_t>(20000, 9));
    EXPECT_TRUE(readColorFile(at("long.col"), colors).ok());
    EXPECT_EQ(colors.GraphHint[511], 9);
}

TEST_F(ColorFile, FailedWriteKeepsThePreviousFile)
{
    ChannelColors colors = distinct();
    ASSERT_TRUE(writeColorFile(at("k.col"), colors).ok());
    fs::permissions(at("k.col"), fs::perms::owner_read);
    colors.GraphHint.fill(1);
    if (::geteuid() != 0) {   // root writes anyway
        EXPECT_EQ(writeColorFile(at("k.col"), colors).error, FileError::WriteFailed);
    }
    EXPECT_EQ(writeColorFile(at("missing/k.col"), colors).error, FileError::WriteFailed);
    EXPECT_EQ(readBytes(at("k.col"))[3584], 255);
}

} // namespace
