#include "ui/mainwindow/MouseWheel.h"

#include <QApplication>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

#include "ui/mainwindow/BaseForm.h"

namespace korvanel {

MouseWheel::MouseWheel(TBaseForm &form) : QObject(&form), m_form(form)
{
    qApp->installEventFilter(this);
}

bool MouseWheel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(watched);
        auto *wheel = static_cast<QWheelEvent *>(event);
        // An ignored wheel event climbs to each parent in turn: act on it once.
        const bool repeat = wheel->timestamp() == m_lastTimestamp && wheel->angleDelta().y() == m_lastDelta;
        if (widget && !repeat && (widget == &m_form || m_form.isAncestorOf(widget))) {
            m_lastTimestamp = wheel->timestamp();
            m_lastDelta = wheel->angleDelta().y();
            FormMouseWheel(wheel->angleDelta().y());
        }
    }
    return QObject::eventFilter(watched, event);
}

void MouseWheel::FormMouseWheel(int delta)
{
    if (delta == 0)
        return;
    const int step = delta > 0 ? 1 : -1;
    switch (m_form.PageControlInput->currentIndex()) {
    case 0: {
        QScrollBar *page = m_form.ScrolbarVertPos;
        page->setValue(page->value() + step);
        // A fast turn jumps to the end.
        if (delta > 250)
            page->setValue(page->maximum());
        else if (delta < -250)
            page->setValue(page->minimum());
        break;
    }
    case 1:
        if (auto *channel = m_form.control<QScrollBar>("ScrollBarChanellGrafik"))
            channel->setValue(channel->value() + step);
        break;
    case 2:
        if (auto *pair = m_form.control<QScrollBar>("ScrollBarEditXYCh1"))
            pair->setValue(pair->value() + step);
        break;
    default:
        break;
    }
}

} // namespace korvanel
