// What a killed save leaves behind goes with the next save.
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

    std::string path(const char *name) const { return (dir / name).string(); }

    fs::path dir;
};

} // namespace

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
