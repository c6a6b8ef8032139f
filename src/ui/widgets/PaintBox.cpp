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

QPointF PaintBox::scale() const
{
    const double x = static_cast<double>(width()) / m_size.width();
    const double y = static_cast<double>(height()) / m_size.height();
    return {x, y};
}

QPoint PaintBox::toDesign(QPointF at) const
{
    const QPointF s = scale();
    return QPoint(static_cast<int>(at.x() / s.x()), static_cast<int>(at.y() / s.y()));
}

void PaintBox::paintEvent(QPaintEvent *)
{
    if (!m_paint)
        return;
    QPainter painter(this);
    if (size() != m_size) {
        const QPointF s = scale();
        painter.scale(s.x(), s.y());
    }
    m_paint(painter);
}

void PaintBox::mousePressEvent(QMouseEvent *event) { emit mouseDown(event->button(), toDesign(event->position())); }

void PaintBox::mouseMoveEvent(QMouseEvent *event) { emit mouseMove(toDesign(event->position())); }

void PaintBox::mouseReleaseEvent(QMouseEvent *event) { emit mouseUp(event->button(), toDesign(event->position())); }

} // namespace korvanel
