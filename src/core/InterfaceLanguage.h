#pragma once
// The language the program speaks: chosen in the settings file as
// auto|en|ru, or taken from the locale. Russian is the program's first
// language, so a machine that names no locale (or only C/POSIX) gets it.

#include <string_view>

namespace korvanel {

enum class InterfaceLanguage { Russian, English };

// The settings value: "en" and "ru" choose, anything else follows the system.
enum class LanguageChoice { Auto, English, Russian };
LanguageChoice languageChoiceOf(std::string_view value);
std::string_view languageChoiceName(LanguageChoice choice);

// The first of LANGUAGE, LC_ALL, LC_MESSAGES, LANG that is set and not empty
// decides: Russian when it starts with "ru" or is C/POSIX, English otherwise;
// Russian when none is set. The getter is getenv or a test's stand-in.
using EnvironmentGetter = const char *(*)(const char *);
InterfaceLanguage systemLanguage(EnvironmentGetter get);

InterfaceLanguage resolveLanguage(LanguageChoice choice, EnvironmentGetter get);

} // namespace korvanel
