#include <gtest/gtest.h>

#include "files/ShowNames.h"

using namespace korvanel;

TEST(ShowNames, KonveyrShowNameIsSevenCharactersLessTheirExtension)
{
    EXPECT_EQ(ConvertorFileName("C:\\Shows\\Concert.kvl"), "Concert");
    EXPECT_EQ(ConvertorFileName("C:\\Shows\\ab.kvl"), "ab");
    EXPECT_EQ(ConvertorFileName("C:\\Shows\\Hall12.kvl"), "Hall12");
    EXPECT_EQ(ConvertorFileName("C:\\Shows\\NewYearEve.kvl"), "NewYear");
    EXPECT_EQ(ConvertorFileName("C:\\Shows\\abcde.kvl"), "abcde") << "abcde.k loses .k";
    EXPECT_EQ(ConvertorFileName("/home/op/shows/Unit_001"), "Unit_00");
    EXPECT_EQ(ConvertorFileName("/shows.d/plain"), "plain") << "a dot in a folder is no extension";
    EXPECT_EQ(ConvertorFileName(""), "");
}

TEST(ShowNames, SettingsCaptionsTakeEightCharacters)
{
    EXPECT_EQ(shortShowName("C:\\Shows\\Holiday2024.kvl", SettingsKeyNameLength), "Holiday2");
    EXPECT_EQ(ConvertorFileName("C:\\Shows\\Holiday2024.kvl"), "Holiday");
    EXPECT_EQ(shortShowName("C:\\Shows\\End.kvl", SettingsKeyNameLength), "End");
    EXPECT_EQ(shortShowName("/s/concert1.kvl", SettingsKeyNameLength), "concert1");
}

TEST(ShowNames, CutsWholeLettersNotBytes)
{
    // Seven Cyrillic letters are fourteen bytes; a byte cut would leave half a letter.
    EXPECT_EQ(ConvertorFileName("/shows/Новогодний.kvl"), "Новогод");
    EXPECT_EQ(shortShowName("/shows/Ёлка.kvl", 8), "Ёлка");
    // Bytes that are not UTF-8 count one each and pass through.
    EXPECT_EQ(ConvertorFileName("/shows/\xC0\xE1\xE2\xE3\xE4\xE5\xE6\xE7.kvl"), "\xC0\xE1\xE2\xE3\xE4\xE5\xE6");
    // An overlong form, a surrogate and a code point past U+10FFFF are no letters:
    // the caption shows each of their bytes, so each byte counts.
    EXPECT_EQ(shortShowName("/s/\xE0\x80\x80\xED\xA0\x80.kvl", 4), "\xE0\x80\x80\xED");
    EXPECT_EQ(shortShowName("/s/\xF4\x90\x80\x80xyz", 2), "\xF4\x90");
    EXPECT_EQ(shortShowName("/s/\xF0\x9F\x8E\xADxyz", 2), "\xF0\x9F\x8E\xADx")
        << "a real letter past U+FFFF stays whole";
}
