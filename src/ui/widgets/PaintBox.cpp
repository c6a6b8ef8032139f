#include "ui/widgets/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace korvanel {

PaintBox::PaintBox(const char *name, QSize size, QWidget *parent) : QWidget(parent), m_size(size)
{
    setObjectName(QString::fromLatin1(name));
    setFixedSize(size);
    // The read-outs follow the pointer with no button held.
    setMouseTracking(true);
}

void PaintBox::paintEvent(QPaintEvent *)
{
    if (!m_paint)
        return;
    QPainter painter(this);
    m_paint(painter);
}

void PaintBox::mousePressEvent(QMouseEvent *event) { emit mouseDown(event->button(), event->position().toPoint()); }

void PaintBox::mouseMoveEvent(QMouseEvent *event) { emit mouseMove(event->position().toPoint()); }

void PaintBox::mouseReleaseEvent(QMouseEvent *event) { emit mouseUp(event->button(), event->position().toPoint()); }

} // namespace korvanel
