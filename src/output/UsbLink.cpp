#include "output/UsbLink.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace korvanel {

namespace {

constexpr std::string_view WriteFailedName = "Интерфейс отключен от компьютера ";
constexpr std::string_view SerialPrefix = "серийный номер = ";
constexpr std::string_view CountPrefix = "Устройств на шине USB = ";
// The last letter before the blank is the Latin a.
constexpr std::string_view NoDevice = "Нет USB устройств"
                                      "a ";
constexpr std::string_view CutShortWritten = " - записано ";
constexpr std::string_view CutShortOf = " из ";
constexpr std::string_view CutShortBytes = " байт";
constexpr std::string_view OtherCode = " - код ошибки ";

template <std::size_t N>
void appendNumber(FixedText<N> &text, std::uint32_t value)
{
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append({digits, static_cast<std::size_t>(end - digits)});
}

} // namespace

std::string_view usbStatusText(FtStatus status)
{
    switch (status) {
    case 1:
        return " - Ошибка Handle...";
    case 2:
        return " - Устройство не найдено....";
    case 3:
        return " - Устройство не открывается...";
    case 4:
        return " - Ошибка ввода-вывода...";
    case 5:
        return " - Не хватает ресурсов...";
    case 6:
        return " - Неверный параметр ...";
    default:
        return {};
    }
}

UsbLink::UsbLink(FtdiApi &api, std::chrono::milliseconds pollingInterval)
    : m_api(api), m_pollingInterval(pollingInterval)
{
}

void UsbLink::ReportStatus(std::string_view name, FtStatus status)
{
    if (ft::refusedByTheSystem(status))
        OpenRefused.store(status, std::memory_order_relaxed);
    if (status == ft::Ok || load(ReportEnabled) == 0)
        return;
    recordStatus(name, status);
}

void UsbLink::recordStatus(std::string_view name, FtStatus status)
{
    store(LinkOk, 0);
    const std::string_view text = usbStatusText(status);
    if (text.empty()) {
        m_texts.UsbStatusText.clear();
    } else {
        m_texts.UsbStatusText.assign(name);
        m_texts.UsbStatusText.append(text);
    }
    m_textsChanged = true;
}

FtStatus UsbLink::GetFTDeviceCount()
{
    // A failed count lists nothing rather than a stale number.
    const FtStatus status = m_api.listDeviceCount(m_deviceCount);
    if (status != ft::Ok) {
        m_deviceCount = 0;
        ReportStatus("GetFTDeviceCount", status);
    }
    return status;
}

FtStatus UsbLink::listString(std::string_view name, std::uint32_t index, bool serial)
{
    m_deviceStringBuffer.fill(0);
    const std::span<char> buffer(m_deviceStringBuffer);
    const FtStatus status = serial ? m_api.listSerialNumber(index, buffer) : m_api.listDescription(index, buffer);
    if (status != ft::Ok) {
        // An earlier device's text must not pass for this one's.
        m_deviceString.clear();
        ReportStatus(name, status);
        return status;
    }
    m_deviceStringBuffer[DeviceStringLimit] = 0;
    m_deviceString.assign({m_deviceStringBuffer.data(), std::strlen(m_deviceStringBuffer.data())});
    return status;
}

FtStatus UsbLink::GetFTDeviceSerialNo(std::uint32_t index) { return listString("GetFTDeviceSerialNo", index, true); }

FtStatus UsbLink::GetFTDeviceDescription(std::uint32_t index)
{
    return listString("GetFTDeviceDescription", index, false);
}

FtStatus UsbLink::Open()
{
    m_ftHandle = nullptr;
    const FtStatus status = m_api.open(m_deviceIndex, m_ftHandle);
    ReportStatus("FT_Open", status);
    return status;
}

FtStatus UsbLink::Close()
{
    const FtStatus status = m_api.close(m_ftHandle);
    m_ftHandle = nullptr;
    ReportStatus("FT_Close", status);
    return status;
}

FtStatus UsbLink::ResetDevice()
{
    const FtStatus status = m_api.resetDevice(m_ftHandle);
    ReportStatus("FT_ResetDevice", status);
    return status;
}

FtStatus UsbLink::SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs)
{
    const FtStatus status = m_api.setTimeouts(m_ftHandle, readMs, writeMs);
    ReportStatus("FT_SetTimeouts", status);
    return status;
}

FtStatus UsbLink::GetQueueStatus()
{
    const FtStatus status = m_api.getQueueStatus(m_ftHandle, m_rxQueueBytes);
    ReportStatus("FT_GetQueueStatus", status);
    return status;
}

std::uint32_t UsbLink::Write(std::uint32_t count)
{
    std::uint32_t written = 0;
    m_writeStatus = m_api.write(m_ftHandle, m_txBuffer.data(), count, written);
    ReportStatus(WriteFailedName, m_writeStatus);
    // A frame cut short leaves the interface mid-frame: as bad as a failed write.
    if (m_writeStatus != ft::Ok || written < count) {
        store(LinkOk, 0);
        m_writeFailed = true;
        m_faultStatus = m_writeStatus;
        m_faultWritten = written;
        m_faultLength = count;
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
    publishTexts();
}

void UsbLink::GetListAllDevise()
{
    GetFTDeviceCount();
    const std::uint32_t listed = std::min(m_deviceCount, MaxListedDevices);
    for (std::uint32_t i = 0; i < listed; ++i) {
        GetFTDeviceSerialNo(i);
        m_texts.UsbSerialText.assign(SerialPrefix);
        m_texts.UsbSerialText.append(m_deviceString.view());
        GetFTDeviceDescription(i);
        m_texts.UsbDescriptionText.assign(m_deviceString.view());
        store(DeviceListChanged, 0);
    }
    if (listed > 0) {
        m_texts.UsbCountText.assign(CountPrefix);
        appendNumber(m_texts.UsbCountText, m_deviceCount);
    } else {
        m_texts.UsbCountText.assign(NoDevice);
        m_texts.UsbSerialText.clear();
        m_texts.UsbDescriptionText.clear();
        store(LinkOk, 0);
        OpenRefused.store(ft::Ok, std::memory_order_relaxed);
    }
    m_textsChanged = true;
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
        describeWriteFault();
        store(WriteFault, 1);
        WriteFaults.fetch_add(1, std::memory_order_relaxed);
        store(LinkOk, 0);
        store(DeviceOpen, 0);
        // The handle is given back whatever the library answers; should it
        // still hold the device, the open fails and the next polls retry it.
        Close();
        openDevice();
    }
    publishTexts();
}

bool UsbLink::openDevice()
{
    if (Open() != ft::Ok)
        return false;
    // Without its timeouts a write could hold the output thread for good; a
    // device that refuses the reset or the timeouts is closed and tried again
    // at the next poll, and the refusal is shown while the link is closed.
    std::string_view name = "FT_ResetDevice";
    FtStatus status = ResetDevice();
    if (status == ft::Ok) {
        name = "FT_SetTimeouts";
        status = SetTimeouts(ReadTimeoutMs, WriteTimeoutMs);
    }
    if (status != ft::Ok) {
        recordStatus(name, status);
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

void UsbLink::describeWriteFault()
{
    FixedText<192> &text = m_texts.UsbWriteFaultText;
    const std::string_view known = usbStatusText(m_faultStatus);
    if (m_faultStatus == ft::Ok) {
        text.assign(CutShortWritten);
        appendNumber(text, m_faultWritten);
        text.append(CutShortOf);
        appendNumber(text, m_faultLength);
        text.append(CutShortBytes);
    } else if (!known.empty()) {
        text.assign(known);
    } else {
        text.assign(OtherCode);
        appendNumber(text, m_faultStatus);
    }
    m_textsChanged = true;
}

void UsbLink::SendToUsb(const AtomicBytes<DmxFrameSize> &DmxOut)
{
    if (load(DeviceOpen) == 0 || load(NoUsbConnect) != 0 || load(LinkOk) != 1)
        return;
    m_txLength = static_cast<std::uint32_t>(encodeWireFrame(DmxOut, m_txBuffer));
    store(ReportEnabled, 1);
    Write(m_txLength);
    publishTexts();
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
    publishTexts();
}

void UsbLink::outputTick(const AtomicBytes<DmxFrameSize> &DmxOut, Clock::time_point now)
{
    SendToUsb(DmxOut);
    if (m_pollingEnabled && now >= m_nextPoll) {
        m_nextPoll = now + m_pollingInterval;
        TimerPollingTimer();
    }
    publishTexts();
}

void UsbLink::publishTexts()
{
    if (!m_textsChanged)
        return;
    // The window may be reading; then the texts go out after a later tick.
    std::unique_lock lock(m_mailboxLock, std::try_to_lock);
    if (!lock.owns_lock())
        return;
    m_mailbox = m_texts;
    m_textsChanged = false;
}

UsbLinkTexts UsbLink::publishedTexts() const
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
