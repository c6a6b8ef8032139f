#pragma once
// Output of each frame to a universe of the OLA daemon, beside the USB link
// or instead of it.
//
// The output tick never talks to the daemon: publish() copies the finished
// frame into a single-slot hand-over and wakes the worker thread, which sends
// the latest frame with the streaming client; a frame not yet sent when the
// next one comes is replaced, never queued. The worker alone connects, sends,
// reconnects (once a second after a failure) and twice a second asks the
// daemon whether the universe has an output port at all, since a frame sent
// to a universe without one is accepted and goes nowhere. The answers are
// also how the worker knows the daemon still answers: a daemon that stalls
// keeps its connection, so nothing else shows it. The window and any other
// reader see the state through atomics (status()).

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "core/AtomicBytes.h"
#include "core/ShowLayout.h"
#include "output/OlaClientApi.h"

namespace korvanel {

enum class OlaState : std::uint8_t {
    Unavailable,  // built without OLA's library
    Off,          // switched off
    Connecting,   // the first attempt is under way
    Connected,    // frames flow
    NoDaemon,     // no daemon to connect to, or it went away; tried again once a second
    NotAnswering, // a daemon is there but answers no question, or a connect to it hangs: stopped or overloaded
    Refused,      // the client's module does not load, or is of another version of the program
};

enum class OlaPorts : std::uint8_t { Unknown, Present, None };

struct OlaStatus {
    OlaState state = OlaState::Off;
    std::uint16_t universe = 1;
    OlaPorts ports = OlaPorts::Unknown;
    std::uint16_t portsUniverse = 0; // the universe the ports answer is about
    std::string portNames;           // "device / port", comma-separated
    std::uint64_t framesSent = 0;
    std::uint32_t connects = 0;   // successful connections since start
    std::uint32_t losses = 0;     // connections lost since start
    std::uint32_t stalls = 0;     // times the daemon stopped answering
    std::uint32_t recoveries = 0; // times a daemon that had stopped answering answered again
    bool realTime = false;        // the worker runs at a real-time priority
};

struct OlaTiming {
    std::chrono::milliseconds retry{1000};
    // The ports are asked for this often while connected.
    std::chrono::milliseconds portCheck{500};
    // A question unanswered, or a connect or send not returned, for this
    // long: the daemon does not answer.
    std::chrono::milliseconds answerLimit{1000};
    // Closing right after the last send loses the last frames.
    std::chrono::milliseconds closeHold{100};
    // stop() without a deadline of its own waits this long at most.
    std::chrono::milliseconds stopLimit{150};
    // The clock retries, port checks, the hold and stop's deadline are timed
    // by; tests step their own. With one set, the worker and stop() look at it
    // at least every millisecond.
    std::function<std::chrono::steady_clock::time_point()> clock;
};

class OlaOutput {
public:
    static constexpr std::uint16_t DefaultUniverse = 1;
    static constexpr std::size_t PortNamesBytes = 256;

    // A null client: built without OLA; the output stays Unavailable.
    explicit OlaOutput(std::unique_ptr<OlaClientApi> client, OlaTiming timing = {});
    ~OlaOutput();
    OlaOutput(const OlaOutput &) = delete;
    OlaOutput &operator=(const OlaOutput &) = delete;

    bool available() const;
    // Starts the worker; it connects once enabled.
    void start();
    // Sends the last frame, holds the connection for closeHold and closes.
    // Waits for the worker until `deadline` at most (the hold is cut short to
    // end before it), and not at all once it has been stuck in a connect or a
    // send for longer than answerLimit: such a worker is left to end on its
    // own. Without a deadline, stopLimit from now.
    void stop();
    void stop(std::chrono::steady_clock::time_point deadline);
    // stop() gave up on a worker stuck in OLA's library: it may still be
    // running there while the process ends, so the program ends without
    // running static destructors under it (_exit) once everything is saved.
    bool workerLeftRunning() const { return m_workerLeftRunning; }

    // The output thread, every tick: slots 1..512 of the finished frame.
    // Never waits, allocates nothing; nothing at all while switched off.
    void publish(const AtomicBytes<DmxFrameSize> &DmxOut);

    // Any thread.
    void setEnabled(bool on);
    void setUniverse(std::uint16_t universe);
    bool enabled() const;
    std::uint16_t universe() const;
    OlaStatus status() const;
    // Why the client's module was refused, once the state is Refused; null before or otherwise.
    const ModuleRefusalFacts *refusal() const;

    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
    std::thread m_worker;
    bool m_workerLeftRunning = false;
};

} // namespace korvanel
