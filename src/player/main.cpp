// korvanel-player: plays shows with no window, for installations that run
// all day from a small computer without a screen.
#include <csignal>
#include <cstdio>
#include <exception>
#include <pthread.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "player/Player.h"
#include "player/PlayerCheck.h"
#include "player/PlayerLog.h"
#include "player/PlayerOptions.h"
#include "player/PlayerOutputs.h"

using namespace korvanel;

int main(int argc, char **argv)
{
    // Before any thread starts, so that only the main loop ever takes these signals.
    const sigset_t signals = Player::handledSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    // A reader of the log that went away must not end the show.
    std::signal(SIGPIPE, SIG_IGN);

    PlayerLog log(PlayerWords::ofLocale());
    const PlayerCommand command =
        parsePlayerCommand(std::vector<std::string>(argv + 1, argv + argc), PlayerOutputs::olaBuilt(), log.words());
    switch (command.action) {
    case PlayerCommand::Action::Help:
        std::fputs(playerHelpText(log.words()).c_str(), stdout);
        return 0;
    case PlayerCommand::Action::Version:
        std::puts("korvanel-player " KORVANEL_VERSION);
        return 0;
    case PlayerCommand::Action::Refuse:
        log.line(PlayerLog::Level::Error, command.problem);
        if (log.journal())
            log.line(PlayerLog::Level::Info, log.say(Say::Usage) + "\n" + log.say(Say::MoreHelp));
        else
            std::fprintf(stderr, "%s\n%s\n", log.say(Say::Usage).c_str(), log.say(Say::MoreHelp).c_str());
        return 2;
    case PlayerCommand::Action::Run:
        break;
    }
    if (command.options.check) {
        const PlayerCheck check = checkPlayerFiles(command.options, log.words());
        std::fputs(check.report.c_str(), stdout);
        return check.exitCode;
    }
    try {
        Player player(command.options, log, std::getenv("NOTIFY_SOCKET"), std::getenv("WATCHDOG_USEC"),
                      std::getenv("WATCHDOG_PID"));
        const int code = player.run();
        // A worker stuck in OLA's library may still run there: the outputs are
        // closed and the log written, so end without static destructors under it.
        if (player.olaWorkerLeftRunning()) {
            std::fflush(nullptr);
            _exit(code);
        }
        return code;
    } catch (const std::exception &failure) {
        log.error(Say::Failure, {failure.what()});
        return 1;
    }
}
