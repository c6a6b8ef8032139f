#include "ui/mainwindow/StatusLine.h"

#include <QEvent>
#include <QLabel>

#include "ui/widgets/Controls.h"

StatusLine::StatusLine(QLabel *panel, QObject *parent) : QObject(parent), m_panel(panel)
{
    m_timer.setObjectName("TimerStatus");
    korvanel::markOutputNeutral(m_timer);
    m_timer.setInterval(5000);
    connect(&m_timer, &QTimer::timeout, this, &StatusLine::TimerStatusTimer);
    m_panel->installEventFilter(this);
}

bool StatusLine::eventFilter(QObject *watched, QEvent *event)
{
    // Texts given while the window was being built count their 5 s from when it is seen.
    if (watched == m_panel && event->type() == QEvent::Show && m_waitingForShow) {
        m_waitingForShow = false;
        m_timer.start();
    }
    return QObject::eventFilter(watched, event);
}

void StatusLine::OutStatus(const QString &text)
{
    // A running timer is not restarted: the line empties 5 s after the first text.
    if (!m_timer.isActive() && !m_waitingForShow) {
        if (m_panel->isVisible())
            m_timer.start();
        else
            m_waitingForShow = true;
    }
    const bool placeholder = !m_said && m_panel->text() == QLatin1String("empty");
    m_said = true;
    m_panel->setText((placeholder ? QString() : m_panel->text()) + text);
}

void StatusLine::TimerStatusTimer()
{
    m_panel->clear();
    m_timer.stop();
    m_waitingForShow = false;
}
