#include "player/PlayerOutputs.h"

#include <algorithm>
#include <string>

#include "output/FtdiBackends.h"
#include "output/OlaClientApi.h"
#include "output/OlaOutput.h"
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

PlayerOutputs::PlayerOutputs(const PlayerOptions &options, PlayerLog &log)
    : m_choice(options.output), m_universe(options.universe.value_or(OlaOutput::DefaultUniverse)), m_log(log)
{
}

PlayerOutputs::~PlayerOutputs() { close(); }

bool PlayerOutputs::open()
{
    if (m_choice != OutputChoice::Usb && !openOla())
        return false;
    if (m_choice == OutputChoice::Ola)
        return true;
    FtdiBackendChoice backend = chooseFtdiBackend(executableFolder());
    m_usbLibrary = std::move(backend.api);
    m_usb = std::make_unique<UsbLink>(*m_usbLibrary);
    m_log.info("библиотека USB: " + backend.name);
    if (!backend.notes.empty())
        m_log.warning(backend.notes);
    m_usb->InitUsbDevise();
    // A device that is there gets the first frame, not one a second later: the output thread is not running yet.
    m_usb->TimerPollingTimer();
    return true;
}

bool PlayerOutputs::openOla()
{
    std::unique_ptr<OlaClientApi> client;
#if KORVANEL_PLAYER_OLA
    // OLA's client is a module beside the program or in its lib/korvanel folder.
    client = makeOlaClient(OlaDefaultPort);
    if (!client) {
        m_log.error("вывод OLA не загружен: нет модуля korvanel-ola.so ни рядом с программой, ни в "
                    "../lib/korvanel");
        return false;
    }
#endif
    m_ola = std::make_unique<OlaOutput>(std::move(client));
    m_ola->setUniverse(m_universe);
    m_ola->setEnabled(true);
    m_ola->start();
    m_log.info("вывод OLA: вселенная " + std::to_string(m_universe) +
               ", демон на 127.0.0.1:" + std::to_string(OlaDefaultPort));
    return true;
}

void PlayerOutputs::tick(const AtomicBytes<DmxFrameSize> &frame)
{
    // As in the window: the OLA output only takes the frame over, before the USB write that may take long.
    if (m_ola)
        m_ola->publish(frame);
    if (m_usb)
        m_usb->outputTick(frame);
}

void PlayerOutputs::logEvents()
{
    if (m_ola)
        logOlaEvents();
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

void PlayerOutputs::logOlaEvents()
{
    const OlaStatus status = m_ola->status();
    const std::string universe = std::to_string(status.universe);
    // A loss and the reconnect after it may both fall between two looks: each gets its line, in order.
    if (status.losses != m_olaLosses) {
        m_log.error("вывод OLA: связь с демоном потеряна, повтор раз в секунду");
        m_olaLosses = status.losses;
    }
    if (status.connects != m_olaConnects) {
        m_log.info(m_olaConnects == 0 ? "вывод OLA: демон найден, кадры идут во вселенную " + universe
                                      : "вывод OLA: связь с демоном восстановлена");
        m_olaConnects = status.connects;
        m_olaToldNoDaemon = false;
    } else if (status.state == OlaState::NoDaemon && status.connects == 0 && !m_olaToldNoDaemon) {
        m_log.warning("вывод OLA: демон не отвечает на 127.0.0.1:" + std::to_string(OlaDefaultPort) +
                      ", повтор раз в секунду");
        m_olaToldNoDaemon = true;
    }
    const bool notAnswering = status.state == OlaState::NotAnswering;
    if (notAnswering && !m_olaToldNotAnswering)
        m_log.warning("вывод OLA: демон принял соединение, но не отвечает на запросы");
    m_olaToldNotAnswering = notAnswering;
    // A universe with no output port takes the frames and sends them nowhere: worth a line, once a change.
    if (status.ports != OlaPorts::Unknown && status.portsUniverse == status.universe &&
        static_cast<std::uint8_t>(status.ports) != m_olaPorts) {
        if (status.ports == OlaPorts::None)
            m_log.warning("вывод OLA: у вселенной " + universe + " нет выходного порта, кадры никуда не выводятся");
        else
            m_log.info("вывод OLA: вселенная " + universe + " выводится через " + status.portNames);
        m_olaPorts = static_cast<std::uint8_t>(status.ports);
    }
}

void PlayerOutputs::sendFinalFrame(const AtomicBytes<DmxFrameSize> &frame)
{
    if (m_ola)
        m_ola->publish(frame);
    if (m_usb)
        m_usb->SendToUsb(frame);
}

void PlayerOutputs::close()
{
    if (m_ola) {
        m_ola->stop();
        m_olaLeftRunning = m_ola->workerLeftRunning();
        m_ola.reset();
        m_log.info("вывод OLA закрыт");
    }
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
