// The player's command line: what it accepts, and every refusal with its line.
#include <gtest/gtest.h>

#include "player/PlayerOptions.h"

using namespace korvanel;

namespace {
PlayerCommand parse(std::vector<std::string> arguments, bool olaBuilt = false)
{
    return parsePlayerCommand(arguments, olaBuilt, PlayerWords(InterfaceLanguage::Russian));
}
} // namespace

TEST(PlayerOptions, LongOptionsInEitherFormAbbreviatedAndFilesAfterTheEnd)
{
    const PlayerCommand c = parse({"a.kvl", "--tempo=60", "--on", "--coder", "t.kvr", "--settings=k.ini", "--blackout",
                                   "--no-realtime", "--output", "usb", "b.kvl", "--", "--c.kvl", "-"});
    ASSERT_EQ(c.action, PlayerCommand::Action::Run) << c.problem;
    EXPECT_EQ(c.options.shows, (std::vector<std::string>{"a.kvl", "b.kvl", "--c.kvl", "-"}));
    EXPECT_EQ(c.options.tempo, 60);
    EXPECT_TRUE(c.options.once);
    EXPECT_EQ(c.options.coderFile, "t.kvr");
    EXPECT_EQ(c.options.settingsFile, "k.ini");
    EXPECT_TRUE(c.options.blackoutOnExit);
    EXPECT_FALSE(c.options.realTime);

    const PlayerCommand plain = parse({"a.kvl"});
    EXPECT_FALSE(plain.options.tempo);
    EXPECT_FALSE(plain.options.once || plain.options.blackoutOnExit);
    EXPECT_TRUE(plain.options.realTime);
    EXPECT_EQ(parse({"--tempo", "10", "a"}).options.tempo, 10);
    EXPECT_EQ(parse({"--tempo", "170", "a"}).options.tempo, 170);
    EXPECT_EQ(parse({"a", "--help", "--bogus"}).action, PlayerCommand::Action::Help);
    EXPECT_EQ(parse({"-V"}).action, PlayerCommand::Action::Version);
    EXPECT_TRUE(parse({"--check", "a"}).options.check);
    EXPECT_FALSE(plain.options.check);

    const PlayerCommand ola = parse({"--output=both", "--universe", "65535", "a"}, true);
    ASSERT_EQ(ola.action, PlayerCommand::Action::Run) << ola.problem;
    EXPECT_EQ(ola.options.output, OutputChoice::Both);
    EXPECT_EQ(ola.options.universe, 65535u);
    EXPECT_EQ(parse({"--output", "ola", "a"}, true).options.output, OutputChoice::Ola);
}

// The plainest refusals are run through the program in test_player_process.cpp.
TEST(PlayerOptions, EveryBadCommandLineIsRefusedWithItsOwnLine)
{
    const struct {
        std::vector<std::string> arguments;
        const char *says;
    } cases[] = {
        {{"--once"}, "не указан файл шоу"},
        {{"--tempo=9", "a"}, "темп — число от 10 до 170, а не «9»"},
        {{"--tempo", "171", "a"}, "«171»"},
        {{"--tempo", "6x", "a"}, "«6x»"},
        {{"--tempo", "-20", "a"}, "«-20»"},
        {{"a", "--tempo"}, "параметру «--tempo» нужно значение"},
        {{"--universe", "65536", "a"}, "вселенная OLA — число от 1 до 65535, а не «65536»"},
        {{"--output", "dmx", "a"}, "вывод — usb, ola или both, а не «dmx»"},
        {{"-x", "a"}, "неизвестный параметр «-x»"},
        {{"--o", "a"}, "неоднозначный параметр «--o»"},
        {{"--once=yes", "a"}, "параметр «--once» не принимает значения"},
        {{"--output=both", "a"}, "в этой сборке нет вывода OLA"},
        {{"--universe", "1", "a"}, "в этой сборке нет вывода OLA"},
    };
    for (const auto &c : cases) {
        const PlayerCommand command = parse(c.arguments);
        EXPECT_EQ(command.action, PlayerCommand::Action::Refuse) << c.says;
        EXPECT_NE(command.problem.find(c.says), std::string::npos) << command.problem;
    }
    // With the OLA output built, a universe for the USB output alone is no working OLA output either.
    for (const auto &arguments : {std::vector<std::string>{"--universe", "2", "a"},
                                  std::vector<std::string>{"--universe=2", "--output", "usb", "a"}}) {
        const PlayerCommand command = parse(arguments, true);
        EXPECT_EQ(command.action, PlayerCommand::Action::Refuse);
        EXPECT_NE(command.problem.find("--universe задаёт вселенную OLA"), std::string::npos) << command.problem;
    }
}
