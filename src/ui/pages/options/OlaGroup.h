#pragma once
// The OLA group of the options page: the switch and the universe go to the
// OLA output; once a second, while it is on and until it has closed, its
// state comes back into LabelOlaStatus, and a daemon lost or regained is said
// once on the status line.

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "files/SettingsFile.h"
#include "output/OlaOutput.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace korvanel {

class OptionsTab;
class WindowServices;

class OlaGroup : public QObject {
    Q_OBJECT
public:
    OlaGroup(WindowServices &window, const OptionsTab &options, OlaOutput &output);

    // Start-up: the settings file's switch and universe; a switch that is on starts the output.
    void applySettings(const OlaIni &settings);
    OlaIni settings() const;

    static QString statusText(const OlaStatus &status);
    QTimer &TimerOlaStatus() { return m_timer; }

public slots:
    void CheckBoxOlaClick(bool checked);
    void SpinEditOlaUniverseChange(int universe);
    void ShowOlaStatus();

private:
    // The status label, with why the module was refused when it was.
    OlaStatus showStatusText();
    void reportOnStatusLine(const OlaStatus &status);

    WindowServices &m_window;
    OlaOutput &m_output;
    QCheckBox *m_switch = nullptr;
    QSpinBox *m_universe = nullptr;
    QLabel *m_status = nullptr;
    QTimer m_timer;
    OlaIni m_read; // what the settings file said
    // What the status line has been told: the daemon is away, and the counts seen.
    bool m_away = false;
    std::uint32_t m_lossesSeen = 0;
    std::uint32_t m_connectsSeen = 0;
};

} // namespace korvanel
