#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/InterfaceLanguage.h"

using namespace korvanel;

namespace {

std::map<std::string, std::string> environment;

const char *fakeGetenv(const char *name)
{
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
}

InterfaceLanguage withEnvironment(std::map<std::string, std::string> values)
{
    environment = std::move(values);
    return systemLanguage(fakeGetenv);
}

} // namespace

TEST(InterfaceLanguage, TheFirstLocaleVariableThatIsSetDecides)
{
    constexpr auto ru = InterfaceLanguage::Russian;
    constexpr auto en = InterfaceLanguage::English;
    EXPECT_EQ(withEnvironment({}), ru) << "nothing set: the program's first language";
    EXPECT_EQ(withEnvironment({{"LANG", "en_US.UTF-8"}}), en);
    EXPECT_EQ(withEnvironment({{"LANG", "ru_RU.UTF-8"}}), ru);
    EXPECT_EQ(withEnvironment({{"LANG", "de_DE.UTF-8"}}), en);
    EXPECT_EQ(withEnvironment({{"LANG", "C"}}), ru);
    EXPECT_EQ(withEnvironment({{"LANG", "C.UTF-8"}}), ru);
    EXPECT_EQ(withEnvironment({{"LC_ALL", "POSIX"}, {"LANG", "en_US.UTF-8"}}), ru);
    EXPECT_EQ(withEnvironment({{"LANGUAGE", "en_GB:ru"}, {"LC_ALL", "ru_RU.UTF-8"}}), en);
    EXPECT_EQ(withEnvironment({{"LANGUAGE", ""}, {"LC_MESSAGES", "ru_UA.UTF-8"}, {"LANG", "en_US"}}), ru)
        << "an empty variable counts as not set";
}

TEST(InterfaceLanguage, TheSettingChoosesOrFollowsTheSystem)
{
    environment = {{"LANG", "en_US.UTF-8"}};
    EXPECT_EQ(resolveLanguage(languageChoiceOf("ru"), fakeGetenv), InterfaceLanguage::Russian);
    EXPECT_EQ(resolveLanguage(languageChoiceOf("en"), fakeGetenv), InterfaceLanguage::English);
    for (const char *other : {"auto", "", "EN", "fr", "ru "})
        EXPECT_EQ(languageChoiceOf(other), LanguageChoice::Auto) << other;
    EXPECT_EQ(resolveLanguage(LanguageChoice::Auto, fakeGetenv), InterfaceLanguage::English);
    for (auto choice : {LanguageChoice::Auto, LanguageChoice::English, LanguageChoice::Russian})
        EXPECT_EQ(languageChoiceOf(languageChoiceName(choice)), choice);
}
