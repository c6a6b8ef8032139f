#include "ui/widgets/GrowWithWindow.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace korvanel {

GrowWithWindow::GrowWithWindow(QWidget &window, QSize design, QObject *owner, std::function<void(QSize)> grow)
    : QObject(owner), m_design(design), m_grow(std::move(grow))
{
    window.installEventFilter(this);
    m_grow((window.size() - m_design).expandedTo(QSize(0, 0)));
}

bool GrowWithWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        m_grow((static_cast<QWidget *>(watched)->size() - m_design).expandedTo(QSize(0, 0)));
    return QObject::eventFilter(watched, event);
}

} // namespace korvanel
