#pragma once
// The link to the USB-to-DMX interface: it opens the first device, watches it
// once a second, and writes the wire frame on every output tick.
//
// The library is used by one thread at a time. InitUsbDevise (start-up) and
// CloseUsbDevise (shutdown) run on the UI thread while the output thread is
// not running; in between the output thread alone calls the library: the
// send on every tick, the poll after the send once a second, so a write and
// a poll never overlap. The window reads the flags (relaxed atomics) and the
// report, which reaches it through a mailbox that the output thread fills
// only when it can do so without waiting. The report holds facts, never
// sentences: the window and the player word them in their own language.
//
// A failed write stops the frames until the next poll. If the device still
// answers then, the fault was passing: the poll closes and reopens the
// device and the frames resume. If it does not, it was unplugged, and the
// link goes the usual way through Closed and re-enumeration.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <span>
#include <string_view>

#include "core/AtomicBytes.h"
#include "core/ShowLayout.h"
#include "output/FixedText.h"
#include "output/FtdiApi.h"
#include "output/LinkState.h"
#include "output/WireFrame.h"

namespace korvanel {

// The library calls the link makes; the write is one of them.
enum class UsbCall : std::uint8_t {
    None,
    DeviceCount,
    SerialNumber,
    Description,
    Open,
    Close,
    ResetDevice,
    SetTimeouts,
    QueueStatus,
    Write,
};

// The call's fixed ASCII name, as the status line has always shown it:
// "GetFTDeviceCount" for the link's own wrappers, "FT_Open" for the others.
std::string_view usbCallName(UsbCall call);

// The last write that led to a reopen. An Ok status means the frame was cut short.
struct UsbWriteFault {
    FtStatus status = ft::Ok;
    std::uint32_t written = 0;
    std::uint32_t length = 0;

    friend bool operator==(const UsbWriteFault &, const UsbWriteFault &) = default;
};

// What the link knows, as facts for the window and the player to word in their language.
struct UsbLinkReport {
    static constexpr std::size_t DeviceStringLimit = 49;

    // Set by the first enumeration; before it nothing is known of the devices.
    bool listed = false;
    std::uint32_t deviceCount = 0;
    // Of the last device listed, as the library gives them; empty without a device.
    FixedText<DeviceStringLimit> serial;
    FixedText<DeviceStringLimit> description;
    // The last call that failed while failures were reported (None: none yet).
    // Its status may be one no text is kept for; it is kept all the same.
    UsbCall failedCall = UsbCall::None;
    FtStatus failedStatus = ft::Ok;
    // The write faults the link reopened the device for so far, and the last
    // of them. Counted here too, so that a reader has the count and the
    // fault it goes with from one copy.
    std::uint32_t writeFaults = 0;
    UsbWriteFault writeFault;

    friend bool operator==(const UsbLinkReport &, const UsbLinkReport &) = default;
};

class UsbLink {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds PollingInterval{1000};
    static constexpr std::uint32_t ReadTimeoutMs = 500;
    static constexpr std::uint32_t WriteTimeoutMs = 500;
    // Of a serial number or description only this many characters are kept.
    static constexpr std::size_t DeviceStringLimit = UsbLinkReport::DeviceStringLimit;
    // More devices than a USB bus can carry is a library fault, not a list.
    static constexpr std::uint32_t MaxListedDevices = 127;

    // The interval is shortened only by tests.
    explicit UsbLink(FtdiApi &api, std::chrono::milliseconds pollingInterval = PollingInterval);
    UsbLink(const UsbLink &) = delete;
    UsbLink &operator=(const UsbLink &) = delete;

    // Start-up: enumerate the devices and start polling.
    void InitUsbDevise();
    void GetListAllDevise();
    // Once a second: reopen a closed link, or check that the open device is
    // still there and reopen it after a failed write.
    void TimerPollingTimer();
    // Every tick: the frame goes out while a device is open, the link is
    // healthy and demo mode is off. Allocates nothing.
    void SendToUsb(const AtomicBytes<DmxFrameSize> &DmxOut);
    // Shutdown, after the output thread has stopped.
    void CloseUsbDevise();
    // One output tick: the send, then the poll once the polling interval has passed.
    void outputTick(const AtomicBytes<DmxFrameSize> &DmxOut, Clock::time_point now = Clock::now());

    // The library wrappers: each calls once and reports a failure as its own.
    FtStatus GetFTDeviceCount();
    FtStatus GetFTDeviceSerialNo(std::uint32_t index);
    FtStatus GetFTDeviceDescription(std::uint32_t index);
    FtStatus Open();
    FtStatus Close();
    FtStatus ResetDevice();
    FtStatus SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs);
    FtStatus GetQueueStatus();
    // Returns the number of bytes written; the status is kept in writeStatus().
    // A failed status or a frame cut short stops sending until the next poll.
    std::uint32_t Write(std::uint32_t count);

    void ReportStatus(UsbCall call, FtStatus status);

    // The thread that drives the link reads these directly.
    const UsbLinkReport &report() const { return m_report; }
    std::span<const std::uint8_t> txFrame() const { return {m_txBuffer.data(), m_txLength}; }
    std::uint32_t deviceCount() const { return m_deviceCount; }
    std::string_view deviceString() const { return m_deviceString.view(); }
    FtStatus writeStatus() const { return m_writeStatus; }

    // Any thread.
    UsbLinkReport publishedReport() const;
    LinkState state() const;
    void setDemoMode(bool on) { store(NoUsbConnect, on ? 1 : 0); }

    AtomicByte LinkOk{1};
    AtomicByte ReportEnabled{1};
    AtomicByte DeviceOpen{0};
    AtomicByte DeviceListChanged{0};
    AtomicByte NoUsbConnect{0}; // CheckBoxNoUSBconnect: demo mode
    // 1 from the poll that found the device answering after a failed write
    // until a reopen succeeds (or the device turns out to be unplugged).
    AtomicByte WriteFault{0};
    // Such reopens since start-up, so the window sees one that came and went
    // between two of its looks.
    std::atomic<std::uint32_t> WriteFaults{0};
    // Why the system last refused to open or read the listed device
    // (ft::AccessDenied, DeviceBusy or AccessOrBusy), whether or not reports
    // are on; Ok once a device opens or none is listed.
    std::atomic<FtStatus> OpenRefused{ft::Ok};
    // Successful opens since start-up: a device lost and found again between two looks still counts.
    std::atomic<std::uint32_t> Opens{0};

private:
    FtStatus listString(UsbCall call, std::uint32_t index, bool serial);
    void recordStatus(UsbCall call, FtStatus status);
    bool openDevice();
    void publishReport();

    FtdiApi &m_api;
    FtHandle m_ftHandle = nullptr;
    std::uint32_t m_deviceIndex = 0; // always the first device
    std::uint32_t m_deviceCount = 0;
    FixedText<DeviceStringLimit> m_deviceString;
    // Larger than the longest text (64), so an unterminated one stays inside.
    std::array<char, 128> m_deviceStringBuffer{};
    std::uint32_t m_rxQueueBytes = 0;
    WireBuffer m_txBuffer{};
    std::uint32_t m_txLength = 0;
    FtStatus m_writeStatus = ft::Ok;
    // The last failed write, for the poll after it (output thread only).
    bool m_writeFailed = false;
    UsbWriteFault m_failedWrite;

    std::chrono::milliseconds m_pollingInterval;
    bool m_pollingEnabled = false;
    Clock::time_point m_nextPoll{};

    UsbLinkReport m_report;
    bool m_reportChanged = false;
    mutable std::mutex m_mailboxLock;
    UsbLinkReport m_mailbox;
};

} // namespace korvanel
