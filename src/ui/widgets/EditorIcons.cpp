#include "ui/widgets/EditorIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>
#include <cmath>
#include <map>
#include <numbers>

#include "ui/widgets/LazyIcon.h"

namespace korvanel {

namespace {

constexpr int Side = 20;

void arrowHead(QPainter &p, QPoint tip, QPoint from)
{
    const double angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
    const QPointF a = tip - QPointF(5 * std::cos(angle - 0.5), 5 * std::sin(angle - 0.5));
    const QPointF b = tip - QPointF(5 * std::cos(angle + 0.5), 5 * std::sin(angle + 0.5));
    p.drawPolygon(QPolygonF({QPointF(tip), a, b}));
}

void draw(QPainter &p, EditorIcon icon)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.6));
    p.setBrush(Qt::black);
    switch (icon) {
    case EditorIcon::GraphArrow:
        p.fillRect(4, 14, 3, 4, Qt::darkGray);
        p.fillRect(9, 6, 3, 12, QColor(200, 160, 0));
        p.fillRect(14, 12, 3, 6, Qt::darkGray);
        arrowHead(p, {10, 2}, {10, 8});
        break;
    case EditorIcon::GraphLine:
        p.drawLine(3, 17, 17, 3);
        p.setBrush(Qt::red);
        p.drawEllipse(QPoint(3, 17), 2, 2);
        p.drawEllipse(QPoint(17, 3), 2, 2);
        break;
    case EditorIcon::GraphPen:
        p.drawLine(2, 8, 16, 8);
        arrowHead(p, {18, 8}, {10, 8});
        for (int x : {3, 7, 11, 15})
            p.fillRect(x, 11, 2, 7, QColor(200, 160, 0));
        break;
    case EditorIcon::MirrorX:
        p.drawLine(10, 2, 10, 18);
        p.drawPolygon(QPolygon({QPoint(2, 10), QPoint(7, 5), QPoint(7, 15)}));
        p.drawPolygon(QPolygon({QPoint(18, 10), QPoint(13, 5), QPoint(13, 15)}));
        break;
    case EditorIcon::MirrorY:
        p.drawLine(2, 10, 18, 10);
        p.drawPolygon(QPolygon({QPoint(10, 2), QPoint(5, 7), QPoint(15, 7)}));
        p.drawPolygon(QPolygon({QPoint(10, 18), QPoint(5, 13), QPoint(15, 13)}));
        break;
    case EditorIcon::Larger:
    case EditorIcon::Smaller: {
        p.setBrush(Qt::NoBrush);
        const int inset = icon == EditorIcon::Larger ? 2 : 6;
        p.drawRect(inset, inset, Side - 2 * inset, Side - 2 * inset);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        const int other = icon == EditorIcon::Larger ? 6 : 2;
        p.drawRect(other, other, Side - 2 * other, Side - 2 * other);
        break;
    }
    case EditorIcon::Rotate: {
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRect(3, 3, 14, 14), 90 * 16, -270 * 16);
        p.setBrush(Qt::black);
        arrowHead(p, {10, 3}, {5, 3});
        break;
    }
    case EditorIcon::CopyPairs:
        p.setBrush(Qt::NoBrush);
        p.drawRect(2, 2, 9, 9);
        p.drawRect(9, 9, 9, 9);
        break;
    case EditorIcon::Stroke:
        p.drawLine(3, 13, 13, 3);
        p.drawLine(7, 17, 17, 7);
        break;
    case EditorIcon::Triangle:
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygon({QPoint(10, 2), QPoint(18, 17), QPoint(2, 17)}));
        break;
    case EditorIcon::Square:
        p.setBrush(Qt::NoBrush);
        p.drawRect(3, 3, 14, 14);
        break;
    case EditorIcon::Snake:
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygon(
            {QPoint(2, 3), QPoint(18, 3), QPoint(18, 8), QPoint(2, 8), QPoint(2, 13), QPoint(18, 13), QPoint(18, 18)}));
        break;
    case EditorIcon::Circle:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPoint(10, 10), 7, 7);
        break;
    case EditorIcon::Spiral: {
        p.setBrush(Qt::NoBrush);
        QPainterPath path;
        for (int i = 0; i <= 60; ++i) {
            const double t = i / 60.0 * 4 * std::numbers::pi;
            const double r = 8.0 * (1.0 - i / 66.0);
            const QPointF at(10 + r * std::sin(t), 10 - r * std::cos(t));
            if (i == 0)
                path.moveTo(at);
            else
                path.lineTo(at);
        }
        p.drawPath(path);
        break;
    }
    }
}

} // namespace

QIcon editorIcon(EditorIcon icon)
{
    static std::map<EditorIcon, QIcon> drawn;
    auto found = drawn.find(icon);
    if (found != drawn.end())
        return found->second;
    // Drawn when a button first shows it: the editors' pages are not on screen at start.
    return drawn
        .emplace(icon, lazyIcon([icon] {
                     QPixmap pixmap(Side, Side);
                     pixmap.fill(Qt::transparent);
                     QPainter painter(&pixmap);
                     draw(painter, icon);
                     painter.end();
                     return QIcon(pixmap);
                 }))
        .first->second;
}

} // namespace korvanel
