#pragma once
// The main window's mouse wheel: wherever the mouse is over the window, the
// wheel also pages the faders, or steps the edited channel of the graph or
// the XY editor; then the control under the mouse does not get it. On the
// other pages the wheel is the controls' own.

#include <QObject>
#include <QPointer>
#include <QScrollBar>

namespace korvanel {

class WindowServices;

class MouseWheel : public QObject {
    Q_OBJECT
public:
    // The editor pages' sliders come with those pages (setEditorBars); the fader page goes through the control layer.
    explicit MouseWheel(WindowServices &window);
    // The graph's channel and the XY editor's pair, once their pages are built.
    void setEditorBars(QScrollBar *graphChannel, QScrollBar *xyPair);

    // delta > 0: the wheel turned away from the operator; 120 a notch. True when it acted.
    bool FormMouseWheel(int delta);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowServices &m_window;
    // Kept apart from m_window: the filter still sees events while the window is being destroyed.
    QWidget &m_mainWindow;
    QPointer<QScrollBar> m_graphChannel;
    QPointer<QScrollBar> m_xyPair;
    quint64 m_lastTimestamp = 0;
    int m_lastDelta = 0;
};

} // namespace korvanel
