#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "core/Engine.h"
#include "files/CoderTableFile.h"
#include "output/FrameAssembly.h"

using namespace korvanel;
namespace fs = std::filesystem;

namespace {

class CoderFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/korvanel-kvr-XXXXXX";
        folder = mkdtemp(name);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string at(const char *name) const { return (folder / name).string(); }
    void writeBytes(const std::string &path, const std::vector<std::uint8_t> &bytes) const
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> readBytes(const std::string &path) const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static CoderEntries sentinel()
    {
        CoderEntries e{};
        e.fill(0xBEEF);
        return e;
    }

    fs::path folder;
};

} // namespace

TEST_F(CoderFile, TheIdentityTableIsZeroZeroOneZeroUpToFFZero)
{
    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    ASSERT_TRUE(writeCoderTableFile(at("light.kvr"), coderEntries(*engine)).ok());
    const auto bytes = readBytes(at("light.kvr"));
    ASSERT_EQ(bytes.size(), 512u);
    for (std::size_t i = 0; i < 256; ++i) {
        ASSERT_EQ(bytes[2 * i], i) << i;
        ASSERT_EQ(bytes[2 * i + 1], 0) << i;
    }
}

TEST_F(CoderFile, HandMadeBytesAreLittleEndianWordsAndSurviveARoundTrip)
{
    std::vector<std::uint8_t> bytes(512, 0);
    bytes[0] = 7;                     // entry 0: channel 7
    bytes[2] = 0x34, bytes[3] = 0x12; // entry 1: 0x1234
    bytes[510] = 0xFF, bytes[511] = 0xFF;
    writeBytes(at("a.kvr"), bytes);
    CoderEntries entries = sentinel();
    ASSERT_TRUE(readCoderTableFile(at("a.kvr"), entries).ok());
    EXPECT_EQ(entries[0], 7);
    EXPECT_EQ(entries[1], 0x1234);
    EXPECT_EQ(entries[2], 0);
    EXPECT_EQ(entries[255], 0xFFFF);

    ASSERT_TRUE(writeCoderTableFile(at("b.kvr"), entries).ok());
    EXPECT_EQ(readBytes(at("b.kvr")), bytes);
    CoderEntries again = sentinel();
    ASSERT_TRUE(readCoderTableFile(at("b.kvr"), again).ok());
    EXPECT_EQ(again, entries);
}

TEST_F(CoderFile, AShortMissingOrUnreadableFileChangesNothing)
{
    CoderEntries entries = sentinel();
    writeBytes(at("short.kvr"), std::vector<std::uint8_t>(511, 1));
    EXPECT_EQ(readCoderTableFile(at("short.kvr"), entries).kind, CoderFileResult::Kind::TooShort);
    writeBytes(at("empty.kvr"), {});
    EXPECT_EQ(readCoderTableFile(at("empty.kvr"), entries).kind, CoderFileResult::Kind::TooShort);
    EXPECT_EQ(readCoderTableFile(at("none.kvr"), entries).kind, CoderFileResult::Kind::Missing);
    fs::create_directory(folder / "folder.kvr");
    const CoderFileResult unreadable = readCoderTableFile(at("folder.kvr"), entries);
    EXPECT_EQ(unreadable.kind, CoderFileResult::Kind::Unreadable);
    EXPECT_NE(unreadable.systemError, 0);
    EXPECT_EQ(entries, sentinel());
}

TEST_F(CoderFile, OfALongerFileTheFirst512BytesAreRead)
{
    std::vector<std::uint8_t> bytes(600, 9);
    bytes[510] = 1, bytes[511] = 0;
    writeBytes(at("long.kvr"), bytes);
    CoderEntries entries = sentinel();
    ASSERT_TRUE(readCoderTableFile(at("long.kvr"), entries).ok());
    EXPECT_EQ(entries[0], 0x0909);
    EXPECT_EQ(entries[255], 1);
}

TEST_F(CoderFile, AFailedSaveLeavesNoTraceAndKeepsTheOldFile)
{
    CoderEntries entries{};
    EXPECT_EQ(writeCoderTableFile(at("missing/x.kvr"), entries).kind, CoderFileResult::Kind::Unwritable);

    fs::create_directory(folder / "taken.kvr");
    writeBytes(at("taken.kvr/inside"), {1, 2, 3});
    const CoderFileResult result = writeCoderTableFile(at("taken.kvr"), entries);
    EXPECT_EQ(result.kind, CoderFileResult::Kind::Unwritable);
    EXPECT_NE(result.systemError, 0);
    EXPECT_EQ(readBytes(at("taken.kvr/inside")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "no temporary file left behind";
}

TEST_F(CoderFile, ALoadedTableRecodesTheNextFrameButTheStartCodeStaysZero)
{
    std::vector<std::uint8_t> bytes(512, 0);
    for (std::size_t i = 1; i < 256; ++i)
        bytes[2 * i] = static_cast<std::uint8_t>(i);
    bytes[0] = 3; // entry 0 of a foreign file
    bytes[2] = 5; // slot 1 carries channel 5
    writeBytes(at("patch.kvr"), bytes);

    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    ClearAll(*engine);
    engine->SceneMemory.set(sceneByte(0, 3), 33);
    engine->SceneMemory.set(sceneByte(0, 5), 55);
    CoderEntries entries{};
    ASSERT_TRUE(readCoderTableFile(at("patch.kvr"), entries).ok());
    setCoderEntries(*engine, entries);
    EXPECT_EQ(engine->CoderTable.get(0), 3) << "the file's entry is kept";
    buildFrame(*engine);
    EXPECT_EQ(engine->DmxOut.get(1), 55);
    EXPECT_EQ(engine->DmxOut.get(5), 55);
    EXPECT_EQ(engine->DmxOut.get(0), 0) << "a non-zero start code would make every fixture ignore the frame";
}
