#include "ui/mainwindow/UsbLinkPanel.h"

#include "ui/rightcolumn/SequencerControl.h"

#include <QCheckBox>
#include <QLabel>

#include "output/UsbLink.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/options/OptionsTab.h"

namespace korvanel {

namespace {
template <std::size_t N>
QString qt(const FixedText<N> &text)
{
    return QString::fromUtf8(text.view().data(), static_cast<qsizetype>(text.view().size()));
}
} // namespace

UsbLinkPanel::UsbLinkPanel(WindowServices &window, SequencerControl &sequencer, const OptionsTab &options,
                           QLabel &statusPanel, UsbLink &link, const QString &library, const QString &notes)
    : QObject(nullptr), m_window(window), m_sequencer(sequencer), m_options(options), m_statusPanel(statusPanel),
      m_link(link)
{
    m_demo = options.checkBoxNoUSBconnect();
    m_link.setDemoMode(m_demo->isChecked());
    connect(m_demo, &QCheckBox::toggled, this, [this](bool on) { m_link.setDemoMode(on); });
    QString text = tr("Библиотека USB: ") + library;
    if (!notes.isEmpty())
        text += QLatin1Char('\n') + notes.trimmed();
    options.labelUsbLibrary()->setText(text);

    m_writeFaultLabel = options.labelUsbWriteFault();
    m_accessLabel = options.labelUsbAccess();

    sequencer.linkStatusRefresh = [this] { ShowLinkStatus(); };
}

QTimer &UsbLinkPanel::TimerShouClock() { return m_sequencer.TimerShouClock(); }

void UsbLinkPanel::showEnumerationTexts()
{
    const UsbLinkTexts texts = m_link.publishedTexts();
    m_options.labelKolvoUSB()->setText(qt(texts.UsbCountText));
    m_options.labelTipFtdi()->setText(qt(texts.UsbDescriptionText));
    m_options.labelUSBnomber()->setText(qt(texts.UsbSerialText));
}

QString UsbLinkPanel::UsbStatusText() const
{
    const QString refused = openRefusedText(m_link.OpenRefused.load(std::memory_order_relaxed));
    return refused.isEmpty() ? qt(m_link.publishedTexts().UsbStatusText) : refused;
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
    const UsbLinkTexts texts = m_link.publishedTexts();
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
        panel = writeFault ? WriteFaultText() : (refused.isEmpty() ? qt(texts.UsbStatusText) : refused);
    }
    // A message on the line keeps its time unless the link has news; the
    // start-up message already carries what the link first says.
    if (!m_window.statusMessageShowing() || (m_lastPanel && panel != *m_lastPanel))
        m_statusPanel.setText(panel);
    m_lastPanel = panel;

    if (m_accessLabel != nullptr)
        m_accessLabel->setText(openRefusedText(m_link.OpenRefused.load(std::memory_order_relaxed)));

    // The options page keeps the last one after the frames have resumed.
    if (m_writeFaultLabel != nullptr && faults != 0) {
        const QString detail = qt(texts.UsbWriteFaultText);
        m_writeFaultLabel->setText(writeFault ? WriteFaultText() + detail
                                              : tr("Сбоев записи в интерфейс: %1, последний").arg(faults) + detail);
    }
}

} // namespace korvanel
