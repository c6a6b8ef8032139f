#pragma once
// Where the player's frames go. The choice of outputs lives here alone: the
// USB link today; the OLA output joins in this class (open, tick, events,
// close) and in olaBuilt() once it is built.

#include <cstdint>
#include <memory>

#include "core/AtomicBytes.h"
#include "core/ShowLayout.h"
#include "player/PlayerOptions.h"

namespace korvanel {

class FtdiApi;
class PlayerLog;
class UsbLink;

class PlayerOutputs {
public:
    static constexpr bool olaBuilt() { return false; }

    PlayerOutputs(const PlayerOptions &options, PlayerLog &log);
    ~PlayerOutputs();
    PlayerOutputs(const PlayerOutputs &) = delete;
    PlayerOutputs &operator=(const PlayerOutputs &) = delete;

    // Main thread, before the output thread starts.
    void open();
    // Output thread, every tick. Allocates nothing, never waits.
    void tick(const AtomicBytes<DmxFrameSize> &frame);
    // Main thread, about once a second: a log line for each change of an output.
    void logEvents();
    // Main thread, after the output thread has stopped: one more frame, then close.
    void sendFinalFrame(const AtomicBytes<DmxFrameSize> &frame);
    void close();

private:
    PlayerLog &m_log;
    std::unique_ptr<FtdiApi> m_usbLibrary;
    std::unique_ptr<UsbLink> m_usb;
    bool m_wasOpen = false;
    bool m_toldNoDevice = false;
    std::uint32_t m_seenOpens = 0;
    std::uint32_t m_seenWriteFaults = 0;
    std::uint32_t m_faultReopens = 0;
};

} // namespace korvanel
