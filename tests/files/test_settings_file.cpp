#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/SettingsFile.h"

using namespace korvanel;
namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
            ("korvanel-ini-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        ini = (dir / "light.ini").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(const std::string &text) { std::ofstream(ini, std::ios::binary) << text; }
    std::string read() const
    {
        std::ifstream in(ini, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir;
    std::string ini;
};

IniSettings sample()
{
    IniSettings s;
    s.ConveyorFiles[0] = "/shows/Concert.kvl";
    s.ConveyorFiles[9] = "/shows/Ten.kvl";
    s.ConveyorFiles[19] = "/shows/End.kvl";
    s.Path = "/shows/Current.kvl";
    s.Coder = "/tables/hall.kvr";
    return s;
}

} // namespace

TEST(SettingsKeys, TwoDigitNames)
{
    EXPECT_EQ(conveyorKeyName(1), "File01");
    EXPECT_EQ(conveyorKeyName(9), "File09");
    EXPECT_EQ(conveyorKeyName(10), "File10");
    EXPECT_EQ(conveyorKeyName(20), "File20");
}

TEST_F(SettingsFileTest, MissingFileReadsEmptyAndIsCreatedWithEveryKey)
{
    const IniSettings empty = ReadIniFile(ini);
    for (const auto &file : empty.ConveyorFiles)
        EXPECT_EQ(file, "");
    EXPECT_EQ(empty.Path, "");
    EXPECT_EQ(empty.Coder, "");

    IniSettings s;
    s.Path = "Unit_001";
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    const std::string text = read();
    EXPECT_NE(text.find("[Konveir]\nFile01=\nFile02=\n"), std::string::npos) << text;
    EXPECT_NE(text.find("File20=\n"), std::string::npos) << "empty values are written, not removed";
    EXPECT_NE(text.find("[LastFile]\nPath=Unit_001\nCoder=\n"), std::string::npos) << text;
}

TEST_F(SettingsFileTest, RoundTripKeepsForeignSectionsKeysAndComments)
{
    write("; written by the operator\n"
          "[Window]\nLeft=10\nTop=20\n\n"
          "[Konveir]\n; my favourite\nFile01=/old/one.kvl\nExtra=keep me\nFile15=/old/fifteen.kvl\n\n"
          "[LastFile]\nPath=/old/current.kvl\nCoder=/old/table.kvr\nRecent=/x\n\n"
          "[Zzz]\nmulti=a\nmulti=b\n");
    const IniSettings before = ReadIniFile(ini);
    EXPECT_EQ(before.ConveyorFiles[0], "/old/one.kvl");
    EXPECT_EQ(before.ConveyorFiles[14], "/old/fifteen.kvl");
    EXPECT_EQ(before.Path, "/old/current.kvl");
    EXPECT_EQ(before.Coder, "/old/table.kvr");

    ASSERT_TRUE(WriteIniFile(ini, sample()).ok());
    const IniSettings after = ReadIniFile(ini);
    EXPECT_EQ(after.ConveyorFiles, sample().ConveyorFiles);
    EXPECT_EQ(after.Path, "/shows/Current.kvl");
    EXPECT_EQ(after.Coder, "/tables/hall.kvr");

    const std::string text = read();
    for (const char *kept : {"; written by the operator", "[Window]", "Left=10", "Top=20", "; my favourite",
                             "Extra=keep me", "Recent=/x", "[Zzz]", "multi=a\nmulti=b"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;
    EXPECT_EQ(text.find("/old/fifteen.kvl"), std::string::npos) << "File15 was emptied";
    EXPECT_NE(text.find("File15=\n"), std::string::npos);
    EXPECT_LT(text.find("[Window]"), text.find("[Konveir]")) << "sections keep their order";
}

TEST_F(SettingsFileTest, GarbageNulAndForeignEncodingsReadWhatIsValidAndKeepTheRest)
{
    const std::string hugeValue(300000, 'x');
    const std::string text = std::string("garbage before any section\n") + "[Konveir]\n" +
        "File02=/shows/\xC0\xE1\xE2\xFF.kvl\n" + // not UTF-8
        "this line means nothing\n" + "=no key\n" + "[broken section\n" + "File03  =  /shows/spaced.kvl  \n" +
        std::string("bad\0byte line\n", 14) + "File04=" + hugeValue + "\n" + "File05=/first.kvl\nFile05=/second.kvl\n" +
        "[Other]\nx=1\n" + "; trailing comment\ntrailing garbage";
    write(text);

    const IniSettings s = ReadIniFile(ini);
    EXPECT_EQ(s.ConveyorFiles[1], "/shows/\xC0\xE1\xE2\xFF.kvl");
    EXPECT_EQ(s.ConveyorFiles[2], "/shows/spaced.kvl");
    EXPECT_EQ(s.ConveyorFiles[3], hugeValue) << "a NUL byte does not hide the lines after it";
    EXPECT_EQ(s.ConveyorFiles[4], "/first.kvl") << "the first of repeated keys";
    EXPECT_EQ(s.Path, "") << "missing section";

    IniSettings next = s;
    next.Path = "Unit_001";
    ASSERT_TRUE(WriteIniFile(ini, next).ok());
    const std::string written = read();
    for (const std::string &kept :
         {std::string("garbage before any section\n"), std::string("this line means nothing\n"),
          std::string("=no key\n"), std::string("[broken section\n"), std::string("bad\0byte line\n", 14),
          std::string("[Other]\nx=1\n"), std::string("; trailing comment\ntrailing garbage")})
        EXPECT_NE(written.find(kept), std::string::npos) << kept;
    EXPECT_NE(written.find("File02=/shows/\xC0\xE1\xE2\xFF.kvl\n"), std::string::npos);
    EXPECT_NE(written.find("File04=" + hugeValue + "\n"), std::string::npos);
    EXPECT_NE(written.find("Path=Unit_001"), std::string::npos);
    EXPECT_NE(written.find("File05=/first.kvl\nFile05=/second.kvl\n"), std::string::npos)
        << "a repeated key stays; the first counts";
    // And it reads back the same.
    const IniSettings again = ReadIniFile(ini);
    EXPECT_EQ(again.ConveyorFiles, s.ConveyorFiles);
    EXPECT_EQ(again.Path, "Unit_001");
}

TEST_F(SettingsFileTest, ByteOrderMarkAndWindowsLineEndsStay)
{
    write("\xEF\xBB\xBF[Konveir]\r\nFile01=C:\\Shows\\a.kvl\r\n[Keep]\r\nk=v\r\n");
    EXPECT_EQ(ReadIniFile(ini).ConveyorFiles[0], "C:\\Shows\\a.kvl");
    ASSERT_TRUE(WriteIniFile(ini, sample()).ok());
    const std::string text = read();
    EXPECT_TRUE(text.starts_with("\xEF\xBB\xBF[Konveir]\r\n")) << text;
    EXPECT_NE(text.find("[Keep]\r\nk=v\r\n"), std::string::npos);
    EXPECT_EQ(ReadIniFile(ini).ConveyorFiles[0], "/shows/Concert.kvl");
}

TEST_F(SettingsFileTest, ValuesWithLineBreaksCannotAddLines)
{
    IniSettings s;
    s.Path = "/shows/a.kvl\n[Konveir]\nFile01=/evil.kvl";
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    const IniSettings back = ReadIniFile(ini);
    EXPECT_EQ(back.Path, "/shows/a.kvl");
    EXPECT_EQ(back.ConveyorFiles[0], "");
}

TEST_F(SettingsFileTest, UnwritableFolderFailsAndUnreadableFileIsNotReplaced)
{
    const std::string gone = (dir / "gone" / "light.ini").string();
    const FileResult result = WriteIniFile(gone, sample());
    EXPECT_EQ(result.error, FileError::WriteFailed);
    EXPECT_FALSE(fs::exists(gone));

    // A folder where the settings file should be: nothing is written over it.
    fs::create_directory(ini);
    EXPECT_EQ(WriteIniFile(ini, sample()).error, FileError::WriteFailed);
    EXPECT_TRUE(fs::is_directory(ini));
}

TEST_F(SettingsFileTest, LinesTheProgramDoesNotUseComeBackByteForByteInTheirPlaces)
{
    // Repeated and empty sections, a stray carriage return, blanks around '=',
    // lines without '=', a duplicate of one of our keys, no end on the last line.
    write("\xEF\xBB\xBF; top\n"
          "[]\n"
          "orphan=1\n"
          "[Konveir]\n"
          "File01 = /old/one.kvl  \n"
          "junk line without equals\n"
          "stray\rcarriage = 1\n"
          "\n"
          "[Other]\n"
          "  a  =  b  \n"
          "[konveir]\n"
          "file10=/old/ten.kvl\r\n"
          "File01=/dup.kvl\n"
          "[LastFile]\n"
          "Path=/old/current.kvl");
    EXPECT_EQ(ReadIniFile(ini).ConveyorFiles[9], "/old/ten.kvl") << "a repeated section is read too";
    ASSERT_TRUE(WriteIniFile(ini, sample()).ok());

    std::string added;
    for (std::size_t n = 2; n <= 20; ++n)
        if (n != 10)
            added += conveyorKeyName(n) + "=" + sample().ConveyorFiles[n - 1] + "\n";
    EXPECT_EQ(read(),
              "\xEF\xBB\xBF; top\n"
              "[]\n"
              "orphan=1\n"
              "[Konveir]\n"
              "File01 = /shows/Concert.kvl\n"
              "junk line without equals\n"
              "stray\rcarriage = 1\n" +
                  added +
                  "\n"
                  "[Other]\n"
                  "  a  =  b  \n"
                  "[konveir]\n"
                  "file10=/shows/Ten.kvl\r\n"
                  "File01=/dup.kvl\n"
                  "[LastFile]\n"
                  "Path=/shows/Current.kvl\n"
                  "Coder=/tables/hall.kvr\n");
    const IniSettings back = ReadIniFile(ini);
    EXPECT_EQ(back.ConveyorFiles, sample().ConveyorFiles);
    EXPECT_EQ(back.Path, sample().Path);
    EXPECT_EQ(back.Coder, sample().Coder);
}

TEST_F(SettingsFileTest, WritingBackWhatWasReadChangesNoByte)
{
    std::string text = "[KONVEIR]\r\n";
    for (std::size_t n = 1; n <= 20; ++n)
        text += conveyorKeyName(n) + (n % 2 ? "  =\t/s/" : "=") + std::to_string(n) + ".kvl \r\n";
    text += "\r\n[LastFile]\r\n ; note\r\nPATH=/a.kvl\rtail\r\ncoder=\r\n[]\r\nno end";
    write(text);
    const IniSettings s = ReadIniFile(ini);
    EXPECT_EQ(s.ConveyorFiles[0], "/s/1.kvl");
    EXPECT_EQ(s.Path, "/a.kvl") << "a value ends at a carriage return";
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_EQ(read(), text);

    IniSettings next = s;
    next.Path = "/b.kvl";
    next.ConveyorFiles[0] = "";
    ASSERT_TRUE(WriteIniFile(ini, next).ok());
    std::string expected = text;
    expected.replace(expected.find("PATH=/a.kvl"), 11, "PATH=/b.kvl");
    expected.replace(expected.find("File01  =\t/s/1.kvl "), 19, "File01  =\t");
    EXPECT_EQ(read(), expected);
    EXPECT_EQ(ReadIniFile(ini).Path, "/b.kvl");
}

TEST_F(SettingsFileTest, RemoteSectionReadsInRangeOrDefaultsAndIsWrittenOnlyWhenGiven)
{
    EXPECT_EQ(ReadRemoteSettings(ini), (RemoteSettings{false, 9080, false, ""}));
    write("[Other]\nPort=1\n[remote]\nenabled=1\nPort=8081\nNetwork=1\nAddress=192.168.1.20\n");
    EXPECT_EQ(ReadRemoteSettings(ini), (RemoteSettings{true, 8081, true, "192.168.1.20"}));
    for (const char *port : {"0", "65536", "-5", "80a", "999999", ""}) {
        write(std::string("[Remote]\nEnabled=yes\nPort=") + port + "\nNetwork=2\nAddress=evil.example\n");
        EXPECT_EQ(ReadRemoteSettings(ini), (RemoteSettings{false, 9080, false, ""})) << port;
    }

    // Without remote values the section stays as it is; with them only its keys change.
    write("[Remote]\nEnabled=1\n; phone\n[Konveir]\n");
    ASSERT_TRUE(WriteIniFile(ini, sample()).ok());
    EXPECT_EQ(ReadRemoteSettings(ini).Enabled, true);
    IniSettings withRemote = sample();
    withRemote.Remote = RemoteSettings{false, 9555, true, "[fd00::5]"};
    ASSERT_TRUE(WriteIniFile(ini, withRemote).ok());
    EXPECT_EQ(ReadRemoteSettings(ini), *withRemote.Remote);
    EXPECT_EQ(read().find("[Remote]\nEnabled=0\nPort=9555\nNetwork=1\nAddress=[fd00::5]\n; phone\n"), 0u) << read();
}

TEST_F(SettingsFileTest, OlaSectionAGarbledUniverseReadsAsOneAndTheRestOfTheFileStays)
{
    EXPECT_EQ(olaUniverseOf("1"), 1);
    EXPECT_EQ(olaUniverseOf("65535"), 65535);
    for (const char *garbage : {"", "0", "65536", "99999", "-3", "+7", "7x", "1 2", "0x10", "123456"})
        EXPECT_EQ(olaUniverseOf(garbage), 1) << garbage;
    EXPECT_FALSE(ReadIniFile(ini).Ola.Enabled) << "no file: off";
    EXPECT_EQ(ReadIniFile(ini).Ola.Universe, 1);

    const std::string before = "[Window]\nLeft=10\n[ola]\n; mine\nEnabled = 1\nUniverse=lots\nOther=x\n"
                               "[Konveir]\nFile01=/a.kvl\n";
    write(before);
    IniSettings s = ReadIniFile(ini);
    EXPECT_TRUE(s.Ola.Enabled);
    EXPECT_EQ(s.Ola.Universe, 1);
    EXPECT_EQ(s.ConveyorFiles[0], "/a.kvl") << "the rest of the file still counts";

    s.Ola.Universe = 300;
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    const std::string after = read();
    EXPECT_TRUE(after.starts_with("[Window]\nLeft=10\n[ola]\n; mine\nEnabled = 1\nUniverse=300\nOther=x\n"
                                  "[Konveir]\nFile01=/a.kvl\n"))
        << after;
    EXPECT_EQ(after.find("[Ola]"), std::string::npos) << "no second section";
    EXPECT_EQ(ReadIniFile(ini).Ola.Universe, 300);

    s.Ola.Enabled = false;
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_NE(read().find("Enabled = 0\n"), std::string::npos);
    EXPECT_FALSE(ReadIniFile(ini).Ola.Enabled);

    // A file of a run that never used OLA gains no section; switched on, it does.
    write("[LastFile]\nPath=/a.kvl\n");
    IniSettings plain = ReadIniFile(ini);
    ASSERT_TRUE(WriteIniFile(ini, plain).ok());
    EXPECT_EQ(read().find("Ola"), std::string::npos) << read();
    plain.Ola.Enabled = true;
    ASSERT_TRUE(WriteIniFile(ini, plain).ok());
    EXPECT_NE(read().find("\n[Ola]\nEnabled=1\n"), std::string::npos) << read();
    EXPECT_TRUE(ReadIniFile(ini).Ola.Enabled);
}

TEST_F(SettingsFileTest, TheInterfaceLanguageIsAddedOnlyWhenChosenAndAnyOtherValueReadsAsAuto)
{
    write("[Konveir]\nFile01=/a.kvl\n");
    IniSettings s = ReadIniFile(ini);
    EXPECT_EQ(s.Language, LanguageChoice::Auto);
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_EQ(read().find("[Interface]"), std::string::npos) << "auto adds nothing";

    s.Language = LanguageChoice::English;
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_NE(read().find("[Interface]\nLanguage=en\n"), std::string::npos) << read();
    EXPECT_EQ(ReadIniFile(ini).Language, LanguageChoice::English);

    write("[interface]\nLanguage = klingon\n[Ola]\nEnabled=1\n");
    s = ReadIniFile(ini);
    EXPECT_EQ(s.Language, LanguageChoice::Auto);
    s.Language = LanguageChoice::Russian;
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_TRUE(read().starts_with("[interface]\nLanguage = ru\n[Ola]\nEnabled=1\n")) << read();
}

TEST_F(SettingsFileTest, TheGrandMasterIsKeptBelowFullAndAnyOtherValueReadsAsFull)
{
    for (const char *garbage : {"", "101", "-1", "50%", "1e2", "0050"})
        EXPECT_EQ(percentOf(garbage), 100) << garbage;
    EXPECT_EQ(percentOf("0"), 0);
    write("[Konveir]\nFile01=/a.kvl\n");
    IniSettings s = ReadIniFile(ini);
    EXPECT_EQ(s.GrandMaster, 100);
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_EQ(read().find("[Live]"), std::string::npos) << "full adds nothing";
    s.GrandMaster = 40;
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_NE(read().find("[Live]\nGrandMaster=40\n"), std::string::npos) << read();
    EXPECT_EQ(ReadIniFile(ini).GrandMaster, 40);
}

TEST_F(SettingsFileTest, OscSectionIsAddedOnlyOnceAValueIsNotTheDefaultAndAGarbledPortReadsAs9000)
{
    write("[LastFile]\nPath=/a.kvl\n");
    IniSettings s = ReadIniFile(ini);
    EXPECT_EQ(s.Osc, OscIni{});
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_EQ(read().find("Osc"), std::string::npos) << "a file of a run that never used OSC gains no section";

    s.Osc.Port = 8000;
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_TRUE(read().ends_with("\n[Osc]\nPort=8000\n")) << read();
    s.Osc = {true, 9000, true};
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_EQ(ReadIniFile(ini).Osc, s.Osc);
    EXPECT_TRUE(read().ends_with("\n[Osc]\nPort=9000\nEnabled=1\nNetwork=1\n")) << read();

    for (const char *port : {"0", "65536", "-1", "90 00", "x", ""}) {
        write(std::string("[osc]\nEnabled=1\nPort=") + port + "\n");
        EXPECT_EQ(ReadIniFile(ini).Osc, (OscIni{true, 9000, false})) << port;
    }
}

TEST_F(SettingsFileTest, TheMidiSectionIsAddedOnlyOnceUsedAndAPortNameIsOneLineOfText)
{
    write("[LastFile]\nPath=/a.kvl\n");
    IniSettings s = ReadIniFile(ini);
    EXPECT_EQ(s.Midi, MidiIni{});
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_EQ(read().find("Midi"), std::string::npos) << read();

    s.Midi.Input = "nanoPAD2:nanoPAD2 MIDI 1 24:0";
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    EXPECT_NE(read().find("\n[Midi]\nInput=nanoPAD2:nanoPAD2 MIDI 1 24:0\n"), std::string::npos) << read();
    s.Midi = {true, "Desk:out", "Desk:in\n[Konveir]\nFile01=/evil.kvl"};
    ASSERT_TRUE(WriteIniFile(ini, s).ok());
    const IniSettings back = ReadIniFile(ini);
    EXPECT_EQ(back.Midi, (MidiIni{true, "Desk:out", "Desk:in"})) << read();
    EXPECT_EQ(back.ConveyorFiles[0], "") << "a name cannot add a line";

    write("[Midi]\nEnabled=1\nInput=" + std::string(MaxMidiPortName + 1, 'x') + "\nOutput=a\x01b\n");
    EXPECT_EQ(ReadIniFile(ini).Midi, (MidiIni{true, "", ""})) << "too long or with control bytes: no port";
}
