#pragma once
// Crossfade rates: the rate slider under each fader, the rate slider for the
// selected channels with its label, and the level slider for the selected
// channels of the current scene.

#include <QObject>
#include <cstdint>

class QLabel;
class QScrollBar;

namespace korvanel {

class ChannelSettingsGroup;
class FaderPage;
class WindowServices;

class RateControls : public QObject {
    Q_OBJECT
public:
    RateControls(WindowServices &window, ChannelSettingsGroup &settings, FaderPage &faders);

    // The 27 rate sliders from RateRow, each at the position of its stored step.
    void ReturnRate();

    int RateIndex = 0;
    std::uint8_t RateValue = 1;

public slots:
    void ScrollBarRateChange(int k, int position);
    void ScrollBarRateLeuelChange(int position);
    void ScrollBarLevelAllChange(int position);

private:
    void TabRate();

    WindowServices &m_window;
    FaderPage &m_faders;
    QScrollBar *m_rateLevel;
    QLabel *m_rateLabel;
    QScrollBar *m_levelAll;
};

} // namespace korvanel
