#include "player/PlayerOutputs.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "output/FtdiBackends.h"
#include "output/OlaClientApi.h"
#include "output/OlaOutput.h"
#include "output/UsbLink.h"
#include "player/PlayerLog.h"

namespace korvanel {

namespace {

// Looks (one a second) without a write fault after which the same fault is news again.
constexpr int QuietLooks = 10;

std::string deviceName(const UsbLinkReport &report, const PlayerWords &words)
{
    std::string name(report.description.view());
    if (report.listed && report.deviceCount > 0) {
        const std::string serial = words(Say::SerialNumber, {report.serial.view()});
        name += name.empty() ? serial : ", " + serial;
    }
    return name.empty() ? words(Say::NoDescription) : name;
}

// What a status code means; none for the codes no word was ever given to.
std::optional<Say> statusPhrase(FtStatus status)
{
    switch (status) {
    case ft::InvalidHandle:
        return Say::StatusInvalidHandle;
    case ft::DeviceNotFound:
        return Say::StatusDeviceNotFound;
    case ft::DeviceNotOpened:
        return Say::StatusDeviceNotOpened;
    case ft::IoError:
        return Say::StatusIoError;
    case ft::InsufficientResources:
        return Say::StatusInsufficientResources;
    case ft::InvalidParameter:
        return Say::StatusInvalidParameter;
    default:
        return std::nullopt;
    }
}

// The failed call and what went wrong; empty when there is no word for it.
std::string statusText(const UsbLinkReport &report, const PlayerWords &words)
{
    const std::optional<Say> phrase = statusPhrase(report.failedStatus);
    if (!phrase || report.failedCall == UsbCall::None)
        return {};
    if (report.failedCall == UsbCall::Write)
        return words(Say::WriteCallFailed, {words(*phrase)});
    return words(Say::CallFailed, {usbCallName(report.failedCall), words(*phrase)});
}

std::string writeFaultPhrase(const UsbWriteFault &fault, const PlayerWords &words)
{
    if (fault.status == ft::Ok)
        return words(Say::BytesWritten, {std::to_string(fault.written), std::to_string(fault.length)});
    const std::optional<Say> phrase = statusPhrase(fault.status);
    return phrase ? words(*phrase) : words(Say::ErrorCode, {std::to_string(fault.status)});
}

// All on one line, each ending in a blank, as the window's status line has them.
std::string refusalsText(const std::vector<D2xxLibrary::Refusal> &refused, const PlayerWords &words)
{
    std::string text;
    for (const D2xxLibrary::Refusal &refusal : refused) {
        const Say id = refusal.reason == D2xxLibrary::Refusal::Reason::MissingFunction ? Say::LibraryMissingFunction
                                                                                       : Say::LibraryNotLoadable;
        text += words(id, {refusal.path, refusal.detail}) + " ";
    }
    return text;
}

} // namespace

PlayerOutputs::PlayerOutputs(const PlayerOptions &options, PlayerLog &log)
    : m_choice(options.output), m_universe(options.universe.value_or(OlaOutput::DefaultUniverse)), m_log(log)
{
}

PlayerOutputs::~PlayerOutputs() { close(); }

std::string PlayerOutputs::serviceStatus() const
{
    const PlayerWords &words = m_log.words();
    std::string text;
    if (m_usb) {
        if (load(m_usb->DeviceOpen) != 0)
            text = words(Say::StatusUsbOpen, {deviceName(m_usb->publishedReport(), words)});
        else if (m_usb->OpenRefused.load(std::memory_order_relaxed) != ft::Ok)
            text = words(Say::StatusUsbRefused);
        else
            text = words(Say::StatusUsbNone);
    }
    if (m_ola) {
        const OlaStatus status = m_ola->status();
        const std::string universe = std::to_string(status.universe);
        std::string ola;
        switch (status.state) {
        case OlaState::Unavailable:
        case OlaState::Refused:
            ola = words(Say::StatusOlaUnavailable);
            break;
        case OlaState::Off:
        case OlaState::Connecting:
            ola = words(Say::StatusOlaConnecting);
            break;
        case OlaState::NoDaemon:
            ola = words(Say::StatusOlaNoDaemon);
            break;
        case OlaState::NotAnswering:
            ola = words(Say::StatusOlaNotAnswering);
            break;
        case OlaState::Connected:
            ola = status.ports == OlaPorts::None && status.portsUniverse == status.universe
                ? words(Say::StatusOlaNoPort, {universe})
                : words(Say::StatusOlaConnected, {universe});
            break;
        }
        text += (text.empty() ? "" : "; ") + ola;
    }
    return text;
}

bool PlayerOutputs::open()
{
    if (m_choice != OutputChoice::Usb && !openOla())
        return false;
    if (m_choice == OutputChoice::Ola)
        return true;
    FtdiBackendChoice backend = chooseFtdiBackend(executableFolder());
    m_usbLibrary = std::move(backend.api);
    m_usb = std::make_unique<UsbLink>(*m_usbLibrary);
    m_log.info(Say::UsbLibrary, {backend.name});
    if (!backend.refused.empty())
        m_log.line(PlayerLog::Level::Warning, refusalsText(backend.refused, m_log.words()));
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
        m_log.error(Say::OlaModuleMissing);
        return false;
    }
#endif
    m_ola = std::make_unique<OlaOutput>(std::move(client));
    m_ola->setUniverse(m_universe);
    m_ola->setEnabled(true);
    m_ola->start();
    m_log.info(Say::OlaOpened, {std::to_string(m_universe), std::to_string(OlaDefaultPort)});
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
    const UsbLinkReport report = usb.publishedReport();

    // Told from the report's own count, so that the fault's facts are its own even when the report lags a tick.
    // A device that fails again after every reopen is told once, not once a second, until it has
    // gone quiet for a while or is lost.
    if (report.writeFaults != m_loggedWriteFaults) {
        const std::string fault = writeFaultPhrase(report.writeFault, m_log.words());
        if (fault != m_toldWriteFault)
            m_log.error(Say::WriteFault, {fault});
        m_toldWriteFault = fault;
        m_loggedWriteFaults = report.writeFaults;
        m_looksWithoutFault = 0;
    } else if (++m_looksWithoutFault >= QuietLooks) {
        m_toldWriteFault.clear();
    }
    if (m_wasOpen && (!open || replugs > 0)) {
        const std::string why = statusText(report, m_log.words());
        if (why.empty())
            m_log.error(Say::InterfaceLost);
        else
            m_log.error(Say::InterfaceLostBecause, {why});
        m_toldNoDevice = true;
        m_faultReopens = 0;
        m_toldWriteFault.clear();
    }
    // A device the system will not let us open is there: "not found" would send the reader the wrong way.
    const FtStatus refused = usb.OpenRefused.load(std::memory_order_relaxed);
    if (open && (replugs > 0 || (!m_wasOpen && newOpens > 0))) {
        m_log.info(Say::InterfaceFound, {deviceName(report, m_log.words())});
        m_toldNoDevice = false;
        m_toldRefused = ft::Ok;
    } else if (!open && refused != ft::Ok && refused != m_toldRefused) {
        m_log.warning(refused == ft::AccessDenied     ? Say::InterfaceForbidden
                          : refused == ft::DeviceBusy ? Say::InterfaceBusy
                                                      : Say::InterfaceForbiddenOrBusy);
        m_toldRefused = refused;
        m_toldNoDevice = true;
    } else if (!open && !m_toldNoDevice) {
        m_log.warning(Say::InterfaceNotFound);
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
    logOlaStalls(status);
    // A loss and the reconnect after it may both fall between two looks: each gets its line, in order.
    if (status.losses != m_olaLosses) {
        m_log.error(Say::OlaLost);
        m_olaLosses = status.losses;
    }
    if (status.connects != m_olaConnects) {
        if (m_olaConnects == 0)
            m_log.info(Say::OlaFound, {universe});
        else
            m_log.info(Say::OlaRestored);
        m_olaConnects = status.connects;
        m_olaToldNoDaemon = false;
    } else if (status.state == OlaState::NoDaemon && status.connects == 0 && !m_olaToldNoDaemon) {
        m_log.warning(Say::OlaNoDaemon, {std::to_string(OlaDefaultPort)});
        m_olaToldNoDaemon = true;
    }
    if (const ModuleRefusalFacts *refused = m_ola->refusal(); refused != nullptr && !m_olaToldRefused) {
        m_olaToldRefused = true;
        switch (refused->reason) {
        case ModuleRefusal::None:
            break;
        case ModuleRefusal::NotLoaded:
        case ModuleRefusal::NoEntry:
            m_log.error(Say::OlaModuleNotLoaded, {refused->path, refused->loaderError});
            break;
        case ModuleRefusal::NoInfo:
        case ModuleRefusal::OtherKind:
            m_log.error(Say::OlaModuleUndescribed, {refused->path});
            break;
        case ModuleRefusal::OtherInterface:
            m_log.error(Say::OlaModuleOtherInterface,
                        {refused->path, std::to_string(refused->found), std::to_string(refused->wanted)});
            break;
        case ModuleRefusal::OtherBuild:
            m_log.error(Say::OlaModuleOtherBuild, {refused->path});
            break;
        }
    }
    // A universe with no output port takes the frames and sends them nowhere: worth a line, once a change.
    if (status.ports != OlaPorts::Unknown && status.portsUniverse == status.universe &&
        static_cast<std::uint8_t>(status.ports) != m_olaPorts) {
        if (status.ports == OlaPorts::None)
            m_log.warning(Say::OlaNoPort, {universe});
        else
            m_log.info(Say::OlaPorts, {universe, status.portNames});
        m_olaPorts = static_cast<std::uint8_t>(status.ports);
    }
}

void PlayerOutputs::logOlaStalls(const OlaStatus &status)
{
    // Stalls and recoveries alternate; several may fall between two looks, and each is told in turn.
    std::uint32_t stalls = status.stalls - m_olaStalls;
    std::uint32_t recoveries = status.recoveries - m_olaRecoveries;
    for (int turn = 0; turn < 4 && (stalls > 0 || recoveries > 0); ++turn) {
        if (!m_olaToldNotAnswering && stalls > 0) {
            m_log.warning(Say::OlaNotAnswering);
            m_olaToldNotAnswering = true;
            --stalls;
        } else if (m_olaToldNotAnswering && recoveries > 0) {
            m_log.info(Say::OlaAnswersAgain, {std::to_string(status.universe)});
            m_olaToldNotAnswering = false;
            --recoveries;
        } else {
            break; // a stall told already while the worker hung in a call, before it could count it
        }
    }
    m_olaStalls = status.stalls;
    m_olaRecoveries = status.recoveries;
    const bool notAnswering = status.state == OlaState::NotAnswering;
    if (notAnswering && !m_olaToldNotAnswering) {
        m_log.warning(Say::OlaNotAnswering);
        m_olaToldNotAnswering = true;
    } else if (m_olaToldNotAnswering && status.state == OlaState::Connected) {
        // A call that hung and returned: the worker counted no stall, but one was told.
        m_log.info(Say::OlaAnswersAgain, {std::to_string(status.universe)});
        m_olaToldNotAnswering = false;
    } else if (!notAnswering) {
        // Lost while not answering: the loss says the rest.
        m_olaToldNotAnswering = false;
    }
}

void PlayerOutputs::sendFinalFrame(const AtomicBytes<DmxFrameSize> &frame)
{
    if (m_ola)
        m_ola->publish(frame);
    if (m_usb)
        m_usb->SendToUsb(frame);
}

void PlayerOutputs::close() { close(std::chrono::steady_clock::now() + OlaTiming{}.stopLimit); }

void PlayerOutputs::close(std::chrono::steady_clock::time_point deadline)
{
    if (m_ola) {
        m_ola->stop(deadline);
        m_olaLeftRunning = m_ola->workerLeftRunning();
        m_ola.reset();
        m_log.info(Say::OlaClosed);
    }
    if (!m_usb)
        return;
    const bool wasOpen = load(m_usb->DeviceOpen) != 0;
    m_usb->CloseUsbDevise();
    if (wasOpen)
        m_log.info(Say::InterfaceClosed);
    m_usb.reset();
    m_usbLibrary.reset();
}

} // namespace korvanel
