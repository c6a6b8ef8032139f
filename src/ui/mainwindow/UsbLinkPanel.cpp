#include "ui/mainwindow/UsbLinkPanel.h"

#include "ui/rightcolumn/SequencerControl.h"

#include <QCheckBox>
#include <QLabel>

#include "output/UsbLink.h"
#include "ui/mainwindow/BaseForm.h"

namespace korvanel {

namespace {
template <std::size_t N>
QString qt(const FixedText<N> &text)
{
    return QString::fromUtf8(text.view().data(), static_cast<qsizetype>(text.view().size()));
}
} // namespace

UsbLinkPanel::UsbLinkPanel(TBaseForm &form, UsbLink &link, const QString &library, const QString &notes)
    : QObject(nullptr), m_form(form), m_link(link)
{
    m_demo = form.control<QCheckBox>("CheckBoxNoUSBconnect");
    if (m_demo != nullptr) {
        m_link.setDemoMode(m_demo->isChecked());
        connect(m_demo, &QCheckBox::toggled, this, [this](bool on) { m_link.setDemoMode(on); });
    }
    if (auto *label = form.control<QLabel>("LabelUsbLibrary")) {
        QString text = tr("Библиотека USB: ") + library;
        if (!notes.isEmpty())
            text += QLatin1Char('\n') + notes.trimmed();
        label->setText(text);
    }

    form.sequencer()->linkStatusRefresh = [this] { ShowLinkStatus(); };
}

QTimer &UsbLinkPanel::TimerShouClock() { return m_form.sequencer()->TimerShouClock(); }

void UsbLinkPanel::showEnumerationTexts()
{
    const UsbLinkTexts texts = m_link.publishedTexts();
    m_form.LabelKolvoUSB->setText(qt(texts.UsbCountText));
    m_form.LabelTipFtdi->setText(qt(texts.UsbDescriptionText));
    m_form.LabelUSBnomber->setText(qt(texts.UsbSerialText));
}

QString UsbLinkPanel::UsbStatusText() const { return qt(m_link.publishedTexts().UsbStatusText); }

void UsbLinkPanel::ShowLinkStatus()
{
    QString panel;
    if (m_demo != nullptr && m_demo->isChecked()) {
        m_form.CaptionPrefix = QStringLiteral("DEMO mode: ");
        panel = QStringLiteral("    DEMO MODE ");
    } else if (load(m_link.DeviceOpen) != 0) {
        m_form.CaptionPrefix = QStringLiteral("FILE: ");
    } else {
        m_form.CaptionPrefix = QStringLiteral(" DEMO MODE: ");
        panel = UsbStatusText();
    }
    m_form.StatusPanel0()->setText(panel);
}

} // namespace korvanel
