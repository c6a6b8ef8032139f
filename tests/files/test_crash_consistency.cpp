// Every file the program writes, its writer killed at random moments while it
// saves two images in turn: the file is always one of them, whole, and what a
// kill leaves behind goes with the next save.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "files/CoderTableFile.h"
#include "files/ColorFile.h"
#include "files/SettingsFile.h"
#include "files/ShowFile.h"
#include "support/KillWhileSaving.h"

using namespace korvanel;
namespace fs = std::filesystem;

namespace {

class CrashConsistency : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
            ("korvanel-kill-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void killWhileSaving(const char *kind, const std::string &file, const std::function<bool(int)> &save)
    {
        const int kills = killtest::killCount();
        const killtest::Tally tally = killtest::killWhileSaving(file, save, kills, killtest::killBudget(kills));
        killtest::expectOldOrNew(kind, tally, kills);
    }

    std::string path(const char *name) const { return (dir / name).string(); }

    fs::path dir;
};

} // namespace

TEST_F(CrashConsistency, ShowFile)
{
    std::array<std::unique_ptr<Engine>, 2> engines{std::make_unique<Engine>(), std::make_unique<Engine>()};
    for (std::size_t i = 0; i < SceneMemorySize; ++i) {
        engines[0]->SceneMemory.set(i, static_cast<std::uint8_t>(i * 7));
        engines[1]->SceneMemory.set(i, static_cast<std::uint8_t>(i * 13 + 1));
    }
    const std::string file = path("show.kvl");
    killWhileSaving("show file", file, [&](int i) { return saveShowFile(*engines[i], file).ok(); });
}

TEST_F(CrashConsistency, SettingsFile)
{
    const std::string file = path("korvanel.ini");
    std::ofstream(file, std::ios::binary) << "; the hall's own notes\r\n[Ekran]\r\nWidth=1024\r\n[Konveir]\r\n";
    std::array<IniSettings, 2> settings;
    for (std::size_t n = 0; n < ConveyorSlotCount; ++n) {
        settings[0].ConveyorFiles[n] = "/shows/" + std::to_string(n) + ".kvl";
        settings[1].ConveyorFiles[n] = "/home/operator/shows/evening " + std::to_string(n) + ".kvl";
    }
    settings[0].Path = "/shows/a.kvl";
    settings[1].Path = "/home/operator/shows/second act.kvl";
    settings[1].Coder = "/tables/hall.kvr";
    killWhileSaving("settings file", file, [&](int i) { return WriteIniFile(file, settings[i]).ok(); });
}

TEST_F(CrashConsistency, ColourFile)
{
    std::array<ChannelColors, 2> colors;
    colors[0].setStartNameColors();
    for (std::size_t c = 0; c < 512; ++c) {
        colors[1].NameColorRed[c] = static_cast<std::uint8_t>(c);
        colors[1].SplitColorBlue[c] = static_cast<std::uint8_t>(255 - c % 256);
        colors[1].GraphHint[c] = static_cast<std::uint8_t>(c % 40);
    }
    const std::string file = path("korvanel.col");
    killWhileSaving("colour file", file, [&](int i) { return writeColorFile(file, colors[i]).ok(); });
}

TEST_F(CrashConsistency, RecodingTableFile)
{
    std::array<CoderEntries, 2> tables;
    for (std::size_t n = 0; n < CoderFileEntries; ++n) {
        tables[0][n] = static_cast<std::uint16_t>(n);
        tables[1][n] = static_cast<std::uint16_t>(511 - n);
    }
    const std::string file = path("korvanel.kvr");
    killWhileSaving("recoding table file", file, [&](int i) { return writeCoderTableFile(file, tables[i]).ok(); });
}

TEST_F(CrashConsistency, TheNextSaveRemovesWhatDeadWritersLeftAndNothingElse)
{
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const auto named = [](pid_t pid, const char *rest) { return ".korvanel-" + std::to_string(pid) + rest; };
    const std::vector<std::string> stale = {named(gone, "-0.tmp"), named(gone, "-12.tmp"),
                                            ".korvanel-probe-" + std::to_string(gone) + "-3"};
    const std::vector<std::string> kept = {
        named(::getppid(), "-0.tmp"),  // a live program's save under way
        named(::getpid(), "-999.tmp"), // this process's own
        named(gone, "-x.tmp"),
        named(gone, "-1.tmp.bak"),
        named(gone, ".tmp"),
        ".korvanel-notes.tmp",
        "other-" + std::to_string(gone) + "-0.tmp",
        "show.kvl.tmp",
    };
    for (const auto &name : stale)
        std::ofstream(dir / name) << "half a show";
    for (const auto &name : kept)
        std::ofstream(dir / name) << "not ours to remove";
    fs::create_directories(dir / "sub");
    std::ofstream(dir / "sub" / named(gone, "-5.tmp")) << "another folder";

    auto engine = std::make_unique<Engine>();
    ASSERT_TRUE(saveShowFile(*engine, path("show.kvl")).ok());
    for (const auto &name : stale)
        EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const auto &name : kept)
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_TRUE(fs::exists(dir / "sub" / named(gone, "-5.tmp"))) << "only the saved file's folder is tidied";
}
