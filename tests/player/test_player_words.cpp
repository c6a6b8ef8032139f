// The player's wording table: both languages for every entry, with the same values to fill.
#include <gtest/gtest.h>

#include <set>

#include "player/PlayerWords.h"

using namespace korvanel;

namespace {

std::set<char> placeholders(std::string_view text)
{
    std::set<char> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            found.insert(text[i + 1]);
    }
    return found;
}

// Cyrillic (U+0400..U+052F) starts with one of these bytes in UTF-8.
bool hasCyrillic(std::string_view text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xD0 && byte <= 0xD4)
            return true;
    }
    return false;
}

} // namespace

TEST(PlayerWords, EveryEntryHasBothLanguagesWithTheSameValuesAndTheEnglishHasNoCyrillic)
{
    for (int i = 0; i < static_cast<int>(Say::Count); ++i) {
        const auto id = static_cast<Say>(i);
        const std::string_view russian = PlayerWords::text(id, InterfaceLanguage::Russian);
        const std::string_view english = PlayerWords::text(id, InterfaceLanguage::English);
        SCOPED_TRACE(russian);
        EXPECT_FALSE(russian.empty()) << i;
        EXPECT_FALSE(english.empty()) << i;
        EXPECT_FALSE(hasCyrillic(english)) << english;
        EXPECT_EQ(placeholders(russian), placeholders(english)) << english;
    }
}

TEST(PlayerWords, ValuesFillTheirNumberedPlacesAndAreNeverReadAsPlaceholders)
{
    const PlayerWords russian(InterfaceLanguage::Russian);
    const PlayerWords english(InterfaceLanguage::English);
    EXPECT_EQ(russian(Say::ShowSkipped, {"/a%2.kvl", "файл не найден"}), "шоу пропущено: /a%2.kvl: файл не найден");
    EXPECT_EQ(english(Say::ShowPlaying, {"a.kvl", "3", "20", "400"}), "show: a.kvl, scenes: 3, tempo 20 (400 ms)");
}
