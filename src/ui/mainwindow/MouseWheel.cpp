#include "ui/mainwindow/MouseWheel.h"

#include <QApplication>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

#include "control/ControlLayer.h"
#include "ui/mainwindow/WindowServices.h"

namespace korvanel {

MouseWheel::MouseWheel(WindowServices &window)
    : QObject(&window.mainWindow()), m_window(window), m_mainWindow(window.mainWindow())
{
    qApp->installEventFilter(this);
}

void MouseWheel::setEditorBars(QScrollBar *graphChannel, QScrollBar *xyPair)
{
    m_graphChannel = graphChannel;
    m_xyPair = xyPair;
}

bool MouseWheel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(watched);
        auto *wheel = static_cast<QWheelEvent *>(event);
        // An ignored wheel event climbs to each parent in turn: act on it once.
        const bool repeat = wheel->timestamp() == m_lastTimestamp && wheel->angleDelta().y() == m_lastDelta;
        if (widget && !repeat && (widget == &m_mainWindow || m_mainWindow.isAncestorOf(widget))) {
            m_lastTimestamp = wheel->timestamp();
            m_lastDelta = wheel->angleDelta().y();
            // What the wheel did for the window, the control under the mouse must not do as well.
            if (FormMouseWheel(wheel->angleDelta().y()))
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool MouseWheel::FormMouseWheel(int delta)
{
    if (delta == 0)
        return false;
    const int step = delta > 0 ? 1 : -1;
    switch (m_window.currentPage()) {
    case InputPage::Faders: {
        // A fast turn jumps to the end.
        const int offset = delta > 250 ? MaxFaderPageOffset
            : delta < -250             ? 0
                                       : m_window.control().state().pageOffset + step;
        m_window.control().apply({WindowSource, command::FaderPage{offset}});
        return true;
    }
    case InputPage::Graph:
        if (!m_graphChannel)
            return false;
        m_graphChannel->setValue(m_graphChannel->value() + step);
        return true;
    case InputPage::Beam:
        if (!m_xyPair)
            return false;
        m_xyPair->setValue(m_xyPair->value() + step);
        return true;
    default:
        return false;
    }
}

} // namespace korvanel
