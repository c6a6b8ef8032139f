#include "ui/pages/options/OlaGroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/options/OptionsTab.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/texts/ModuleRefusalWords.h"

namespace korvanel {

OlaGroup::OlaGroup(WindowServices &window, const OptionsTab &options, OlaOutput &output)
    : QObject(nullptr), m_window(window), m_output(output)
{
    m_switch = options.checkBoxOla();
    m_universe = options.spinEditOlaUniverse();
    m_status = options.labelOlaStatus();

    m_timer.setObjectName(QStringLiteral("TimerOlaStatus"));
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &OlaGroup::ShowOlaStatus);
    connect(m_switch, &QCheckBox::toggled, this, &OlaGroup::CheckBoxOlaClick);
    connect(m_universe, &QSpinBox::valueChanged, this, &OlaGroup::SpinEditOlaUniverseChange);
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, [this] { showStatusText(); });

    m_output.setUniverse(static_cast<std::uint16_t>(m_universe->value()));
    if (!m_output.available()) {
        m_switch->setEnabled(false);
        m_universe->setEnabled(false);
    }
    CheckBoxOlaClick(m_switch->isChecked());
}

void OlaGroup::applySettings(const OlaIni &settings)
{
    m_read = settings;
    m_universe->setValue(settings.Universe);
    m_switch->setChecked(settings.Enabled && m_output.available());
}

OlaIni OlaGroup::settings() const
{
    // A program built without OLA keeps the file's switch as it found it.
    if (!m_output.available())
        return m_read;
    OlaIni ini;
    ini.Enabled = m_switch->isChecked();
    ini.Universe = static_cast<std::uint16_t>(m_universe->value());
    return ini;
}

void OlaGroup::CheckBoxOlaClick(bool checked)
{
    m_output.setEnabled(checked);
    // The status line starts afresh: a daemon missing now is news again.
    m_away = false;
    const OlaStatus status = m_output.status();
    m_lossesSeen = status.losses;
    m_connectsSeen = status.connects;
    // Switched off, the label is looked at until the output has closed: the
    // last frame and the hold after it still take a moment.
    m_timer.start();
    ShowOlaStatus();
}

void OlaGroup::SpinEditOlaUniverseChange(int universe)
{
    m_output.setUniverse(static_cast<std::uint16_t>(universe));
    ShowOlaStatus();
}

QString OlaGroup::statusText(const OlaStatus &status)
{
    const QString frames = tr("\nОтправлено кадров: %1").arg(status.framesSent);
    switch (status.state) {
    case OlaState::Unavailable:
        return tr("Программа собрана без библиотеки OLA (libola): вывод в OLA недоступен");
    case OlaState::Refused:
        return tr("Модуль korvanel-ola.so не загружается или он от другой версии программы: вывод в OLA "
                  "недоступен, переустановите программу");
    case OlaState::Off:
        return tr("Вывод в OLA выключен");
    case OlaState::Connecting:
        return tr("Подключение к демону OLA (olad, 127.0.0.1:9010)...");
    case OlaState::NoDaemon:
        return tr("Демон OLA не запущен: нет olad на 127.0.0.1:9010. Повтор подключения раз в секунду") + frames;
    case OlaState::NotAnswering:
        return tr("Демон OLA не отвечает (остановлен или перегружен)") + frames;
    case OlaState::Connected:
        break;
    }
    const QString universe = QString::number(status.universe);
    if (status.portsUniverse != status.universe || status.ports == OlaPorts::Unknown)
        return tr("Подключено к olad, вселенная %1: проверка выходных портов...").arg(universe) + frames;
    if (status.ports == OlaPorts::None)
        return tr("У вселенной %1 нет выходного порта в olad: кадры никуда не уходят. Назначьте ей порт командой "
                  "ola_patch --device N --port N --universe %1 или на веб-странице OLA (http://localhost:9090)")
                   .arg(universe) +
            frames;
    return tr("Подключено к olad, вселенная %1 → %2")
               .arg(universe,
                    QString::fromUtf8(status.portNames.data(), static_cast<qsizetype>(status.portNames.size()))) +
        frames;
}

void OlaGroup::ShowOlaStatus()
{
    const OlaStatus status = showStatusText();
    if (m_switch->isChecked())
        reportOnStatusLine(status);
    else if (status.state == OlaState::Off || status.state == OlaState::Unavailable)
        m_timer.stop();
}

OlaStatus OlaGroup::showStatusText()
{
    const OlaStatus status = m_output.status();
    QString text = statusText(status);
    if (const ModuleRefusalFacts *refused = m_output.refusal())
        text += QLatin1Char('\n') + moduleRefusalWords(*refused);
    m_status->setText(text);
    return status;
}

void OlaGroup::reportOnStatusLine(const OlaStatus &status)
{
    // Each connection ends in at most one loss, so the daemon is there while the
    // connections outnumber the losses; a loss and a return between two looks
    // are both said, in the order they came.
    const QString lost = tr(" OLA: связь с демоном olad потеряна ");
    const QString back = tr(" OLA: связь с демоном olad восстановлена ");
    const bool wasUp = m_connectsSeen > m_lossesSeen;
    const bool isUp = status.connects > status.losses;
    bool saidLost = false;
    if (wasUp && status.losses != m_lossesSeen) {
        m_window.OutStatus(lost);
        saidLost = true;
        if (isUp)
            m_window.OutStatus(back);
    } else if (!wasUp && status.connects != m_connectsSeen) {
        if (m_away)
            m_window.OutStatus(back);
        if (!isUp) {
            m_window.OutStatus(lost);
            saidLost = true;
        }
    }
    bool saidMissing = false;
    if (!isUp && !m_away && !saidLost && status.state == OlaState::NoDaemon) {
        m_window.OutStatus(tr(" OLA: демон olad не запущен "));
        saidMissing = true;
    }
    m_away = !isUp && (m_away || saidLost || saidMissing);
    m_lossesSeen = status.losses;
    m_connectsSeen = status.connects;
}

} // namespace korvanel
