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
    if (status == ft::Ok || load(ReportEnabled) == 0)
        return;
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
    return written;
}

void UsbLink::InitUsbDevise()
{
    store(LinkOk, 0);
    store(ReportEnabled, 1);
    store(DeviceOpen, 0);
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
        char digits[12];
        const auto end = std::to_chars(digits, digits + sizeof digits, m_deviceCount).ptr;
        m_texts.UsbCountText.assign(CountPrefix);
        m_texts.UsbCountText.append({digits, static_cast<std::size_t>(end - digits)});
    } else {
        m_texts.UsbCountText.assign(NoDevice);
        m_texts.UsbSerialText.clear();
        m_texts.UsbDescriptionText.clear();
        store(LinkOk, 0);
    }
    m_textsChanged = true;
}

void UsbLink::TimerPollingTimer()
{
    store(ReportEnabled, 0);
    if (load(DeviceListChanged) != 0)
        GetListAllDevise();
    if (load(DeviceOpen) == 0) {
        if (Open() == ft::Ok) {
            store(DeviceOpen, 1);
            store(LinkOk, 1);
            ResetDevice();
            SetTimeouts(ReadTimeoutMs, WriteTimeoutMs);
        }
    } else if (GetQueueStatus() != ft::Ok) {
        // Taken as unplugged: the next poll enumerates and reopens.
        store(LinkOk, 0);
        store(DeviceOpen, 0);
        store(DeviceListChanged, 1);
        // The handle is never used again; closing it frees what the library holds for it.
        Close();
    }
    publishTexts();
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
