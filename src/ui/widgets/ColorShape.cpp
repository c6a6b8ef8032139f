#include "ui/widgets/ColorShape.h"

#include <QPainter>

namespace korvanel {

ColorShape::ColorShape(const QColor &color, QWidget *parent) : QWidget(parent), m_color(color)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // It paints every pixel of itself: a new colour repaints the cell alone, not the page beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorShape::setBrushColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ColorShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(m_color);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace korvanel
