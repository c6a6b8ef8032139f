#pragma once
// The show player without a window: the engine, the output thread and the
// sequencer clock, driven from the main thread, which also takes the signals.
// Only atomics are shared with the output thread, as in the window program.

#include <chrono>
#include <csignal>
#include <cstddef>
#include <memory>

#include "core/Engine.h"
#include "output/OutputTicker.h"
#include "playback/SequencerClock.h"
#include "player/PlayerOptions.h"
#include "player/PlayerOutputs.h"
#include "player/ShowList.h"

namespace korvanel {

class PlayerLog;

class Player {
public:
    Player(PlayerOptions options, PlayerLog &log);
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
    void stop(int signal);
    int tempoInterval() const;

    PlayerOptions m_options;
    PlayerLog &m_log;
    std::unique_ptr<Engine> m_engine = std::make_unique<Engine>();
    ShowList m_shows;
    std::size_t m_current = 0;
    bool m_playing = false;
    SequencerClock m_clock;
    PlayerOutputs m_outputs;
    // Declared last: its thread stops before what it uses goes.
    OutputTicker m_ticker;
};

} // namespace korvanel
