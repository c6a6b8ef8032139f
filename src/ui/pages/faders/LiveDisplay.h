#pragma once
// What leaves the program, under each fader of the fader page: the output
// level of the channel, its group colour cell and its picture, refreshed every
// 100 ms from the frame the output tick builds. The same timer keeps the
// sequencer's stop button down whenever the show is not playing.

#include <QObject>
#include <QTimer>
#include <array>

#include "core/ShowLayout.h"

class QAbstractButton;
class QToolButton;

namespace korvanel {

class WindowServices;

struct Engine;
class FaderPage;
class FaderPage;
class FaderTab;

class LiveDisplay : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 100;

    LiveDisplay(WindowServices &window, FaderTab &tab, FaderPage &faders, QAbstractButton &stop);

    QTimer &TimerDataDmxToDsp() { return m_timer; }
    // 1..9: the three labels the slow refresh updated last.
    int DisplayGroup() const { return m_displayGroup; }
    bool percent() const;
    bool fast() const;

    // Paint cell k (1..27) of the live display.
    void ShapeColor(int k, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    // Picture n of the list beside fader k; a number outside the list shows none.
    void SetGobo(int k, int picture);

public slots:
    void TimerDataDmxToDspTimer();

private:
    void buildButtons(FaderTab &tab);
    void showLevel(int k, std::size_t channel, bool percent);

    WindowServices &m_window;
    Engine &m_engine;
    FaderPage &m_faders;
    QAbstractButton *m_stop = nullptr;
    QToolButton *m_dmx = nullptr;
    QToolButton *m_percent = nullptr;
    QToolButton *m_fast = nullptr;
    QTimer m_timer;
    int m_displayGroup = 1;
    // What each label and picture shows now, so an unchanged one is not set again.
    std::array<int, FaderCount> m_shownLevel{};
    std::array<int, FaderCount> m_shownPicture{};
};

} // namespace korvanel
