#include "player/PlayerOutputs.h"

#include <algorithm>
#include <string>

#include "output/FtdiBackends.h"
#include "output/UsbLink.h"
#include "player/PlayerLog.h"

namespace korvanel {

namespace {

std::string deviceName(const UsbLinkTexts &texts)
{
    std::string name(texts.UsbDescriptionText.view());
    if (!texts.UsbSerialText.empty())
        name += name.empty() ? std::string(texts.UsbSerialText.view()) : ", " + std::string(texts.UsbSerialText.view());
    return name.empty() ? std::string("без описания") : name;
}

} // namespace

PlayerOutputs::PlayerOutputs(const PlayerOptions &, PlayerLog &log) : m_log(log) {}

PlayerOutputs::~PlayerOutputs() { close(); }

void PlayerOutputs::open()
{
    FtdiBackendChoice backend = chooseFtdiBackend(executableFolder());
    m_usbLibrary = std::move(backend.api);
    m_usb = std::make_unique<UsbLink>(*m_usbLibrary);
    m_log.info("библиотека USB: " + backend.name);
    if (!backend.notes.empty())
        m_log.warning(backend.notes);
    m_usb->InitUsbDevise();
    // A device that is there gets the first frame, not one a second later: the output thread is not running yet.
    m_usb->TimerPollingTimer();
}

void PlayerOutputs::tick(const AtomicBytes<DmxFrameSize> &frame) { m_usb->outputTick(frame); }

void PlayerOutputs::logEvents()
{
    if (!m_usb)
        return;
    UsbLink &usb = *m_usb;
    const std::uint32_t faults = usb.WriteFaults.load(std::memory_order_relaxed);
    const std::uint32_t opens = usb.Opens.load(std::memory_order_relaxed);
    const bool open = load(usb.DeviceOpen) != 0;
    const std::uint32_t newFaults = faults - m_seenWriteFaults;
    const std::uint32_t newOpens = opens - m_seenOpens;
    // A write fault reopens the device by itself, maybe after this look: that open is no replug.
    m_faultReopens += newFaults;
    const std::uint32_t ownReopens = std::min(newOpens, m_faultReopens);
    m_faultReopens -= ownReopens;
    const std::uint32_t replugs = newOpens - ownReopens;
    const UsbLinkTexts texts = usb.publishedTexts();

    if (newFaults > 0)
        m_log.error("ошибка записи в интерфейс" + std::string(texts.UsbWriteFaultText.view()) +
                    "; интерфейс открывается заново");
    if (m_wasOpen && (!open || replugs > 0)) {
        const std::string why(texts.UsbStatusText.view());
        m_log.error("интерфейс потерян" + (why.empty() ? std::string() : ": " + why));
        m_toldNoDevice = true;
        m_faultReopens = 0;
    }
    if (open && (replugs > 0 || (!m_wasOpen && newOpens > 0))) {
        m_log.info("интерфейс найден: " + deviceName(texts));
        m_toldNoDevice = false;
    } else if (!open && !m_toldNoDevice) {
        m_log.warning("интерфейс не найден, поиск раз в секунду");
        m_toldNoDevice = true;
    }
    // The link lists the devices again only after an unplug; one found later must be named in the log too.
    if (!open)
        store(usb.DeviceListChanged, 1);
    m_wasOpen = open;
    m_seenOpens = opens;
    m_seenWriteFaults = faults;
}

void PlayerOutputs::sendFinalFrame(const AtomicBytes<DmxFrameSize> &frame)
{
    if (m_usb)
        m_usb->SendToUsb(frame);
}

void PlayerOutputs::close()
{
    if (!m_usb)
        return;
    const bool wasOpen = load(m_usb->DeviceOpen) != 0;
    m_usb->CloseUsbDevise();
    if (wasOpen)
        m_log.info("интерфейс закрыт");
    m_usb.reset();
    m_usbLibrary.reset();
}

} // namespace korvanel
