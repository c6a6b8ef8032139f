// The bindings file on disk: the defaults until something is learnt, and a
// file the program cannot fully read is never written over.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "control/midi/MidiBindingFile.h"

using namespace korvanel;
namespace fs = std::filesystem;

namespace {

class MidiBindingFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
            ("korvanel-midi-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        path = (dir / "data" / "midi-bindings").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const std::string &text)
    {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    std::string read() const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir;
    std::string path;
    const MidiBinding tempo{{MidiControlKind::Control, 2, 70}, {MidiTargetKind::Tempo, 0}};
};

} // namespace

TEST_F(MidiBindingFileTest, WithoutAFileTheDefaultsHoldAndTheFirstLearntControlWritesThemWithIt)
{
    MidiBindingFile file = readMidiBindingFile(path);
    EXPECT_EQ(file.state, MidiBindingFile::State::Missing);
    EXPECT_TRUE(file.writable());
    EXPECT_EQ(file.bindings, defaultMidiBindings());

    ASSERT_TRUE(keepMidiBinding(path, tempo).ok()) << "the data folder is made too";
    file = readMidiBindingFile(path);
    EXPECT_EQ(file.state, MidiBindingFile::State::Read);
    MidiBindings expected = defaultMidiBindings();
    expected.bind(tempo);
    EXPECT_EQ(file.bindings, expected);
    EXPECT_TRUE(read().starts_with("# ")) << "a header says how to read it";
}

TEST_F(MidiBindingFileTest, AFileThatCannotBeFullyReadIsReportedAndNeverWritten)
{
    write("cc 1 7 = fader 3\ncc 1 8 = fader four\n");
    MidiBindingFile file = readMidiBindingFile(path);
    EXPECT_EQ(file.state, MidiBindingFile::State::Damaged);
    EXPECT_FALSE(file.writable());
    EXPECT_EQ(file.badLines, std::vector<int>{2});
    EXPECT_EQ(file.bindings.all().size(), 1u) << "what it says well still counts";
    EXPECT_EQ(keepMidiBinding(path, tempo).error, FileError::WriteFailed);
    EXPECT_EQ(read(), "cc 1 7 = fader 3\ncc 1 8 = fader four\n");

    write(std::string(MaxMidiBindingFileSize + 1, '#'));
    file = readMidiBindingFile(path);
    EXPECT_EQ(file.state, MidiBindingFile::State::Unreadable);
    EXPECT_EQ(file.bindings, defaultMidiBindings());
    EXPECT_EQ(keepMidiBinding(path, tempo).error, FileError::WriteFailed);
    EXPECT_EQ(fs::file_size(path), MaxMidiBindingFileSize + 1);

    fs::remove(path);
    fs::create_directory(path);
    EXPECT_EQ(readMidiBindingFile(path).state, MidiBindingFile::State::Unreadable);
    EXPECT_EQ(keepMidiBinding(path, tempo).error, FileError::WriteFailed);
    EXPECT_TRUE(fs::is_directory(path));
}
