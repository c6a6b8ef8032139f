#include "core/InterfaceLanguage.h"

namespace korvanel {

LanguageChoice languageChoiceOf(std::string_view value)
{
    if (value == "en")
        return LanguageChoice::English;
    if (value == "ru")
        return LanguageChoice::Russian;
    return LanguageChoice::Auto;
}

std::string_view languageChoiceName(LanguageChoice choice)
{
    switch (choice) {
    case LanguageChoice::English:
        return "en";
    case LanguageChoice::Russian:
        return "ru";
    case LanguageChoice::Auto:
        break;
    }
    return "auto";
}

InterfaceLanguage systemLanguage(EnvironmentGetter get)
{
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *raw = get(name);
        if (raw == nullptr || *raw == '\0')
            continue;
        const std::string_view value(raw);
        // C.UTF-8 and the like are the C locale too.
        const std::string_view base = value.substr(0, value.find_first_of(".@"));
        if (value.starts_with("ru") || base == "C" || base == "POSIX")
            return InterfaceLanguage::Russian;
        return InterfaceLanguage::English;
    }
    return InterfaceLanguage::Russian;
}

InterfaceLanguage resolveLanguage(LanguageChoice choice, EnvironmentGetter get)
{
    switch (choice) {
    case LanguageChoice::English:
        return InterfaceLanguage::English;
    case LanguageChoice::Russian:
        return InterfaceLanguage::Russian;
    case LanguageChoice::Auto:
        break;
    }
    return systemLanguage(get);
}

} // namespace korvanel
