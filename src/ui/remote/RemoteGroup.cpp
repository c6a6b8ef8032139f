#include "ui/remote/RemoteGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include "ui/remote/RemoteServer.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

RemoteGroup::RemoteGroup(RemoteServer &server, QWidget *parent)
    : QGroupBox(tr("Пульт с телефона или планшета"), parent), m_server(server)
{
    setObjectName(QStringLiteral("GroupBoxRemote"));
    m_enabled = makeCheckBox(this, "CheckBoxRemote", tr("Включить"),
                             tr("Страница управления светом в браузере телефона"), false);
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("SpinEditRemotePort"));
    m_port->setRange(1, 65535);
    m_port->setValue(9080);
    // A port is taken when it is finished, not at each digit typed.
    m_port->setKeyboardTracking(false);

    auto *bind = new QGroupBox(tr("Доступ"), this);
    bind->setObjectName(QStringLiteral("RadioGroupRemoteBind"));
    m_bind = new QButtonGroup(bind);
    auto *bindLayout = new QHBoxLayout(bind);
    bindLayout->setContentsMargins(4, 2, 4, 2);
    const QString captions[] = {tr("Только этот компьютер"), tr("Локальная сеть")};
    for (int i = 0; i < 2; ++i) {
        auto *item = new QRadioButton(captions[i], bind);
        m_bind->addButton(item, i);
        bindLayout->addWidget(item);
    }
    m_bind->button(0)->setChecked(true);

    m_host = new QComboBox(this);
    m_host->setObjectName(QStringLiteral("ComboBoxRemoteAddress"));
    m_host->setToolTip(tr("Адрес этого компьютера в сети, который получит телефон"));
    m_host->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    m_address = makeLabel(this, "LabelRemoteAddress", {}, tr("Адрес страницы с ключом доступа"));
    m_address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_address->setWordWrap(true);
    m_qr = makeLabel(this, "LabelRemoteQr", {}, tr("Наведите камеру телефона"));
    m_token =
        makeSpeedButton(this,
                        {"SpeedButtonRemoteToken", tr("Новый ключ доступа: все подключённые телефоны отключаются"),
                         QStyle::SP_CustomBase, tr("Новый ключ")});
    m_status = makeLabel(this, "LabelRemoteStatus", {});
    m_status->setWordWrap(true);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(m_enabled, 0, 0);
    auto *portRow = new QHBoxLayout;
    portRow->addWidget(new QLabel(tr("Порт"), this));
    portRow->addWidget(m_port);
    portRow->addWidget(m_token);
    portRow->addStretch();
    grid->addLayout(portRow, 0, 1);
    auto *bindRow = new QHBoxLayout;
    bindRow->addWidget(bind);
    bindRow->addWidget(m_host);
    bindRow->addStretch();
    grid->addLayout(bindRow, 1, 0, 1, 2);
    grid->addWidget(m_status, 2, 0, 1, 2);
    grid->addWidget(m_address, 3, 0, 1, 2);
    grid->addWidget(m_qr, 0, 2, 4, 1, Qt::AlignRight | Qt::AlignTop);
    grid->setColumnStretch(1, 1);

    connect(m_enabled, &QCheckBox::toggled, this, &RemoteGroup::CheckBoxRemoteClick);
    connect(m_token, &QToolButton::clicked, this, &RemoteGroup::SpeedButtonRemoteTokenClick);
    connect(m_port, &QSpinBox::valueChanged, this, [this] { restart(); });
    connect(m_bind, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            restart();
    });
    connect(m_host, &QComboBox::activated, this, [this](int index) {
        m_chosenHost = m_host->itemText(index);
        showAddress();
    });
    connect(&m_server, &RemoteServer::clientCountChanged, this, [this] { showStatus(); });
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, &RemoteGroup::showStatus);
    showAddress();
    showStatus();
}

void RemoteGroup::applySettings(const RemoteSettings &settings)
{
    {
        const QSignalBlocker quietPort(m_port);
        const QSignalBlocker quietBind(m_bind);
        m_port->setValue(settings.Port);
        m_bind->button(settings.Network ? 1 : 0)->setChecked(true);
    }
    m_chosenHost = QString::fromStdString(settings.Address);
    if (m_enabled->isChecked() == settings.Enabled)
        restart();
    else
        m_enabled->setChecked(settings.Enabled);
}

RemoteSettings RemoteGroup::settings() const
{
    return {m_enabled->isChecked(), m_port->value(), m_bind->checkedId() == 1, m_chosenHost.toStdString()};
}

void RemoteGroup::CheckBoxRemoteClick(bool) { restart(); }

void RemoteGroup::restart()
{
    m_server.stop();
    m_failure = nullptr;
    if (m_enabled->isChecked()) {
        const QString reason = m_server.start(static_cast<quint16>(m_port->value()), m_bind->checkedId() == 1);
        if (!reason.isEmpty()) {
            const int port = m_port->value();
            const RemoteStartError error = m_server.startError();
            m_failure = [port, error, reason] {
                return error == RemoteStartError::AddressInUse
                    ? tr("Порт %1 занят другой программой: пульт не запущен. Выберите другой порт.").arg(port)
                    : error == RemoteStartError::Access
                    ? tr("Порт %1 закрыт для программы (порты до 1024 - только для администратора): пульт не запущен.")
                          .arg(port)
                    : tr("Пульт не запущен: %1").arg(reason);
            };
        }
    }
    showAddress();
    showStatus();
}

void RemoteGroup::SpeedButtonRemoteTokenClick()
{
    m_server.renewToken();
    showAddress();
    showStatus();
}

QString RemoteGroup::address() const
{
    if (!m_server.listening())
        return {};
    const QString host =
        m_bind->checkedId() == 1 && m_host->count() > 0 ? m_host->currentText() : QStringLiteral("127.0.0.1");
    return QStringLiteral("http://%1:%2/?token=%3")
        .arg(host)
        .arg(m_server.port())
        .arg(QString::fromLatin1(m_server.token()));
}

void RemoteGroup::fillHosts()
{
    const QSignalBlocker quiet(m_host);
    m_host->clear();
    const bool network = m_bind->checkedId() == 1 && m_server.listening();
    if (network)
        m_host->addItems(m_server.networkHosts());
    if (m_host->count() == 0)
        m_host->addItem(QStringLiteral("127.0.0.1"));
    // The chosen one when this computer has it now; else the first, without forgetting the choice.
    if (const int chosen = m_host->findText(m_chosenHost); chosen >= 0)
        m_host->setCurrentIndex(chosen);
    m_host->setEnabled(network && m_host->count() > 1);
}

void RemoteGroup::showAddress()
{
    fillHosts();
    const QString text = address();
    m_address->setText(text);
    m_token->setEnabled(!text.isEmpty());
    const QImage code = text.isEmpty() ? QImage() : m_server.qrImage(text.toUtf8(), 3);
    m_qr->setPixmap(QPixmap::fromImage(code));
    m_qr->setVisible(!code.isNull());
}

void RemoteGroup::showStatus()
{
    if (m_failure)
        m_status->setText(m_failure());
    else if (!m_server.listening())
        m_status->setText(tr("Выключен"));
    else
        m_status->setText(tr("Работает, порт %1, подключено: %2").arg(m_server.port()).arg(m_server.clientCount()));
}

} // namespace korvanel
