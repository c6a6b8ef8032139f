#include "ui/osc/OscGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <cerrno>
#include <cstring>

#include "ui/osc/OscInput.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

OscGroup::OscGroup(OscInput &input, QWidget *parent) : QGroupBox(tr("Управление по OSC"), parent), m_input(input)
{
    setObjectName(QStringLiteral("GroupBoxOsc"));
    m_enabled = makeCheckBox(this, "CheckBoxOsc", tr("Включить"),
                             tr("Команды от планшетов и программ управления шоу по протоколу OSC (UDP)"), false);
    const OscIni defaults;
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("SpinEditOscPort"));
    m_port->setRange(1, 65535);
    m_port->setValue(defaults.Port);
    // A port is taken when it is finished, not at each digit typed.
    m_port->setKeyboardTracking(false);

    auto *bind = new QGroupBox(tr("Доступ"), this);
    bind->setObjectName(QStringLiteral("RadioGroupOscBind"));
    m_bind = new QButtonGroup(bind);
    auto *bindLayout = new QGridLayout(bind);
    bindLayout->setContentsMargins(4, 2, 4, 2);
    const QString captions[] = {tr("Только этот компьютер"), tr("Локальная сеть")};
    for (int i = 0; i < 2; ++i) {
        auto *item = new QRadioButton(captions[i], bind);
        m_bind->addButton(item, i);
        bindLayout->addWidget(item, 0, i);
    }
    m_bind->button(0)->setChecked(true);
    // Under the network choice, wrapped: the options page grows no wider for it.
    auto *warning = makeLabel(bind, "LabelOscNoPassword", tr("У OSC нет пароля: любой в сети сможет управлять светом"));
    warning->setWordWrap(true);
    bindLayout->addWidget(warning, 1, 1, 1, 2);
    bindLayout->setColumnStretch(2, 1);

    m_status = makeLabel(this, "LabelOscStatus", {});
    // Shows what came from the network: never as markup.
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(m_enabled, 0, 0);
    auto *portRow = new QHBoxLayout;
    portRow->addWidget(new QLabel(tr("Порт UDP"), this));
    portRow->addWidget(m_port);
    portRow->addStretch();
    grid->addLayout(portRow, 0, 1);
    grid->addWidget(bind, 1, 0, 1, 2);
    grid->addWidget(m_status, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    m_statusTimer.setSingleShot(true);
    m_statusTimer.setInterval(StatusMs);
    markOutputNeutral(m_statusTimer);
    connect(&m_statusTimer, &QTimer::timeout, this, &OscGroup::showStatus);
    connect(&m_input, &OscInput::activity, this, [this] {
        if (!m_statusTimer.isActive())
            m_statusTimer.start();
    });
    connect(m_enabled, &QCheckBox::toggled, this, &OscGroup::CheckBoxOscClick);
    connect(m_port, &QSpinBox::valueChanged, this, [this] {
        if (m_enabled->isChecked())
            restart();
    });
    connect(m_bind, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked && m_enabled->isChecked())
            restart();
    });
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, &OscGroup::showStatus);
    showStatus();
}

void OscGroup::applySettings(const OscIni &settings)
{
    {
        const QSignalBlocker quietPort(m_port);
        const QSignalBlocker quietBind(m_bind);
        m_port->setValue(settings.Port);
        m_bind->button(settings.Network ? 1 : 0)->setChecked(true);
    }
    if (m_enabled->isChecked() == settings.Enabled)
        restart();
    else
        m_enabled->setChecked(settings.Enabled);
}

OscIni OscGroup::settings() const
{
    return {m_enabled->isChecked(), static_cast<std::uint16_t>(m_port->value()), m_bind->checkedId() == 1};
}

void OscGroup::CheckBoxOscClick(bool) { restart(); }

void OscGroup::restart()
{
    m_input.stop();
    m_failure = 0;
    if (m_enabled->isChecked()) {
        m_failedPort = m_port->value();
        m_failure = m_input.start(static_cast<std::uint16_t>(m_port->value()), m_bind->checkedId() == 1);
    }
    showStatus();
}

void OscGroup::showStatus()
{
    m_statusTimer.stop();
    QString text;
    if (m_failure == EADDRINUSE)
        text = tr("Порт %1 занят другой программой: OSC не принимается. Выберите другой порт.").arg(m_failedPort);
    else if (m_failure == EACCES)
        text = tr("Порт %1 закрыт для программы (порты до 1024 - только для администратора): OSC не принимается.")
                   .arg(m_failedPort);
    else if (m_failure != 0)
        text = tr("OSC не принимается: %1").arg(QString::fromLocal8Bit(std::strerror(m_failure)));
    else if (!m_input.listening())
        text = tr("Выключено");
    else {
        text = m_bind->checkedId() == 1 ? tr("Принимает команды на порту UDP %1 из локальной сети")
                                        : tr("Принимает команды на порту UDP %1 только с этого компьютера");
        text = text.arg(m_input.port());
        text += QLatin1Char('\n');
        text += m_input.lastMessage().isEmpty()
            ? tr("Сообщений ещё не было")
            : tr("Последнее сообщение: %1 от %2").arg(m_input.lastMessage(), m_input.lastSender());
        text += QLatin1Char('\n');
        text += tr("Подписчиков: %1. Отброшено неверных сообщений: %2")
                    .arg(m_input.subscriberCount())
                    .arg(m_input.ignored());
    }
    m_status->setText(text);
}

} // namespace korvanel
