#pragma once
// The options page's OSC group: switch the input on and off, its port, who
// may reach it, and what it is doing.

#include <QGroupBox>
#include <QTimer>

#include "files/SettingsFile.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSpinBox;

namespace korvanel {

class OscInput;

class OscGroup : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int StatusMs = 250; // the status follows the messages at most this often

    OscGroup(OscInput &input, QWidget *parent = nullptr);

    // [Osc] of the settings file: the controls, and the input started when it was on.
    void applySettings(const OscIni &settings);
    OscIni settings() const;

public slots:
    void CheckBoxOscClick(bool checked);

private:
    void restart();
    void showStatus();

    OscInput &m_input;
    QCheckBox *m_enabled = nullptr;
    QSpinBox *m_port = nullptr;
    QButtonGroup *m_bind = nullptr;
    QLabel *m_status = nullptr;
    QTimer m_statusTimer;
    // The errno of the last start that failed, 0 after one that did not.
    int m_failure = 0;
    int m_failedPort = 0;
};

} // namespace korvanel
