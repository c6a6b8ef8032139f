#include "output/UsbLink.h"

#include <algorithm>
#include <cstring>

namespace korvanel {

std::string_view usbCallName(UsbCall call)
{
    switch (call) {
    case UsbCall::None:
        return {};
    case UsbCall::DeviceCount:
        return "GetFTDeviceCount";
    case UsbCall::SerialNumber:
        return "GetFTDeviceSerialNo";
    case UsbCall::Description:
        return "GetFTDeviceDescription";
    case UsbCall::Open:
        return "FT_Open";
    case UsbCall::Close:
        return "FT_Close";
    case UsbCall::ResetDevice:
        return "FT_ResetDevice";
    case UsbCall::SetTimeouts:
        return "FT_SetTimeouts";
    case UsbCall::QueueStatus:
        return "FT_GetQueueStatus";
    case UsbCall::Write:
        return "FT_Write";
    }
    return {};
}

UsbLink::UsbLink(FtdiApi &api, std::chrono::milliseconds pollingInterval)
    : m_api(api), m_pollingInterval(pollingInterval)
{
}

void UsbLink::ReportStatus(UsbCall call, FtStatus status)
{
    if (ft::refusedByTheSystem(status))
        OpenRefused.store(status, std::memory_order_relaxed);
    if (status == ft::Ok || load(ReportEnabled) == 0)
        return;
    recordStatus(call, status);
}

void UsbLink::recordStatus(UsbCall call, FtStatus status)
{
    store(LinkOk, 0);
    m_report.failedCall = call;
    m_report.failedStatus = status;
    m_reportChanged = true;
}

FtStatus UsbLink::GetFTDeviceCount()
{
    // A failed count lists nothing rather than a stale number.
    const FtStatus status = m_api.listDeviceCount(m_deviceCount);
    if (status != ft::Ok) {
        m_deviceCount = 0;
        ReportStatus(UsbCall::DeviceCount, status);
    }
    return status;
}

FtStatus UsbLink::listString(UsbCall call, std::uint32_t index, bool serial)
{
    m_deviceStringBuffer.fill(0);
    const std::span<char> buffer(m_deviceStringBuffer);
    const FtStatus status = serial ? m_api.listSerialNumber(index, buffer) : m_api.listDescription(index, buffer);
    if (status != ft::Ok) {
        // An earlier device's text must not pass for this one's.
        m_deviceString.clear();
        ReportStatus(call, status);
        return status;
    }
    m_deviceStringBuffer[DeviceStringLimit] = 0;
    m_deviceString.assign({m_deviceStringBuffer.data(), std::strlen(m_deviceStringBuffer.data())});
    return status;
}

FtStatus UsbLink::GetFTDeviceSerialNo(std::uint32_t index) { return listString(UsbCall::SerialNumber, index, true); }

FtStatus UsbLink::GetFTDeviceDescription(std::uint32_t index) { return listString(UsbCall::Description, index, false); }

FtStatus UsbLink::Open()
{
    m_ftHandle = nullptr;
    const FtStatus status = m_api.open(m_deviceIndex, m_ftHandle);
    ReportStatus(UsbCall::Open, status);
    return status;
}

FtStatus UsbLink::Close()
{
    const FtStatus status = m_api.close(m_ftHandle);
    m_ftHandle = nullptr;
    ReportStatus(UsbCall::Close, status);
    return status;
}

FtStatus UsbLink::ResetDevice()
{
    const FtStatus status = m_api.resetDevice(m_ftHandle);
    ReportStatus(UsbCall::ResetDevice, status);
    return status;
}

FtStatus UsbLink::SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs)
{
    const FtStatus status = m_api.setTimeouts(m_ftHandle, readMs, writeMs);
    ReportStatus(UsbCall::SetTimeouts, status);
    return status;
}

FtStatus UsbLink::GetQueueStatus()
{
    const FtStatus status = m_api.getQueueStatus(m_ftHandle, m_rxQueueBytes);
    ReportStatus(UsbCall::QueueStatus, status);
    return status;
}

std::uint32_t UsbLink::Write(std::uint32_t count)
{
    std::uint32_t written = 0;
    m_writeStatus = m_api.write(m_ftHandle, m_txBuffer.data(), count, written);
    ReportStatus(UsbCall::Write, m_writeStatus);
    // A frame cut short leaves the interface mid-frame: as bad as a failed write.
    if (m_writeStatus != ft::Ok || written < count) {
        store(LinkOk, 0);
        m_writeFailed = true;
        m_failedWrite = {m_writeStatus, written, count};
    }
    return written;
}

void UsbLink::InitUsbDevise()
{
    store(LinkOk, 0);
    store(ReportEnabled, 1);
    store(DeviceOpen, 0);
    store(WriteFault, 0);
    m_writeFailed = false;
    m_pollingEnabled = true;
    m_nextPoll = Clock::now() + m_pollingInterval;
    GetListAllDevise();
    publishReport();
}

void UsbLink::GetListAllDevise()
{
    GetFTDeviceCount();
    const std::uint32_t listed = std::min(m_deviceCount, MaxListedDevices);
    for (std::uint32_t i = 0; i < listed; ++i) {
        GetFTDeviceSerialNo(i);
        m_report.serial = m_deviceString;
        GetFTDeviceDescription(i);
        m_report.description = m_deviceString;
        store(DeviceListChanged, 0);
    }
    m_report.listed = true;
    m_report.deviceCount = m_deviceCount;
    if (listed == 0) {
        m_report.serial.clear();
        m_report.description.clear();
        store(LinkOk, 0);
        OpenRefused.store(ft::Ok, std::memory_order_relaxed);
    }
    m_reportChanged = true;
}

void UsbLink::TimerPollingTimer()
{
    store(ReportEnabled, 0);
    if (load(DeviceListChanged) != 0)
        GetListAllDevise();
    if (load(DeviceOpen) == 0) {
        openDevice();
    } else if (GetQueueStatus() != ft::Ok) {
        // Taken as unplugged, a failed write on the way included: the next poll enumerates and reopens.
        store(LinkOk, 0);
        store(DeviceOpen, 0);
        store(DeviceListChanged, 1);
        m_writeFailed = false;
        // The handle is never used again; closing it frees what the library holds for it.
        Close();
    } else if (m_writeFailed) {
        // The device answers, so the failed write was a passing fault: start afresh.
        m_writeFailed = false;
        m_report.writeFault = m_failedWrite;
        ++m_report.writeFaults;
        m_reportChanged = true;
        store(WriteFault, 1);
        WriteFaults.fetch_add(1, std::memory_order_relaxed);
        store(LinkOk, 0);
        store(DeviceOpen, 0);
        // The handle is given back whatever the library answers; should it
        // still hold the device, the open fails and the next polls retry it.
        Close();
        openDevice();
    }
    publishReport();
}

bool UsbLink::openDevice()
{
    if (Open() != ft::Ok)
        return false;
    // Without its timeouts a write could hold the output thread for good; a
    // device that refuses the reset or the timeouts is closed and tried again
    // at the next poll, and the refusal is shown while the link is closed.
    UsbCall call = UsbCall::ResetDevice;
    FtStatus status = ResetDevice();
    if (status == ft::Ok) {
        call = UsbCall::SetTimeouts;
        status = SetTimeouts(ReadTimeoutMs, WriteTimeoutMs);
    }
    if (status != ft::Ok) {
        recordStatus(call, status);
        Close();
        return false;
    }
    store(DeviceOpen, 1);
    store(LinkOk, 1);
    store(WriteFault, 0);
    OpenRefused.store(ft::Ok, std::memory_order_relaxed);
    Opens.fetch_add(1, std::memory_order_relaxed);
    return true;
}

void UsbLink::SendToUsb(const AtomicBytes<DmxFrameSize> &DmxOut)
{
    if (load(DeviceOpen) == 0 || load(NoUsbConnect) != 0 || load(LinkOk) != 1)
        return;
    m_txLength = static_cast<std::uint32_t>(encodeWireFrame(DmxOut, m_txBuffer));
    store(ReportEnabled, 1);
    Write(m_txLength);
    publishReport();
}

void UsbLink::CloseUsbDevise()
{
    store(LinkOk, 0);
    store(WriteFault, 0);
    m_writeFailed = false;
    m_pollingEnabled = false;
    if (load(DeviceOpen) != 0) {
        Close();
        store(DeviceOpen, 0);
    }
    publishReport();
}

void UsbLink::outputTick(const AtomicBytes<DmxFrameSize> &DmxOut, Clock::time_point now)
{
    SendToUsb(DmxOut);
    if (m_pollingEnabled && now >= m_nextPoll) {
        m_nextPoll = now + m_pollingInterval;
        TimerPollingTimer();
    }
    publishReport();
}

void UsbLink::publishReport()
{
    if (!m_reportChanged)
        return;
    // The window may be reading; then the report goes out after a later tick.
    std::unique_lock lock(m_mailboxLock, std::try_to_lock);
    if (!lock.owns_lock())
        return;
    m_mailbox = m_report;
    m_reportChanged = false;
}

UsbLinkReport UsbLink::publishedReport() const
{
    std::lock_guard lock(m_mailboxLock);
    return m_mailbox;
}

LinkState UsbLink::state() const
{
    if (load(DeviceOpen) == 0)
        return LinkState::Closed;
    return load(LinkOk) == 1 ? LinkState::Sending : LinkState::Stalled;
}

} // namespace korvanel
