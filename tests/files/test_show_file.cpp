// The show file against bytes laid out by hand: offsets here are plain
// numbers, so a wrong layout constant shows up as a wrong place.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

#include "files/ShowFile.h"
#include "files/ShowHeader.h"
#include "support/OrdinaryUser.h"

using namespace korvanel;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

class ShowFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
            ("korvanel-show-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const char *name) const { return (dir / name).string(); }

    static void writeBytes(const std::string &file, const Bytes &bytes)
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static Bytes readBytes(const std::string &file)
    {
        std::ifstream in(file, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    Bytes memory() const
    {
        Bytes bytes(SceneMemorySize);
        engine->SceneMemory.copyTo(bytes);
        return bytes;
    }
    void fillMemory(std::uint8_t value) { engine->SceneMemory.fill(value); }

    fs::path dir;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
};

// A show whose every region holds something recognisable.
Bytes handMadeShow()
{
    Bytes show(81920, 0);
    const char foreign[] = "Some other program wrote this header";
    for (std::size_t i = 0; i < sizeof foreign - 1; ++i)
        show[i] = static_cast<std::uint8_t>(foreign[i]);
    show[127] = 0xEE;
    show[129] = 0x55; // not used, carried along
    show[131] = 7;    // current scene
    show[132] = 100;  // last scene
    show[133] = 20;   // tempo
    show[136] = 3;    // rate level
    show[138] = 0;    // colour off
    show[139] = 11;
    show[140] = 22;
    show[141] = 33;
    show[145] = 60; // generator 1 tempo
    show[149] = 9;
    show[150] = 70; // generator 2 tempo
    show[154] = 8;
    show[256 + 1] = 12; // rate of channel 1
    show[256 + 255] = 200;
    show[512 + 16 * 5] = 'K'; // name of channel 5
    show[512 + 16 * 5 + 15] = 'z';
    show[4608 + 512 * 3 + 10] = 1;         // picture 3: channel 10 on ...
    show[4608 + 512 * 3 + 256 + 10] = 180; // ... at 180
    show[12800 + 40] = 1;                  // channel 40 selected
    show[13056] = 0x77;                    // spare rows
    show[16384 + 256 * 7 + 5] = 128;       // scene 7, channel 5
    show[16384 + 256 * 255 + 255] = 254;   // the very last byte
    return show;
}

} // namespace

TEST_F(ShowFileTest, HandMadeShowLoadsIntoItsPlacesAndSavesBackWithOnlyTheHeaderStamped)
{
    const Bytes show = handMadeShow();
    writeBytes(path("hand.kvl"), show);
    fillMemory(0xAA);

    ASSERT_TRUE(loadShowFile(*engine, path("hand.kvl")).ok());

    EXPECT_EQ(memory(), show);
    EXPECT_EQ(engine->currentScene(), 7);
    EXPECT_EQ(engine->sys(SysLastScene), 100);
    EXPECT_EQ(engine->sys(SysTempo), 20);
    EXPECT_EQ(engine->sys(SysRateLevel), 3);
    EXPECT_EQ(engine->sys(SysColorLock), 0);
    EXPECT_EQ(engine->sys(SysBlue), 33);
    EXPECT_EQ(engine->sys(SysAvtomat1Tempo), 60);
    EXPECT_EQ(engine->sys(SysAvtomat2Dark), 8);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(255)), 200);
    EXPECT_EQ(engine->SceneMemory.get(nameOffset(5) + 15), 'z');
    EXPECT_EQ(engine->SceneMemory.get(pictureLevel(3, 10)), 180);
    EXPECT_EQ(engine->SceneMemory.get(selectionByte(40)), 1);
    EXPECT_EQ(engine->level(7, 5), 128);
    EXPECT_EQ(engine->level(255, 255), 254);

    ASSERT_TRUE(saveShowFile(*engine, path("again.kvl")).ok());
    const Bytes saved = readBytes(path("again.kvl"));
    ASSERT_EQ(saved.size(), 81920u);
    EXPECT_TRUE(std::equal(saved.begin(), saved.begin() + 128, ShowHeader.begin()));
    EXPECT_TRUE(std::equal(saved.begin() + 128, saved.end(), show.begin() + 128));
    EXPECT_TRUE(std::equal(ShowHeader.begin(), ShowHeader.end(), memory().begin())) << "stamped in memory too";
}

TEST_F(ShowFileTest, HeaderIsPrintableTextFortyTwoContactCharactersThenZeros)
{
    for (std::size_t i = 0; i < 98; ++i) {
        const auto c = ShowHeader[i];
        EXPECT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << i;
    }
    for (std::size_t i = 56; i < 98; ++i)
        EXPECT_TRUE(ShowHeader[i] >= 0x20 && ShowHeader[i] < 0x7F) << "contact text at " << i;
    for (std::size_t i = 98; i < 128; ++i)
        EXPECT_EQ(ShowHeader[i], 0) << i;
}

TEST_F(ShowFileTest, AutosaveWritesTheForeignHeaderAsItIs)
{
    const Bytes show = handMadeShow();
    writeBytes(path("foreign.kvl"), show);
    ASSERT_TRUE(loadShowFile(*engine, path("foreign.kvl")).ok());
    ASSERT_TRUE(writeShowFile(*engine, path("autoTemp.kvl")).ok());
    EXPECT_EQ(readBytes(path("autoTemp.kvl")), show);
}

TEST_F(ShowFileTest, ShortFileChangesNothingLongFileGivesItsFirstBlocks)
{
    Bytes show = handMadeShow();
    show.pop_back();
    writeBytes(path("short.kvl"), show);
    fillMemory(0xAA);
    EXPECT_EQ(loadShowFile(*engine, path("short.kvl")).error, FileError::ShortFile);
    EXPECT_EQ(memory(), Bytes(SceneMemorySize, 0xAA)) << "not even partly loaded";

    writeBytes(path("empty.kvl"), {});
    EXPECT_EQ(loadShowFile(*engine, path("empty.kvl")).error, FileError::ShortFile);

    Bytes longer = handMadeShow();
    longer.resize(81920 + 5000, 0x99);
    writeBytes(path("long.kvl"), longer);
    ASSERT_TRUE(loadShowFile(*engine, path("long.kvl")).ok());
    EXPECT_EQ(memory(), handMadeShow());
}

TEST_F(ShowFileTest, MissingFileFolderAndPipeAreRefusedWithoutTouchingTheShow)
{
    fillMemory(0x42);
    EXPECT_EQ(loadShowFile(*engine, path("none.kvl")).error, FileError::NotFound);
    EXPECT_EQ(loadShowFile(*engine, path("none/deeper.kvl")).error, FileError::NotFound);
    EXPECT_EQ(loadShowFile(*engine, "").error, FileError::NotFound);
    fs::create_directory(path("folder.kvl"));
    EXPECT_EQ(loadShowFile(*engine, path("folder.kvl")).error, FileError::NotFound);
    // Opening a pipe for reading would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(path("pipe.kvl").c_str(), 0600), 0);
    EXPECT_EQ(loadShowFile(*engine, path("pipe.kvl")).error, FileError::NotAFile);
    EXPECT_EQ(memory(), Bytes(SceneMemorySize, 0x42));
}

TEST_F(ShowFileTest, FailedSaveLeavesThePreviousFileAndNoLitter)
{
    const Bytes previous = handMadeShow();
    writeBytes(path("show.kvl"), previous);
    fillMemory(0x11);

    // A disk that fills up part-way through the write.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult full = saveShowFile(*engine, path("show.kvl"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(full.error, FileError::WriteFailed);
    EXPECT_NE(full.systemError, 0);
    EXPECT_EQ(readBytes(path("show.kvl")), previous);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "temporary file left behind";

    // The folder is gone.
    EXPECT_EQ(saveShowFile(*engine, path("gone/show.kvl")).error, FileError::WriteFailed);
    // A folder where the file should be.
    fs::create_directory(path("folder.kvl"));
    EXPECT_EQ(saveShowFile(*engine, path("folder.kvl")).error, FileError::WriteFailed);
}

TEST_F(ShowFileTest, SaveReplacesThroughALinkAndKeepsTheFilesMode)
{
    writeBytes(path("real.kvl"), Bytes(10, 1));
    ::chmod(path("real.kvl").c_str(), 0640);
    fs::create_symlink(path("real.kvl"), path("link.kvl"));
    ASSERT_TRUE(saveShowFile(*engine, path("link.kvl")).ok());
    EXPECT_TRUE(fs::is_symlink(path("link.kvl")));
    EXPECT_EQ(readBytes(path("real.kvl")).size(), 81920u);
    struct stat info {};
    ::stat(path("real.kvl").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(ShowFileTest, AWritableFileInAFolderThatTakesNoNewFileIsSavedInPlace)
{
    writeBytes(path("show.kvl"), Bytes(100000, 0x33)); // longer than a show: the tail goes
    writeBytes(path("small.kvl"), Bytes(10, 0x55));
    writeBytes(path("locked.kvl"), Bytes(10, 0x44));
    ::chmod(path("show.kvl").c_str(), 0666);
    ::chmod(path("small.kvl").c_str(), 0666);
    ::chmod(path("locked.kvl").c_str(), 0444);
    ::chmod(dir.c_str(), 0555);
    fillMemory(0x11);

    FileResult saved, absent, locked, full;
    {
        AsOrdinaryUser user;
        if (!user.ok()) {
            ::chmod(dir.c_str(), 0755);
            GTEST_SKIP() << "running as root without the right to act as an ordinary user";
        }
        saved = saveShowFile(*engine, path("show.kvl"));
        absent = saveShowFile(*engine, path("new.kvl"));
        locked = saveShowFile(*engine, path("locked.kvl"));

        // Room for the whole image is secured before the old bytes are touched.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        limit.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        full = saveShowFile(*engine, path("small.kvl"));
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
    }
    ::chmod(dir.c_str(), 0755);

    ASSERT_TRUE(saved.ok()) << saved.systemError;
    EXPECT_EQ(readBytes(path("show.kvl")), memory());
    EXPECT_EQ(absent.error, FileError::WriteFailed);
    EXPECT_FALSE(fs::exists(path("new.kvl")));
    EXPECT_EQ(locked.error, FileError::WriteFailed);
    EXPECT_EQ(readBytes(path("locked.kvl")), Bytes(10, 0x44));
    EXPECT_EQ(full.error, FileError::WriteFailed);
    EXPECT_EQ(readBytes(path("small.kvl")), Bytes(10, 0x55));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);
}

TEST_F(ShowFileTest, ASaveIsNotReportedFailedWhenOnlyTheFolderSyncFails)
{
    // A folder one may write in but not read: the new file goes in, the folder
    // cannot be opened to sync it afterwards. The save happened; it must say so.
    writeBytes(path("show.kvl"), Bytes(10, 0x33));
    ::chmod(path("show.kvl").c_str(), 0666);
    ::chmod(dir.c_str(), 0333);
    fillMemory(0x11);
    FileResult saved;
    {
        AsOrdinaryUser user;
        if (!user.ok()) {
            ::chmod(dir.c_str(), 0755);
            GTEST_SKIP() << "running as root without the right to act as an ordinary user";
        }
        saved = saveShowFile(*engine, path("show.kvl"));
    }
    ::chmod(dir.c_str(), 0755);

    ASSERT_TRUE(saved.ok()) << saved.systemError;
    EXPECT_EQ(readBytes(path("show.kvl")), memory());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "temporary file left behind";
}
