#pragma once
// The options page's remote control group: switch the page's server on and
// off, its port, who may reach it, the address with its token as text and as
// a QR code, a new token, and what the server is doing.

#include <QGroupBox>
#include <functional>

#include "files/SettingsFile.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace korvanel {

class RemoteServer;

class RemoteGroup : public QGroupBox {
    Q_OBJECT
public:
    RemoteGroup(RemoteServer &server, QWidget *parent = nullptr);

    // [Remote] of the settings file: the controls, and the server started when it was on.
    void applySettings(const RemoteSettings &settings);
    RemoteSettings settings() const;

    // The page's address with the token; empty while the server is off.
    QString address() const;

public slots:
    void CheckBoxRemoteClick(bool checked);
    void SpeedButtonRemoteTokenClick();

private:
    void restart();
    void showAddress();
    void fillHosts();
    void showStatus();

    RemoteServer &m_server;
    QCheckBox *m_enabled = nullptr;
    QSpinBox *m_port = nullptr;
    QButtonGroup *m_bind = nullptr;
    QComboBox *m_host = nullptr;
    // The address the operator chose for the network, kept while it is not there.
    QString m_chosenHost;
    QLabel *m_address = nullptr;
    QLabel *m_qr = nullptr;
    QToolButton *m_token = nullptr;
    QLabel *m_status = nullptr;
    // Why the server did not start, worded in the language of the moment.
    std::function<QString()> m_failure;
};

} // namespace korvanel
