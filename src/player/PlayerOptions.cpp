#include "player/PlayerOptions.h"

#include <array>
#include <charconv>

#include "playback/Tempo.h"

namespace korvanel {

namespace {

enum class Option : std::uint8_t {
    Help,
    Version,
    Tempo,
    Once,
    Coder,
    Settings,
    Output,
    Universe,
    Blackout,
    NoRealTime,
    Check
};

struct OptionName {
    const char *name;
    Option option;
    bool takesValue;
};

constexpr std::array<OptionName, 11> Options = {{
    {"help", Option::Help, false},
    {"version", Option::Version, false},
    {"tempo", Option::Tempo, true},
    {"once", Option::Once, false},
    {"coder", Option::Coder, true},
    {"settings", Option::Settings, true},
    {"output", Option::Output, true},
    {"universe", Option::Universe, true},
    {"blackout-on-exit", Option::Blackout, false},
    {"no-realtime", Option::NoRealTime, false},
    {"check", Option::Check, false},
}};

// A decimal number within [low, high], nothing else around it.
std::optional<std::uint64_t> numberIn(const std::string &text, std::uint64_t low, std::uint64_t high)
{
    std::uint64_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// The option a long name stands for: the exact name, or the one option it begins.
const OptionName *findOption(const std::string &name, std::string &problem, const PlayerWords &words)
{
    const OptionName *found = nullptr;
    int matches = 0;
    for (const OptionName &candidate : Options) {
        const std::string full = candidate.name;
        if (full == name)
            return &candidate;
        if (!name.empty() && full.compare(0, name.size(), name) == 0) {
            found = &candidate;
            ++matches;
        }
    }
    if (matches == 1)
        return found;
    problem = words(matches == 0 ? Say::UnknownOption : Say::AmbiguousOption, {"--" + name});
    return nullptr;
}

PlayerCommand refuse(std::string problem)
{
    PlayerCommand command;
    command.action = PlayerCommand::Action::Refuse;
    command.problem = std::move(problem);
    return command;
}

} // namespace

PlayerCommand parsePlayerCommand(const std::vector<std::string> &arguments, bool olaBuilt, const PlayerWords &words)
{
    PlayerCommand command;
    PlayerOptions &o = command.options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            o.shows.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        Option option;
        std::string value;
        std::string shown = argument;
        if (argument == "-h") {
            option = Option::Help;
        } else if (argument == "-V") {
            option = Option::Version;
        } else if (argument.compare(0, 2, "--") != 0) {
            return refuse(words(Say::UnknownOption, {argument}));
        } else {
            const std::size_t equals = argument.find('=');
            const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            std::string problem;
            const OptionName *known = findOption(name, problem, words);
            if (known == nullptr)
                return refuse(problem);
            option = known->option;
            shown = std::string("--") + known->name;
            if (equals != std::string::npos) {
                if (!known->takesValue)
                    return refuse(words(Say::OptionTakesNoValue, {shown}));
                value = argument.substr(equals + 1);
            } else if (known->takesValue) {
                if (i + 1 >= arguments.size())
                    return refuse(words(Say::OptionNeedsValue, {shown}));
                value = arguments[++i];
            }
        }
        switch (option) {
        case Option::Help:
            command.action = PlayerCommand::Action::Help;
            return command;
        case Option::Version:
            command.action = PlayerCommand::Action::Version;
            return command;
        case Option::Tempo: {
            const auto tempo = numberIn(value, MinSequencerTempo, MaxSequencerTempo);
            if (!tempo)
                return refuse(words(Say::BadTempo, {value}));
            o.tempo = static_cast<std::uint8_t>(*tempo);
            break;
        }
        case Option::Once:
            o.once = true;
            break;
        case Option::Coder:
            o.coderFile = value;
            break;
        case Option::Settings:
            o.settingsFile = value;
            break;
        case Option::Output:
            if (value == "usb")
                o.output = OutputChoice::Usb;
            else if (value == "ola")
                o.output = OutputChoice::Ola;
            else if (value == "both")
                o.output = OutputChoice::Both;
            else
                return refuse(words(Say::BadOutput, {value}));
            break;
        case Option::Universe: {
            const auto universe = numberIn(value, 1, UINT16_MAX);
            if (!universe)
                return refuse(words(Say::BadUniverse, {value}));
            o.universe = static_cast<std::uint16_t>(*universe);
            break;
        }
        case Option::Blackout:
            o.blackoutOnExit = true;
            break;
        case Option::NoRealTime:
            o.realTime = false;
            break;
        case Option::Check:
            o.check = true;
            break;
        }
    }
    if (!olaBuilt && (o.output != OutputChoice::Usb || o.universe))
        return refuse(words(Say::NoOlaInBuild));
    // Silently ignored, a universe would look like a working OLA output that is not there.
    if (o.universe && o.output == OutputChoice::Usb)
        return refuse(words(Say::UniverseNeedsOla));
    if (o.shows.empty())
        return refuse(words(Say::NoShowFile));
    return command;
}

std::string playerHelpText(const PlayerWords &words) { return words(Say::Usage) + "\n" + words(Say::HelpBody); }

} // namespace korvanel
