#pragma once
// Playing the show: play and stop, the free-running sequencer timer that steps
// the scenes at the tempo, the tempo indicator and the show and pause clocks.

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "playback/Sequencer.h"

class QAbstractButton;
class QCheckBox;
class QLabel;

namespace korvanel {

class WindowServices;

class ColorShape;
class ConveyorGroup;
class MainMenu;
class SequencerTab;

// The tempo as the window and the phones say it: scenes a minute.
QString tempoReadout(int tempo);

class SequencerControl : public QObject {
    Q_OBJECT
public:
    SequencerControl(WindowServices &window, SequencerTab &tab, const MainMenu &menu, const ConveyorGroup &conveyor);

    void ModePlay();
    void ModeStop();
    // Applies SysTempo to the sequencer timer.
    void applyTempo(int intervalMs);

    QTimer &TimerSeqveser() { return m_sequencer; }
    QTimer &TimerColorLentaTempa() { return m_indicator; }
    QTimer &TimerShouClock() { return m_clockTimer; }
    const ShowClock &clock() const { return m_clock; }

    // Called when the show wraps to scene 0 while a conveyor list mode is down.
    std::function<void()> KonveyrJob;
    // The link-status half of the once-a-second timer, run before the show clock.
    std::function<void()> linkStatusRefresh;

public slots:
    void SpeedButtonPlayClick() { ModePlay(); }
    void SpeedButtonPlayDblClick();
    void SpeedButtonStopClick() { ModeStop(); }
    void ScrollBarTempChange(int position);
    void TimerSeqveserTimer();
    void TimerColorLentaTempaTimer();
    void TimerShouClockTimer();
    // The show-clock half of the once-a-second timer.
    void showClockTick();
    // The two clock read-outs as last set, worded again (a change of language).
    void showClocks();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lockEditing(bool playing);
    bool listModeDown() const;

    WindowServices &m_window;
    SequencerTab &m_tab;
    const MainMenu &m_menu;
    const ConveyorGroup &m_conveyor;
    QTimer m_sequencer;
    QTimer m_indicator;
    QTimer m_clockTimer;
    ShowClock m_clock;
    std::optional<ShowClock> m_shownShow; // what each read-out last said
    std::optional<ShowClock> m_shownPause;
    QAbstractButton *m_play;
    QAbstractButton *m_stop;
    QCheckBox *m_ring;
    ColorShape *m_shape;
    QLabel *m_showTime;
    QLabel *m_pauseTime;
};

} // namespace korvanel
