#include "ui/mainwindow/UsbLinkPanel.h"

#include "ui/rightcolumn/SequencerControl.h"

#include <QCheckBox>
#include <QLabel>

#include "output/UsbLink.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/options/OptionsTab.h"
#include "ui/texts/InterfaceTexts.h"

namespace korvanel {

namespace {

template <std::size_t N>
QString qt(const FixedText<N> &text)
{
    return QString::fromUtf8(text.view().data(), static_cast<qsizetype>(text.view().size()));
}

QString qt(const std::string &text) { return QString::fromStdString(text); }

} // namespace

UsbLinkPanel::UsbLinkPanel(WindowServices &window, SequencerControl &sequencer, const OptionsTab &options,
                           QLabel &statusPanel, UsbLink &link, const QString &library,
                           const std::vector<D2xxLibrary::Refusal> &refused)
    : QObject(nullptr), m_window(window), m_sequencer(sequencer), m_options(options), m_statusPanel(statusPanel),
      m_link(link), m_library(library), m_refused(refused)
{
    m_demo = options.checkBoxNoUSBconnect();
    m_link.setDemoMode(m_demo->isChecked());
    connect(m_demo, &QCheckBox::toggled, this, [this](bool on) { m_link.setDemoMode(on); });
    showLibrary();

    m_writeFaultLabel = options.labelUsbWriteFault();
    m_accessLabel = options.labelUsbAccess();

    sequencer.linkStatusRefresh = [this] { ShowLinkStatus(); };
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, [this] {
        showLibrary();
        showEnumerationTexts();
        ShowLinkStatus();
    });
}

void UsbLinkPanel::showLibrary()
{
    QString text = tr("Библиотека USB: %1").arg(m_library);
    if (!m_refused.empty())
        text += QLatin1Char('\n') + refusalsText(m_refused).trimmed();
    m_options.labelUsbLibrary()->setText(text);
}

QTimer &UsbLinkPanel::TimerShouClock() { return m_sequencer.TimerShouClock(); }

void UsbLinkPanel::showEnumerationTexts()
{
    const UsbLinkReport report = m_link.publishedReport();
    m_options.labelKolvoUSB()->setText(deviceCountText(report));
    m_options.labelTipFtdi()->setText(descriptionText(report));
    m_options.labelUSBnomber()->setText(serialText(report));
}

QString UsbLinkPanel::UsbStatusText() const
{
    const QString refused = openRefusedText(m_link.OpenRefused.load(std::memory_order_relaxed));
    return refused.isEmpty() ? statusText(m_link.publishedReport()) : refused;
}

QString UsbLinkPanel::deviceCountText(const UsbLinkReport &report)
{
    if (!report.listed)
        return {};
    if (report.deviceCount == 0) {
        // The last letter before the blank is the Latin a, as the program has always shown it.
        return tr("Нет USB устройств"
                  "a ");
    }
    return tr("Устройств на шине USB = %1").arg(report.deviceCount);
}

QString UsbLinkPanel::serialText(const UsbLinkReport &report)
{
    if (!report.listed || report.deviceCount == 0)
        return {};
    return tr("серийный номер = %1").arg(qt(report.serial));
}

QString UsbLinkPanel::descriptionText(const UsbLinkReport &report) { return qt(report.description); }

namespace {

// What a status code means; empty for the codes no word was ever given to.
QString statusPhrase(FtStatus status)
{
    switch (status) {
    case ft::InvalidHandle:
        return UsbLinkPanel::tr("Ошибка Handle...");
    case ft::DeviceNotFound:
        return UsbLinkPanel::tr("Устройство не найдено....");
    case ft::DeviceNotOpened:
        return UsbLinkPanel::tr("Устройство не открывается...");
    case ft::IoError:
        return UsbLinkPanel::tr("Ошибка ввода-вывода...");
    case ft::InsufficientResources:
        return UsbLinkPanel::tr("Не хватает ресурсов...");
    case ft::InvalidParameter:
        return UsbLinkPanel::tr("Неверный параметр ...");
    default:
        return {};
    }
}

} // namespace

QString UsbLinkPanel::statusText(const UsbLinkReport &report)
{
    const QString what = statusPhrase(report.failedStatus);
    if (what.isEmpty() || report.failedCall == UsbCall::None)
        return {};
    if (report.failedCall == UsbCall::Write)
        return tr("Интерфейс отключен от компьютера  - %1").arg(what);
    const std::string_view call = usbCallName(report.failedCall);
    return tr("%1 - %2", "the library call that failed, then what went wrong")
        .arg(QString::fromLatin1(call.data(), static_cast<qsizetype>(call.size())), what);
}

QString UsbLinkPanel::writeFaultPhrase(const UsbWriteFault &fault)
{
    if (fault.status == ft::Ok)
        return tr("записано %1 из %2 байт").arg(fault.written).arg(fault.length);
    const QString known = statusPhrase(fault.status);
    return known.isEmpty() ? tr("код ошибки %1").arg(fault.status) : known;
}

QString UsbLinkPanel::refusalText(const D2xxLibrary::Refusal &refusal)
{
    switch (refusal.reason) {
    case D2xxLibrary::Refusal::Reason::NotLoadable:
        return tr("Библиотека %1 не загружается: %2", "%2: the system loader's own words")
            .arg(qt(refusal.path), qt(refusal.detail));
    case D2xxLibrary::Refusal::Reason::MissingFunction:
        return tr("Библиотека %1 не используется: в ней нет функции %2").arg(qt(refusal.path), qt(refusal.detail));
    }
    return {};
}

QString UsbLinkPanel::refusalsText(const std::vector<D2xxLibrary::Refusal> &refused)
{
    QString text;
    for (const D2xxLibrary::Refusal &refusal : refused)
        text += refusalText(refusal) + QLatin1Char(' ');
    return text;
}

QString UsbLinkPanel::openRefusedText(std::uint32_t refused)
{
    switch (refused) {
    case ft::AccessDenied:
        return tr("Нет прав на доступ к интерфейсу USB: нужно правило udev 60-korvanel-ftdi.rules "
                  "(ставится с программой), затем переподключите интерфейс");
    case ft::DeviceBusy:
        return tr("Интерфейс USB занят другой программой или драйвером: закройте её и переподключите интерфейс");
    case ft::AccessOrBusy:
        return tr("Интерфейс USB не открывается: нет прав на доступ или он занят. Нужно правило udev "
                  "60-korvanel-ftdi.rules (ставится с программой); закройте другие программы и переподключите "
                  "интерфейс");
    default:
        return {};
    }
}

QString UsbLinkPanel::WriteFaultText() { return tr("Ошибка записи в интерфейс — повторное подключение"); }

void UsbLinkPanel::ShowLinkStatus()
{
    const UsbLinkReport report = m_link.publishedReport();
    // A reopen that came and went since the last look is still shown, once.
    const std::uint32_t faults = m_link.WriteFaults.load(std::memory_order_relaxed);
    const bool writeFault = load(m_link.WriteFault) != 0 || faults != m_writeFaultsSeen;
    m_writeFaultsSeen = faults;

    QString panel;
    if (m_demo != nullptr && m_demo->isChecked()) {
        m_window.setCaptionPrefix(QStringLiteral("DEMO mode: "));
        panel = QStringLiteral("    DEMO MODE ");
    } else if (load(m_link.DeviceOpen) != 0) {
        m_window.setCaptionPrefix(QStringLiteral("FILE: "));
        if (writeFault)
            panel = WriteFaultText();
    } else {
        m_window.setCaptionPrefix(QStringLiteral(" DEMO MODE: "));
        const QString refused = openRefusedText(m_link.OpenRefused.load(std::memory_order_relaxed));
        panel = writeFault ? WriteFaultText() : (refused.isEmpty() ? statusText(report) : refused);
    }
    // A message on the line keeps its time unless the link has news; the
    // start-up message already carries what the link first says.
    if (!m_window.statusMessageShowing() || (m_lastPanel && panel != *m_lastPanel))
        m_statusPanel.setText(panel);
    m_lastPanel = panel;

    if (m_accessLabel != nullptr)
        m_accessLabel->setText(openRefusedText(m_link.OpenRefused.load(std::memory_order_relaxed)));

    // The options page keeps the last one after the frames have resumed.
    // The report may reach the mailbox a tick after the count: the fault's facts then follow at the next look.
    if (m_writeFaultLabel != nullptr && faults != 0) {
        if (report.writeFaults != faults)
            m_writeFaultLabel->setText(WriteFaultText());
        else if (writeFault)
            m_writeFaultLabel->setText(
                tr("Ошибка записи в интерфейс — повторное подключение - %1").arg(writeFaultPhrase(report.writeFault)));
        else
            m_writeFaultLabel->setText(tr("Сбоев записи в интерфейс: %1, последний - %2")
                                           .arg(QString::number(faults), writeFaultPhrase(report.writeFault)));
    }
}

} // namespace korvanel
