#pragma once
// What leaves the program, under each fader of the fader page: the output
// level of the channel, its group colour cell and its picture, refreshed every
// 100 ms from the frame the output tick builds. The same timer keeps the
// sequencer's stop button down whenever the show is not playing.
//
// A program that waits should not wake ten times a second to find nothing new,
// so the timer rests once a refresh finds the levels still and up to date in a
// frame built after the window last did anything. Only the window changes what
// the frame is made of, and only in answer to an event (a key, a click, a timer);
// a fade that is still running changes the visible levels at every frame. So the
// first event other than drawing, or the tick of a timer marked output-neutral,
// starts the timer again, and what that event changed is shown within one period.

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
    // The timer is stopped until the window next does something.
    bool resting() const { return m_resting; }

public slots:
    void TimerDataDmxToDspTimer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildButtons(FaderTab &tab);
    void showLevel(int k, std::size_t channel, bool percent);
    void windowWaits();
    // Whether frames from `frames` on reflect all the window has done.
    bool settled(std::uint32_t frames) const;
    void rest();

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

    bool m_resting = false;
    // Events other than drawing came since the event loop last waited.
    bool m_windowBusy = true;
    // Frames counted from here on were built after the window's last event.
    std::uint32_t m_settledFrom = 0;
    // What the last refresh of the fader page read: the page, the frame count and the levels.
    std::size_t m_seenFirst = 0;
    std::uint32_t m_seenFrames = 0;
    std::array<std::uint8_t, FaderCount> m_seenLevel{};
};

} // namespace korvanel
