#include "ui/mainwindow/StatusLine.h"

#include <QLabel>

StatusLine::StatusLine(QLabel *panel, QObject *parent) : QObject(parent), m_panel(panel)
{
    m_timer.setObjectName("TimerStatus");
    m_timer.setInterval(5000);
    connect(&m_timer, &QTimer::timeout, this, &StatusLine::TimerStatusTimer);
}

void StatusLine::OutStatus(const QString &text)
{
    // A running timer is not restarted: the line empties 5 s after the first text.
    if (!m_timer.isActive())
        m_timer.start();
    m_panel->setText(m_panel->text() + text);
}

void StatusLine::TimerStatusTimer()
{
    m_panel->clear();
    m_timer.stop();
}
