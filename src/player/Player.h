#pragma once
// The show player without a window: the engine, the output thread and the
// sequencer clock, driven from the main thread, which also takes the signals.
// Only atomics are shared with the output thread, as in the window program.

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Engine.h"
#include "output/OutputTicker.h"
#include "playback/SequencerClock.h"
#include "player/PlayerOptions.h"
#include "player/PlayerOutputs.h"
#include "player/PlayerService.h"
#include "player/ServiceNotify.h"
#include "player/ShowList.h"

namespace korvanel {

class PlayerLog;

class Player {
public:
    // A stop, from the signal to the end of the process, takes no longer.
    static constexpr std::chrono::milliseconds StopBudget{200};

    // Under systemd, `notifySocket`, `watchdogUsec` and `watchdogPid` are the
    // environment's NOTIFY_SOCKET, WATCHDOG_USEC and WATCHDOG_PID (null: unset).
    Player(PlayerOptions options, PlayerLog &log, const char *notifySocket = nullptr,
           const char *watchdogUsec = nullptr, const char *watchdogPid = nullptr);
    ~Player();
    Player(const Player &) = delete;
    Player &operator=(const Player &) = delete;

    // The signals the player takes; blocked in every thread before any starts.
    static sigset_t handledSignals();

    // Plays until SIGTERM or SIGINT; returns the exit code.
    int run();
    // After run(): the OLA output's worker was left stuck in OLA's library.
    bool olaWorkerLeftRunning() const { return m_outputs.olaWorkerLeftRunning(); }

private:
    using Clock = SequencerClock::Clock;

    int prepare();
    int loadCoderTable();
    void installShow(std::size_t index);
    void logShow();
    void step(Clock::time_point now);
    void reload(Clock::time_point now);
    void reloadShows(Clock::time_point now);
    void stop(int signal, Clock::time_point received);
    int tempoInterval() const;
    std::string statusText() const;
    // The service's side of a pass of the main loop; returns when it wants the next one.
    Clock::time_point tellService(Clock::time_point now);

    PlayerOptions m_options;
    PlayerLog &m_log;
    std::unique_ptr<Engine> m_engine = std::make_unique<Engine>();
    ShowList m_shows;
    std::size_t m_current = 0;
    bool m_playing = false;
    SequencerClock m_clock;
    PlayerOutputs m_outputs;
    PlayerService m_service;
    // CLOCK_MONOTONIC ns of the main loop's last pass, for the watchdog.
    std::atomic<std::int64_t> m_mainAlive{0};
    // The output thread's alone once it runs; the main loop knows its interval.
    WatchdogPing m_watchdog;
    std::chrono::microseconds m_watchdogInterval{0};
    // Declared last: its thread stops before what it uses goes.
    OutputTicker m_ticker;
};

} // namespace korvanel
