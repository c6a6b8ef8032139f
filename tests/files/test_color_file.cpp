// The colour file: where each table lies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
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

    fs::path folder;
};

TEST_F(ColorFile, TablesLieAtTheirOffsetsAndTheGapsAreNotRead)
{
    ChannelColors colors;
    ColorTable *tables[] = {&colors.NameColorRed,  &colors.NameColorGreen,  &colors.NameColorBlue,
                            &colors.SplitColorRed, &colors.SplitColorGreen, &colors.SplitColorBlue,
                            &colors.GraphHint};
    for (std::size_t t = 0; t < 7; ++t)
        for (std::size_t i = 0; i < ColorTableSize; ++i)
            (*tables[t])[i] = static_cast<std::uint8_t>(i * (t + 1) + t);
    ASSERT_TRUE(writeColorFile(at("k.col"), colors).ok());

    std::ifstream in(at("k.col"), std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(bytes.size(), 16384u);
    const std::size_t offsets[] = {0, 512, 1024, 2048, 2560, 3072, 3584};
    for (std::size_t t = 0; t < 7; ++t)
        for (std::size_t i = 0; i < 512; ++i)
            ASSERT_EQ(bytes[offsets[t] + i], static_cast<std::uint8_t>(i * (t + 1) + t)) << t << " " << i;
    for (std::size_t i = 0; i < 16384; ++i) {
        if ((i >= 1536 && i < 2048) || i >= 4096) {
            ASSERT_EQ(bytes[i], 0) << i;
        }
    }

    bytes[1536] = 0xAA; // no data there
    bytes[5000] = 0xBB;
    std::ofstream(at("k.col"), std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()), 16384);
    ChannelColors read;
    read.GraphHint[512] = 77; // entry 512 is not in the file
    ASSERT_TRUE(readColorFile(at("k.col"), read).ok());
    colors.GraphHint[512] = 77;
    colors.NameColorBlue[512] = 0;
    EXPECT_EQ(read.GraphHint, colors.GraphHint);
    EXPECT_EQ(read.NameColorBlue, colors.NameColorBlue);
}

TEST_F(ColorFile, AFileThatDoesNotReadAsColoursIsNotWrittenOver)
{
    ChannelColors colors;
    colors.setStartNameColors();
    std::ofstream(at("short.col"), std::ios::binary) << "short";
    EXPECT_EQ(writeColorFile(at("short.col"), colors).error, FileError::ShortFile);
    EXPECT_EQ(fs::file_size(at("short.col")), 5u);
    ASSERT_EQ(::mkfifo(at("pipe.col").c_str(), 0600), 0);
    EXPECT_EQ(writeColorFile(at("pipe.col"), colors).error, FileError::NotAFile);
    EXPECT_TRUE(fs::is_fifo(at("pipe.col")));
    // No file there yet: it is made.
    ASSERT_TRUE(writeColorFile(at("new.col"), colors).ok());
    EXPECT_EQ(fs::file_size(at("new.col")), 16384u);
}

} // namespace
