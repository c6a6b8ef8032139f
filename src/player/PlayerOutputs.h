#pragma once
// Where the player's frames go: the USB link, a universe of the OLA daemon,
// or both, as --output says. The choice of outputs lives here alone. An
// output not asked for is not opened at all: no device search, no worker.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "core/AtomicBytes.h"
#include "core/ShowLayout.h"
#include "player/PlayerOptions.h"

namespace korvanel {

class FtdiApi;
class OlaOutput;
struct OlaStatus;
class PlayerLog;
class UsbLink;

class PlayerOutputs {
public:
    static constexpr bool olaBuilt() { return KORVANEL_PLAYER_OLA != 0; }

    PlayerOutputs(const PlayerOptions &options, PlayerLog &log);
    ~PlayerOutputs();
    PlayerOutputs(const PlayerOutputs &) = delete;
    PlayerOutputs &operator=(const PlayerOutputs &) = delete;

    // Main thread, before the output thread starts; false, logged, when an output asked for cannot be had.
    bool open();
    // Output thread, every tick. Allocates nothing, never waits.
    void tick(const AtomicBytes<DmxFrameSize> &frame);
    // Main thread, about once a second: a log line for each change of an output.
    void logEvents();
    // Main thread: the outputs' state in a few words, for the service's status.
    std::string serviceStatus() const;
    // Main thread, after the output thread has stopped: one more frame, then close.
    void sendFinalFrame(const AtomicBytes<DmxFrameSize> &frame);
    // The OLA worker sends the last frame it was given and ends, by `deadline`
    // at the latest (it is left to end on its own after that).
    void close(std::chrono::steady_clock::time_point deadline);
    void close();
    // close() left the OLA worker stuck in OLA's library (see OlaOutput::workerLeftRunning).
    bool olaWorkerLeftRunning() const { return m_olaLeftRunning; }

private:
    bool openOla();
    void logOlaEvents();
    void logOlaStalls(const OlaStatus &status);

    const OutputChoice m_choice;
    const std::uint16_t m_universe;
    PlayerLog &m_log;
    std::unique_ptr<OlaOutput> m_ola;
    bool m_olaLeftRunning = false;
    std::uint32_t m_olaConnects = 0;
    std::uint32_t m_olaLosses = 0;
    bool m_olaToldNoDaemon = false;
    bool m_olaToldNotAnswering = false;
    std::uint32_t m_olaStalls = 0;
    std::uint32_t m_olaRecoveries = 0;
    bool m_olaToldRefused = false;
    std::uint8_t m_olaPorts = 0; // OlaPorts last logged
    std::unique_ptr<FtdiApi> m_usbLibrary;
    std::unique_ptr<UsbLink> m_usb;
    bool m_wasOpen = false;
    bool m_toldNoDevice = false;
    std::uint32_t m_toldRefused = 0; // the open refusal last told (ft::AccessDenied, ...), 0 for none
    std::uint32_t m_seenOpens = 0;
    std::uint32_t m_seenWriteFaults = 0;
    std::uint32_t m_loggedWriteFaults = 0; // the report's count at the last line about a write fault
    std::string m_toldWriteFault;          // its wording, while the faults go on
    int m_looksWithoutFault = 0;
    std::uint32_t m_faultReopens = 0;
};

} // namespace korvanel
