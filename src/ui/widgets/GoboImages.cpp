#include "ui/widgets/GoboImages.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace korvanel {
namespace {

// Drawing works in pixel-centre coordinates: (x, y) is the middle of pixel column x, row y, so a
// one-pixel stroke along an integer row covers exactly that row. The cell's centre is (7.5, 7.5);
// a fill's edge at -0.5 / 15.5 is the cell border.
constexpr qreal Mid = 7.5;
constexpr qreal Rim = 7.0; // radius of a circle outline that uses the whole cell

// Dark enough to read on white and on the saturated channel colour cells.
const QColor Ink(24, 24, 24);

using Draw = std::function<void(QPainter &)>;

// The Russian source of a name, translated when asked for; `number` fills its %1.
struct Name {
    const char *source = "";
    int number = 0;
    Name(const char *text, int n = 0) : source(text), number(n) {}
};

struct Symbol {
    Name name;
    Draw draw;
};

QPointF along(qreal degrees, qreal length = 1.0)
{
    const qreal a = qDegreesToRadians(degrees);
    return {std::cos(a) * length, std::sin(a) * length};
}

void usePen(QPainter &p, qreal width = 1.0, Qt::PenCapStyle cap = Qt::SquareCap)
{
    p.setPen(QPen(Ink, width, Qt::SolidLine, cap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
}

void line(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2, qreal width = 1.0, Qt::PenCapStyle cap = Qt::SquareCap)
{
    usePen(p, width, cap);
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void line(QPainter &p, QPointF a, QPointF b, qreal width = 1.0, Qt::PenCapStyle cap = Qt::SquareCap)
{
    usePen(p, width, cap);
    p.drawLine(a, b);
}

// Fills whole pixels x .. x+w-1, y .. y+h-1.
void pixels(QPainter &p, int x, int y, int w, int h, const QColor &color = Ink)
{
    p.fillRect(QRectF(x - 0.5, y - 0.5, w, h), color);
}

void circle(QPainter &p, qreal cx, qreal cy, qreal r, qreal width = 1.0)
{
    usePen(p, width, Qt::RoundCap);
    p.drawEllipse(QPointF(cx, cy), r, r);
}

// A filled disc whose outer edge lies at radius r.
void disc(QPainter &p, qreal cx, qreal cy, qreal r, const QColor &color = Ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(cx, cy), r, r);
}

void fill(QPainter &p, const QPolygonF &poly, const QColor &color = Ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(poly);
}

void fillOutlined(QPainter &p, const QPainterPath &path, const QColor &color, qreal width = 1.0)
{
    p.setPen(QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(color);
    p.drawPath(path);
}

// Makes a round hole (transparent again) in what is drawn already.
void punch(QPainter &p, qreal cx, qreal cy, qreal r)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    disc(p, cx, cy, r, Qt::black);
    p.restore();
}

// A filled arrow head with its tip at `tip`, pointing along screen angle `degrees`
// (0 = right, 90 = down).
void head(QPainter &p, QPointF tip, qreal degrees, qreal length = 4.0, qreal halfWidth = 3.0)
{
    const QPointF d = along(degrees);
    const QPointF n(-d.y(), d.x());
    const QPointF base = tip - d * length;
    fill(p, QPolygonF{tip, base + n * halfWidth, base - n * halfWidth});
}

// An elliptic arc from screen angle `from` sweeping `sweep` degrees (positive = clockwise on
// the screen), ending in an arrow head.
void arcArrow(QPainter &p, QPointF c, qreal rx, qreal ry, qreal from, qreal sweep, qreal width = 1.0,
              qreal headLength = 3.5, qreal headHalf = 2.5)
{
    const QRectF box(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
    QPainterPath path;
    path.arcMoveTo(box, -from); // QPainterPath counts angles counter-clockwise
    path.arcTo(box, -from, -sweep);
    usePen(p, width, Qt::FlatCap);
    p.drawPath(path);
    const qreal end = qDegreesToRadians(from + sweep);
    const QPointF endPoint(c.x() + rx * std::cos(end), c.y() + ry * std::sin(end));
    const qreal sign = sweep > 0 ? 1.0 : -1.0;
    const qreal dir = qRadiansToDegrees(std::atan2(sign * ry * std::cos(end), -sign * rx * std::sin(end)));
    head(p, endPoint + along(dir, headLength - 1.0), dir, headLength, headHalf);
}

void arcArrow(QPainter &p, qreal r, qreal from, qreal sweep, qreal width = 1.0)
{
    arcArrow(p, QPointF(Mid, Mid), r, r, from, sweep, width);
}

// Regular star or polygon points around (cx, cy); the first point straight up.
QPolygonF star(qreal cx, qreal cy, int points, qreal outer, qreal inner)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = i % 2 ? inner : outer;
        poly << QPointF(cx, cy) + along(-90.0 + i * 180.0 / points, r);
    }
    return poly;
}

QPolygonF regular(qreal cx, qreal cy, int corners, qreal r, qreal firstDegrees = -90.0)
{
    QPolygonF poly;
    for (int i = 0; i < corners; ++i)
        poly << QPointF(cx, cy) + along(firstDegrees + i * 360.0 / corners, r);
    return poly;
}

// 3 × 5 digits, one row per byte, high bit = left column.
constexpr std::array<std::array<std::uint8_t, 5>, 10> DigitRows = {{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 7, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {3, 4, 7, 5, 7},
    {7, 1, 1, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 6},
}};

void glyph(QPainter &p, const std::array<std::uint8_t, 5> &rows, int x, int y, int scale = 1,
           const QColor &colour = Ink)
{
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
            if ((rows[row] >> (2 - col)) & 1)
                pixels(p, x + col * scale, y + row * scale, scale, scale, colour);
}

void digit(QPainter &p, int d, int x, int y, int scale = 1) { glyph(p, DigitRows[d], x, y, scale); }

// A ruler along the bottom rows: the "fine" half of a two-byte parameter.
void fineScale(QPainter &p)
{
    pixels(p, 1, 15, 14, 1);
    for (int x = 1; x <= 14; x += 3)
        pixels(p, x, 13, 1, 2);
}

void clipToDisc(QPainter &p, qreal r)
{
    QPainterPath path;
    path.addEllipse(QPointF(Mid, Mid), r, r);
    p.setClipPath(path);
}

// ---- symbol drawings -------------------------------------------------------------------------

void sun(QPainter &p, QPointF c, qreal core, qreal rayIn, qreal rayOut)
{
    disc(p, c.x(), c.y(), core);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * 45.0;
        line(p, c + along(a, rayIn), c + along(a, rayOut), i % 2 ? 1.3 : 2.0, Qt::FlatCap);
    }
}

QPolygonF boltShape()
{
    return QPolygonF{QPointF(9.5, -0.5), QPointF(2.5, 8.5), QPointF(7.0, 8.5),  QPointF(4.5, 15.5),
                     QPointF(12.5, 5.5), QPointF(8.0, 5.5), QPointF(11.5, -0.5)};
}

void bolt(QPainter &p, qreal dx, qreal dy, qreal scale)
{
    QTransform t;
    t.translate(dx, dy);
    t.scale(scale, scale);
    fill(p, t.map(boltShape()));
}

void squareWave(QPainter &p)
{
    usePen(p, 1.5);
    p.drawPolyline(QPolygonF{QPointF(0, 12), QPointF(3, 12), QPointF(3, 3), QPointF(7.5, 3), QPointF(7.5, 12),
                             QPointF(12, 12), QPointF(12, 3), QPointF(15, 3)});
}

void shutter(QPainter &p)
{
    circle(p, Mid, Mid, Rim);
    p.save();
    clipToDisc(p, Rim);
    pixels(p, 0, 0, 16, 5);
    pixels(p, 0, 11, 16, 5);
    p.restore();
}

void dimmerCurve(QPainter &p)
{
    usePen(p);
    p.drawRect(QRectF(0, 0, 15, 15));
    QPainterPath curve;
    curve.moveTo(2, 13);
    curve.cubicTo(9, 13, 6, 2, 13, 2);
    usePen(p, 1.5, Qt::RoundCap);
    p.drawPath(curve);
}

const std::array<QColor, 8> WheelColours = {
    QColor(230, 30, 30), QColor(255, 140, 0), QColor(255, 225, 0), QColor(30, 180, 40),
    QColor(0, 200, 230), QColor(30, 70, 230), QColor(215, 0, 200), QColor(255, 255, 255),
};

void colourPies(QPainter &p, qreal r, int segments)
{
    const QRectF box(Mid - r, Mid - r, 2 * r, 2 * r);
    p.setPen(QPen(Ink, 1.0));
    const int span = 360 / segments;
    for (int i = 0; i < segments; ++i) {
        p.setBrush(WheelColours[(i * 6 / segments) % 7]);
        p.drawPie(box, (90 - i * span) * 16, -span * 16);
    }
}

void colourWheel(QPainter &p)
{
    colourPies(p, Rim, 6);
    disc(p, Mid, Mid, 1.5);
}

void wheelSlot(QPainter &p, int slot)
{
    circle(p, Mid, Mid, Rim);
    const QRectF box(Mid - Rim, Mid - Rim, 2 * Rim, 2 * Rim);
    p.setPen(QPen(Ink, 1.0));
    p.setBrush(WheelColours[slot]);
    // Slot 1 at the top, the next ones clockwise.
    p.drawPie(box, qRound((90 - slot * 45 + 22.5) * 16), -45 * 16);
    disc(p, Mid, Mid, 1.5);
}

void led(QPainter &p, const QColor &colour, bool ultraviolet = false)
{
    QPainterPath dome;
    dome.moveTo(3, 10);
    dome.lineTo(3, 5.5);
    dome.arcTo(QRectF(3, 1, 9, 9), 180, -180);
    dome.lineTo(12, 10);
    dome.closeSubpath();
    fillOutlined(p, dome, colour);
    pixels(p, 2, 11, 12, 1);
    pixels(p, 5, 12, 1, 4);
    pixels(p, 10, 12, 1, 4);
    if (ultraviolet) { // marked, so it is not taken for blue
        glyph(p, {5, 5, 5, 5, 7}, 4, 4, 1, Qt::white);
        glyph(p, {5, 5, 5, 5, 2}, 8, 4, 1, Qt::white);
    }
}

void splitDisc(QPainter &p, const QColor &colour)
{
    const QRectF box(Mid - Rim, Mid - Rim, 2 * Rim, 2 * Rim);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPie(box, 90 * 16, 180 * 16);
    p.setBrush(colour);
    p.drawPie(box, 90 * 16, -180 * 16);
    circle(p, Mid, Mid, Rim);
    line(p, Mid, 0, Mid, 15, 1.0);
}

void thermometer(QPainter &p)
{
    const QColor red(220, 30, 30);
    usePen(p);
    p.drawRoundedRect(QRectF(5.5, 0, 4, 11), 2, 2);
    pixels(p, 7, 5, 2, 6, red);
    p.setPen(QPen(Ink, 1.0));
    p.setBrush(red);
    p.drawEllipse(QPointF(Mid, 12.3), 3.0, 3.0);
    for (int y : {2, 5, 8})
        pixels(p, 12, y, 3, 1);
}

void venn(QPainter &p, const QColor &a, const QColor &b, const QColor &c)
{
    const std::array<QPointF, 3> centres = {QPointF(5.0, 5.3), QPointF(10.0, 5.3), QPointF(Mid, 9.8)};
    const std::array<QColor, 3> colours = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        QColor fillColour = colours[i];
        fillColour.setAlpha(170);
        p.setPen(QPen(Ink, 1.0));
        p.setBrush(fillColour);
        p.drawEllipse(centres[i], 4.6, 4.6);
    }
}

void colourBar(QPainter &p, bool hue)
{
    for (int x = 1; x <= 14; ++x) {
        const QColor c =
            hue ? QColor::fromHsv((x - 1) * 330 / 13, 255, 255) : QColor::fromHsv(0, (x - 1) * 255 / 13, 235);
        pixels(p, x, 4, 1, 8, c);
    }
    usePen(p);
    p.drawRect(QRectF(0, 3, 15, 9));
}

void rainbow(QPainter &p)
{
    const QPointF c(Mid, 12.5);
    const std::array<std::pair<qreal, QColor>, 4> bands = {{
        {7.8, Ink},
        {6.8, QColor(230, 30, 30)},
        {5.0, QColor(255, 215, 0)},
        {3.2, QColor(30, 90, 230)},
    }};
    p.setPen(Qt::NoPen);
    for (const auto &[r, colour] : bands) {
        p.setBrush(colour);
        p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    p.setBrush(Ink);
    p.drawPie(QRectF(c.x() - 1.8, c.y() - 1.8, 3.6, 3.6), 0, 180 * 16);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setBrush(Qt::black);
    p.drawPie(QRectF(c.x() - 0.9, c.y() - 0.9, 1.8, 1.8), 0, 180 * 16);
    p.restore();
}

// The disc every gobo is cut into.
void goboDisc(QPainter &p) { circle(p, Mid, Mid, Rim); }

void gobo(QPainter &p, int pattern)
{
    goboDisc(p);
    p.save();
    clipToDisc(p, 6.5);
    const QPointF c(Mid, Mid);
    switch (pattern) {
    case 1: // one spot
        disc(p, Mid, Mid, 2.6);
        break;
    case 2: // three spots
        for (int i = 0; i < 3; ++i) {
            const QPointF d = c + along(-90 + i * 120, 3.4);
            disc(p, d.x(), d.y(), 2.0);
        }
        break;
    case 3: // crescent
        disc(p, Mid, Mid, 5.0);
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        disc(p, 9.6, 5.6, 4.0, Qt::black);
        p.restore();
        break;
    case 4: // five-point star
        fill(p, star(Mid, Mid + 0.5, 5, 6.0, 2.4));
        break;
    case 5: // bars
        for (int x : {3, 7, 11})
            pixels(p, x, 0, 2, 16);
        break;
    case 6: // cross
        pixels(p, 7, 0, 2, 16);
        pixels(p, 0, 7, 16, 2);
        break;
    case 7: // ring
        circle(p, Mid, Mid, 3.6, 2.0);
        break;
    case 8: // target
        circle(p, Mid, Mid, 4.5, 1.2);
        disc(p, Mid, Mid, 2.0);
        break;
    case 9: // breakup
        for (const auto &[x, y, r] : std::array<std::array<qreal, 3>, 6>{{{4.5, 4.5, 2.0},
                                                                          {10.5, 4.0, 1.4},
                                                                          {11.0, 9.5, 2.2},
                                                                          {4.5, 10.5, 1.5},
                                                                          {7.5, 7.5, 1.2},
                                                                          {8.0, 12.8, 1.0}}})
            disc(p, x, y, r);
        break;
    case 10: // triangle
        fill(p, regular(Mid, Mid + 1.0, 3, 5.5));
        break;
    case 11: { // spiral
        QPainterPath path;
        for (int i = 0; i <= 60; ++i) {
            const qreal t = i / 60.0;
            const QPointF pt = c + along(t * 720.0, 0.5 + t * 5.8);
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        usePen(p, 1.2, Qt::RoundCap);
        p.drawPath(path);
        break;
    }
    case 12: // 3 × 3 squares
        for (int x : {3, 7, 11})
            for (int y : {3, 7, 11})
                pixels(p, x, y, 2, 2);
        break;
    case 13: // rays
        for (int i = 0; i < 8; ++i)
            line(p, c + along(i * 45 + 22.5, 1.8), c + along(i * 45 + 22.5, 7.0), 1.3, Qt::FlatCap);
        break;
    case 14: // half
        pixels(p, 0, 0, 8, 16);
        break;
    case 15: // wedge
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawPie(QRectF(Mid - 7, Mid - 7, 14, 14), 30 * 16, 120 * 16);
        break;
    case 16: // square
        pixels(p, 4, 4, 8, 8);
        break;
    case 17: // waves
        for (qreal y0 : {5.0, 10.0}) {
            QPainterPath wave;
            for (int x = 0; x <= 30; ++x) {
                const QPointF pt(x * 0.5, y0 + 1.6 * std::sin(x * 0.5 * M_PI / 3.0));
                if (x == 0)
                    wave.moveTo(pt);
                else
                    wave.lineTo(pt);
            }
            usePen(p, 1.4, Qt::RoundCap);
            p.drawPath(wave);
        }
        break;
    case 18: // checkerboard
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
                if ((x + y) % 2 == 0)
                    pixels(p, x * 2, y * 2, 2, 2);
        break;
    case 19: // four petals
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(c);
            p.rotate(45 + i * 90);
            p.setPen(Qt::NoPen);
            p.setBrush(Ink);
            p.drawEllipse(QPointF(0, -3.3), 1.7, 3.0);
            p.restore();
        }
        break;
    case 20: // fine breakup
        for (const auto &[x, y] : std::array<std::array<int, 2>, 11>{
                 {{3, 5}, {6, 2}, {10, 3}, {12, 7}, {8, 6}, {5, 9}, {2, 8}, {9, 10}, {12, 11}, {6, 13}, {10, 13}}})
            pixels(p, x, y, 2, 1 + (x + y) % 2);
        break;
    case 21: // diamond
        fill(p, regular(Mid, Mid, 4, 5.5));
        break;
    case 22: // diagonal stripes
        for (qreal k : {-7.0, -2.5, 2.0, 6.5})
            line(p, 0, k, 16, k + 16, 1.6, Qt::FlatCap);
        break;
    case 23: // eight-point star
        fill(p, star(Mid, Mid, 8, 6.5, 2.8));
        break;
    case 24: // mesh
        for (qreal v : {4.0, 11.0}) {
            line(p, v, 0, v, 15, 1.0);
            line(p, 0, v, 15, v, 1.0);
        }
        disc(p, Mid, Mid, 1.5);
        break;
    default:
        break;
    }
    p.restore();
}

void goboWheel(QPainter &p, bool second)
{
    circle(p, Mid, Mid, Rim);
    for (int i = 0; i < 6; ++i) {
        const QPointF d = QPointF(Mid, Mid) + along(-90 + i * 60, 4.6);
        disc(p, d.x(), d.y(), 1.7);
    }
    if (second)
        digit(p, 2, 6, 5);
    else
        circle(p, Mid, Mid, 1.2);
}

// Small centre pictures inside a rotation arrow.
void miniGobo(QPainter &p)
{
    circle(p, Mid, Mid, 3.3);
    pixels(p, 7, 5, 2, 6);
    pixels(p, 5, 7, 6, 2);
}

void miniWheel(QPainter &p)
{
    const qreal r = 3.8;
    const QRectF box(Mid - r, Mid - r, 2 * r, 2 * r);
    p.setPen(QPen(Ink, 1.0));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(WheelColours[std::array<int, 4>{0, 2, 3, 5}[i]]);
        p.drawPie(box, (90 - i * 90) * 16, -90 * 16);
    }
}

void miniPrism(QPainter &p)
{
    p.setPen(QPen(Ink, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(regular(Mid, Mid + 0.8, 3, 3.9));
}

void zigzag(QPainter &p, qreal x0, qreal x1, qreal y, qreal step, qreal amplitude, qreal width)
{
    QPolygonF points;
    int i = 0;
    for (qreal x = x0; x <= x1 + 0.01; x += step, ++i)
        points << QPointF(x, y + (i % 2 ? -amplitude : amplitude));
    p.setPen(QPen(Ink, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points);
}

void miniWaves(QPainter &p)
{
    circle(p, Mid, Mid, 3.6);
    zigzag(p, 4.5, 10.5, 6.0, 3.0, 1.0, 1.0);
    zigzag(p, 4.5, 10.5, 9.0, 3.0, 1.0, 1.0);
}

void rotating(QPainter &p, const Draw &inner, int arrows)
{
    inner(p);
    if (arrows == 2) {
        arcArrow(p, 6.6, -160, 120);
        arcArrow(p, 6.6, 20, 120);
    } else {
        arcArrow(p, 6.6, arrows > 0 ? -60 : 240, arrows > 0 ? 270 : -270);
    }
}

void goboIndex(QPainter &p)
{
    circle(p, Mid, Mid, Rim);
    for (int i = 0; i < 12; ++i)
        line(p, QPointF(Mid, Mid) + along(i * 30, 5.0), QPointF(Mid, Mid) + along(i * 30, 6.5), 1.0, Qt::FlatCap);
    line(p, QPointF(Mid, Mid), QPointF(Mid, Mid) + along(-50, 5.0), 1.8, Qt::RoundCap);
    disc(p, Mid, Mid, 1.6);
}

void goboShake(QPainter &p)
{
    circle(p, Mid, Mid, 3.2);
    disc(p, Mid, Mid, 1.2);
    for (qreal r : {5.2, 7.2}) {
        const QRectF box(Mid - r, Mid - r, 2 * r, 2 * r);
        usePen(p, 1.0, Qt::FlatCap);
        p.drawArc(box, -35 * 16, 70 * 16);
        p.drawArc(box, 145 * 16, 70 * 16);
    }
}

void prism(QPainter &p)
{
    p.setPen(QPen(Ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPolygon(QPolygonF{QPointF(3.5, 13), QPointF(7.5, 2), QPointF(11.5, 13)});
    line(p, 0, 8, 5, 8, 1.0, Qt::FlatCap);
    for (qreal y : {3.5, 8.0, 12.5})
        line(p, QPointF(10, 8), QPointF(15.5, y), 1.0, Qt::FlatCap);
}

void facetPrism(QPainter &p, int facets)
{
    const QPolygonF outline = facets == 3 ? QPolygonF() : regular(Mid, Mid + 0.4, facets, 7.3);
    if (facets == 3)
        circle(p, Mid, Mid, Rim);
    else {
        usePen(p);
        p.drawPolygon(outline);
    }
    for (int i = 0; i < facets; ++i) {
        const QPointF end = facets == 3 ? QPointF(Mid, Mid) + along(-90 + i * 120, Rim) : outline[i];
        line(p, QPointF(Mid, Mid), end, 1.0, Qt::FlatCap);
    }
    disc(p, Mid, Mid, 1.2);
}

void linearPrism(QPainter &p)
{
    usePen(p);
    p.drawRect(QRectF(0, 3, 15, 9));
    for (qreal x : {5.0, 10.0})
        line(p, x, 3, x, 12);
    for (qreal x0 : {0.0, 5.0, 10.0})
        line(p, x0 + 1, 11, x0 + 4, 4, 1.0, Qt::FlatCap);
}

void prismIndex(QPainter &p)
{
    usePen(p, 1.2);
    p.drawPolygon(QPolygonF{QPointF(2, 13), QPointF(7.5, 2), QPointF(13, 13)});
    line(p, 2, 13, 15, 13, 1.0);
    usePen(p, 1.0, Qt::FlatCap);
    p.drawArc(QRectF(2 - 5, 13 - 5, 10, 10), 0, 64 * 16);
    disc(p, 7.5, 9.5, 1.2);
}

void focus(QPainter &p)
{
    usePen(p, 1.0);
    for (const auto &[x, y, dx, dy] :
         std::array<std::array<qreal, 4>, 4>{{{0, 0, 1, 1}, {15, 0, -1, 1}, {0, 15, 1, -1}, {15, 15, -1, -1}}}) {
        p.drawLine(QPointF(x, y), QPointF(x + 4 * dx, y));
        p.drawLine(QPointF(x, y), QPointF(x, y + 4 * dy));
    }
    circle(p, Mid, Mid, 3.0);
    disc(p, Mid, Mid, 1.0);
}

void zoom(QPainter &p)
{
    circle(p, 6, 6, 4.6, 1.5);
    line(p, 9.6, 9.6, 14.5, 14.5, 2.6, Qt::RoundCap);
    line(p, 4, 6, 8, 6, 1.0);
    line(p, 6, 4, 6, 8, 1.0);
}

void iris(QPainter &p)
{
    circle(p, Mid, Mid, Rim);
    const QPolygonF hex = regular(Mid, Mid, 6, 3.0, -90);
    p.save();
    clipToDisc(p, Rim);
    for (int i = 0; i < 6; ++i) {
        const QPointF a = hex[i];
        const QPointF b = hex[(i + 1) % 6];
        line(p, a, a + (b - a) * 4.0, 1.0, Qt::FlatCap);
    }
    p.restore();
}

void snowflake(QPainter &p)
{
    const QPointF c(Mid, Mid);
    for (int i = 0; i < 6; ++i) {
        const qreal a = -90 + i * 60;
        line(p, c, c + along(a, 7.2), 1.3, Qt::FlatCap);
        const QPointF branch = c + along(a, 4.3);
        line(p, branch, branch + along(a - 50, 2.4), 1.0, Qt::FlatCap);
        line(p, branch, branch + along(a + 50, 2.4), 1.0, Qt::FlatCap);
    }
}

void matte(QPainter &p)
{
    usePen(p);
    p.drawRect(QRectF(1, 1, 13, 13));
    for (int x = 3; x <= 12; ++x)
        for (int y = 3; y <= 12; ++y)
            if ((x + y) % 2 == 0)
                pixels(p, x, y, 1, 1);
}

void framingBlades(QPainter &p)
{
    const QColor blade = Ink;
    fill(p, QPolygonF{QPointF(-0.5, -0.5), QPointF(15.5, -0.5), QPointF(15.5, 4.5), QPointF(-0.5, 2.5)}, blade);
    fill(p, QPolygonF{QPointF(15.5, -0.5), QPointF(15.5, 15.5), QPointF(11.5, 15.5), QPointF(13.0, -0.5)}, blade);
    fill(p, QPolygonF{QPointF(-0.5, 15.5), QPointF(15.5, 15.5), QPointF(15.5, 12.0), QPointF(-0.5, 13.5)}, blade);
    fill(p, QPolygonF{QPointF(-0.5, -0.5), QPointF(2.0, -0.5), QPointF(4.0, 15.5), QPointF(-0.5, 15.5)}, blade);
}

void beamAngle(QPainter &p)
{
    disc(p, 1.5, Mid, 1.5);
    line(p, 1.5, Mid, 13, 1, 1.0, Qt::FlatCap);
    line(p, 1.5, Mid, 13, 14, 1.0, Qt::FlatCap);
    usePen(p, 1.0, Qt::RoundCap);
    p.drawEllipse(QPointF(13, Mid), 1.8, 6.5);
}

// Arrow along the horizontal axis through row `y` (pixel rows y, y+1), tips at both ends or one.
void horizontalArrow(QPainter &p, int y, bool left, bool right)
{
    const qreal mid = y + 0.5;
    const int from = left ? 4 : 0;
    const int to = right ? 11 : 15;
    pixels(p, from, y, to - from + 1, 2);
    if (left)
        head(p, QPointF(-0.5, mid), 180, 5.0, 4.0);
    if (right)
        head(p, QPointF(15.5, mid), 0, 5.0, 4.0);
}

void panArrows(QPainter &p, bool fine)
{
    horizontalArrow(p, fine ? 5 : 7, true, true);
    if (fine)
        fineScale(p);
}

void tiltArrows(QPainter &p, bool fine)
{
    if (!fine) {
        p.save();
        p.translate(Mid, Mid);
        p.rotate(90);
        p.translate(-Mid, -Mid);
        horizontalArrow(p, 7, true, true);
        p.restore();
        return;
    }
    // Shorter, to leave room for the scale.
    pixels(p, 7, 3, 2, 6);
    head(p, QPointF(Mid, -0.5), -90, 4.0, 3.5);
    head(p, QPointF(Mid, 11.5), 90, 4.0, 3.5);
    fineScale(p);
}

void fourWay(QPainter &p)
{
    pixels(p, 3, 7, 10, 2);
    pixels(p, 7, 3, 2, 10);
    for (int i = 0; i < 4; ++i)
        head(p, QPointF(Mid, Mid) + along(i * 90, 8.0), i * 90, 4.0, 3.5);
}

void motionSpeed(QPainter &p)
{
    pixels(p, 6, 7, 4, 2);
    head(p, QPointF(15.5, Mid), 0, 6.0, 5.0);
    pixels(p, 0, 7, 4, 2);
    pixels(p, 1, 3, 6, 1);
    pixels(p, 1, 12, 6, 1);
}

void endless(QPainter &p, bool vertical)
{
    if (vertical) {
        pixels(p, 0, 7, 16, 2);
        arcArrow(p, QPointF(Mid, Mid), 3.5, 6.5, -120, 300, 1.2, 3.5, 2.5);
    } else {
        pixels(p, 7, 0, 2, 16);
        arcArrow(p, QPointF(Mid, Mid), 6.5, 3.5, -150, 300, 1.2, 3.5, 2.5);
    }
}

void directionArrow(QPainter &p, qreal degrees)
{
    p.save();
    p.translate(Mid, Mid);
    p.rotate(degrees);
    p.translate(-Mid, -Mid);
    pixels(p, 1, 7, 8, 2);
    head(p, QPointF(15.0, Mid), 0, 7.0, 6.0);
    p.restore();
}

void turnArrow(QPainter &p, bool clockwise)
{
    if (clockwise)
        arcArrow(p, QPointF(Mid, Mid), 5.3, 5.3, 150, 285, 2.0, 5.0, 3.8);
    else
        arcArrow(p, QPointF(Mid, Mid), 5.3, 5.3, 30, -285, 2.0, 5.0, 3.8);
}

void gauge(QPainter &p, qreal needle)
{
    const QPointF c(Mid, 11);
    usePen(p, 1.5, Qt::FlatCap);
    p.drawArc(QRectF(c.x() - 7, c.y() - 7, 14, 14), 0, 180 * 16);
    for (int i = 0; i <= 4; ++i)
        line(p, c + along(180 + i * 45, 4.6), c + along(180 + i * 45, 6.2), 1.0, Qt::FlatCap);
    pixels(p, 0, 14, 16, 1);
    line(p, c, c + along(needle, 5.5), 1.6, Qt::RoundCap);
    disc(p, c.x(), c.y(), 1.8);
}

void clock(QPainter &p)
{
    circle(p, Mid, Mid, Rim, 1.2);
    pixels(p, 7, 3, 2, 5);
    pixels(p, 9, 7, 3, 2);
    for (int i = 0; i < 4; ++i) {
        const QPointF a = QPointF(Mid, Mid) + along(i * 90, 5.2);
        disc(p, a.x(), a.y(), 0.7);
    }
}

void hourglass(QPainter &p)
{
    pixels(p, 2, 0, 12, 2);
    pixels(p, 2, 14, 12, 2);
    usePen(p, 1.0);
    p.drawPolygon(QPolygonF{QPointF(3.5, 2), QPointF(11.5, 2), QPointF(8.2, 7.5), QPointF(11.5, 13), QPointF(3.5, 13),
                            QPointF(6.8, 7.5)});
    fill(p, QPolygonF{QPointF(4.5, 13), QPointF(7.5, 9.5), QPointF(10.5, 13)});
    fill(p, QPolygonF{QPointF(5.5, 3.5), QPointF(9.5, 3.5), QPointF(7.5, 6)});
}

void metronome(QPainter &p)
{
    usePen(p, 1.0);
    p.drawPolygon(QPolygonF{QPointF(2, 15), QPointF(13, 15), QPointF(9.5, 1), QPointF(5.5, 1)});
    line(p, 7.5, 12, 12.5, 2, 1.5, Qt::RoundCap);
    pixels(p, 9, 5, 3, 2);
    pixels(p, 3, 12, 10, 1);
}

void wavyDisc(QPainter &p)
{
    circle(p, Mid, Mid, Rim);
    p.save();
    clipToDisc(p, 6.5);
    for (qreal y0 : {4.0, 8.0, 12.0})
        zigzag(p, -0.5, 15.5, y0, 2.0, 1.0, 1.2);
    p.restore();
}

void sparkle(QPainter &p, QPointF c, qreal outer, qreal inner) { fill(p, star(c.x(), c.y(), 4, outer, inner)); }

void effectWheel(QPainter &p)
{
    circle(p, Mid, Mid, Rim);
    sparkle(p, QPointF(Mid, Mid), 5.5, 1.5);
}

void effect(QPainter &p)
{
    sparkle(p, QPointF(6.5, 8.5), 7.0, 1.9);
    sparkle(p, QPointF(12.5, 3), 3.0, 0.9);
}

void numberedEffect(QPainter &p, int n)
{
    circle(p, Mid, Mid, Rim);
    digit(p, n, 5, 3, 2);
}

void macro(QPainter &p)
{
    fill(p, QPolygonF{QPointF(0.5, 2.5), QPointF(5.5, 7.5), QPointF(0.5, 12.5)});
    for (int y : {2, 7, 12})
        pixels(p, 7, y, 9, 2);
}

void numberedMacro(QPainter &p, int n)
{
    usePen(p);
    p.drawRoundedRect(QRectF(0, 0, 15, 15), 3, 3);
    digit(p, n, 5, 3, 2);
}

void power(QPainter &p)
{
    usePen(p, 2.0, Qt::RoundCap);
    p.drawArc(QRectF(Mid - 5.8, 9 - 5.8, 11.6, 11.6), 120 * 16, -300 * 16);
    pixels(p, 7, 0, 2, 8);
}

void bulb(QPainter &p, bool on)
{
    const QPointF c(Mid, on ? 7.0 : 6.0);
    const qreal r = on ? 3.6 : 4.6;
    QPainterPath glass;
    glass.addEllipse(c, r, r);
    QPainterPath neck;
    neck.addRect(QRectF(Mid - 1.8, c.y() + r - 1.5, 3.6, 3.0));
    fillOutlined(p, glass.united(neck), on ? QColor(255, 230, 80) : QColor(190, 190, 190), 1.2);
    pixels(p, 6, 13, 4, 1);
    pixels(p, 6, 15, 4, 1);
    if (on) {
        for (int i = 0; i < 5; ++i) {
            const qreal a = 180 + i * 45;
            line(p, c + along(a, 5.3), c + along(a, 7.2), 1.2, Qt::FlatCap);
        }
    } else {
        line(p, 1, 1, 14.5, 14.5, 1.5, Qt::FlatCap);
    }
}

void gear(QPainter &p)
{
    QPolygonF teeth;
    for (int t = 0; t < 8; ++t) {
        const qreal a = t * 45.0;
        for (const auto &[da, r] : std::array<std::pair<qreal, qreal>, 4>{{{-14, 5.2}, {-8, 7.6}, {8, 7.6}, {14, 5.2}}})
            teeth << QPointF(Mid, Mid) + along(a + da, r);
    }
    fill(p, teeth);
    punch(p, Mid, Mid, 2.5);
}

void motor(QPainter &p)
{
    circle(p, 6.5, Mid, 5.8, 1.2);
    pixels(p, 13, 7, 3, 2);
    usePen(p, 1.0);
    p.setPen(QPen(Ink, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(QPolygonF{QPointF(4, 10), QPointF(4, 5), QPointF(6.5, 8), QPointF(9, 5), QPointF(9, 10)});
}

void fan(QPainter &p)
{
    circle(p, Mid, Mid, Rim);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(Mid, Mid);
        p.rotate(i * 120 + 15);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawEllipse(QPointF(0, -3.4), 2.1, 3.2);
        p.restore();
    }
    disc(p, Mid, Mid, 1.5);
}

void smokeMachine(QPainter &p)
{
    pixels(p, 0, 10, 9, 6);
    pixels(p, 9, 12, 2, 2);
    QPainterPath puffs;
    puffs.addEllipse(QPointF(12.8, 9.8), 2.2, 2.2);
    puffs.addEllipse(QPointF(10.0, 4.6), 3.0, 3.0);
    puffs.addEllipse(QPointF(4.0, 4.0), 2.5, 2.5);
    fillOutlined(p, puffs.simplified(), QColor(200, 200, 205), 1.0);
}

void cloud(QPainter &p)
{
    QPainterPath path;
    path.addEllipse(QPointF(4.6, 9.2), 3.6, 3.6);
    path.addEllipse(QPointF(8.8, 6.4), 4.6, 4.6);
    path.addEllipse(QPointF(12.2, 9.8), 3.0, 3.0);
    path.addRect(QRectF(4.6, 9.0, 7.6, 3.8));
    fillOutlined(p, path.simplified(), QColor(200, 200, 205), 1.2);
}

void haze(QPainter &p)
{
    for (qreal y0 : {2.0, 6.0, 10.0, 14.0}) {
        QPainterPath wave;
        for (int x = 0; x <= 30; ++x) {
            const QPointF pt(x * 0.5, y0 + 1.0 * std::sin(x * 0.5 * M_PI / 4.0 + y0));
            if (x == 0)
                wave.moveTo(pt);
            else
                wave.lineTo(pt);
        }
        usePen(p, 1.2, Qt::RoundCap);
        p.drawPath(wave);
    }
}

void laser(QPainter &p)
{
    pixels(p, 0, 5, 5, 6);
    pixels(p, 5, 7, 2, 2);
    for (qreal y : {0.0, 7.5, 15.0})
        line(p, QPointF(6.5, 7.5), QPointF(15.5, y), 1.0, Qt::FlatCap);
    for (qreal y : {0.0, 15.0})
        disc(p, 14.5, y == 0.0 ? 1.0 : 14.0, 1.2);
}

void mirror(QPainter &p)
{
    // Glass with its hatched back, a ray coming in and going out again.
    pixels(p, 0, 12, 16, 2);
    for (int x = 1; x < 16; x += 3)
        pixels(p, x, 14 + 0, 1, 2);
    line(p, 0.5, 1.5, 7.5, 10.5, 1.2, Qt::FlatCap);
    line(p, 7.5, 10.5, 13.0, 3.5, 1.2, Qt::FlatCap);
    head(p, QPointF(15.0, 1.0), -52, 4.0, 2.8);
}

void note(QPainter &p)
{
    for (const QPointF &h : {QPointF(3.8, 12.6), QPointF(11.3, 11.1)}) {
        p.save();
        p.translate(h);
        p.rotate(-20);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawEllipse(QPointF(0, 0), 2.5, 1.8);
        p.restore();
    }
    line(p, 6, 3.2, 6, 12, 1.2, Qt::FlatCap);
    line(p, 13.5, 1.7, 13.5, 10.5, 1.2, Qt::FlatCap);
    fill(p, QPolygonF{QPointF(5.4, 1.8), QPointF(14.1, 0.0), QPointF(14.1, 2.6), QPointF(5.4, 4.4)});
}

void pixelGrid(QPainter &p)
{
    for (int x : {1, 5, 9, 13})
        for (int y : {1, 5, 9, 13})
            pixels(p, x, y, 3 - (x == 13), 3 - (y == 13));
}

void fader(QPainter &p)
{
    pixels(p, 7, 0, 2, 16);
    for (int y : {1, 4, 13})
        for (int x : {2, 12})
            pixels(p, x, y, 2, 1);
    pixels(p, 3, 7, 10, 4);
    pixels(p, 4, 8, 8, 2, QColor(235, 235, 235));
}

std::vector<Symbol> buildSymbols()
{
    std::vector<Symbol> s;
    s.reserve(GoboImageCount);
    auto add = [&s](Name name, Draw draw) { s.push_back({name, std::move(draw)}); };

    // Intensity and shutter.
    add(QT_TRANSLATE_NOOP("GoboImages", "Диммер"), [](QPainter &p) { sun(p, {Mid, Mid}, 4.0, 5.0, 8.0); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Диммер точно"), [](QPainter &p) {
        sun(p, {Mid, 5.5}, 3.0, 4.0, 6.0);
        fineScale(p);
    });
    add(QT_TRANSLATE_NOOP("GoboImages", "Затвор"), shutter);
    add(QT_TRANSLATE_NOOP("GoboImages", "Строб"), [](QPainter &p) { bolt(p, 0, 0, 1.0); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Строб быстрый"), [](QPainter &p) {
        bolt(p, -1.5, 3.0, 0.8);
        bolt(p, 5.0, -0.5, 0.8);
    });
    add(QT_TRANSLATE_NOOP("GoboImages", "Строб случайный"), [](QPainter &p) {
        bolt(p, -1.5, 1.0, 0.85);
        for (const auto &[x, y] : std::array<std::array<int, 2>, 3>{{{13, 1}, {12, 7}, {14, 12}}})
            pixels(p, x, y, 2, 2);
    });
    add(QT_TRANSLATE_NOOP("GoboImages", "Пульс"), squareWave);
    add(QT_TRANSLATE_NOOP("GoboImages", "Плавное включение"), [](QPainter &p) {
        fill(p, QPolygonF{QPointF(-0.5, 14.5), QPointF(15.5, 14.5), QPointF(15.5, 1.5)});
    });
    add(QT_TRANSLATE_NOOP("GoboImages", "Плавное выключение"), [](QPainter &p) {
        fill(p, QPolygonF{QPointF(-0.5, 1.5), QPointF(-0.5, 14.5), QPointF(15.5, 14.5)});
    });
    add(QT_TRANSLATE_NOOP("GoboImages", "Кривая диммера"), dimmerCurve);
    add(QT_TRANSLATE_NOOP("GoboImages", "Затемнение"), [](QPainter &p) {
        disc(p, Mid, Mid, 7.5);
        punch(p, 10.5, 4.5, 1.6);
    });

    // Colour.
    add(QT_TRANSLATE_NOOP("GoboImages", "Колесо цвета"), colourWheel);
    add(QT_TRANSLATE_NOOP("GoboImages", "Вращение колеса цвета"), [](QPainter &p) { rotating(p, miniWheel, 1); });
    // Whole names, so that a translation may order the words its own way.
    const std::array<const char *, 8> slotNames = {
        QT_TRANSLATE_NOOP("GoboImages", "Колесо: красный"),   QT_TRANSLATE_NOOP("GoboImages", "Колесо: оранжевый"),
        QT_TRANSLATE_NOOP("GoboImages", "Колесо: жёлтый"),    QT_TRANSLATE_NOOP("GoboImages", "Колесо: зелёный"),
        QT_TRANSLATE_NOOP("GoboImages", "Колесо: голубой"),   QT_TRANSLATE_NOOP("GoboImages", "Колесо: синий"),
        QT_TRANSLATE_NOOP("GoboImages", "Колесо: пурпурный"), QT_TRANSLATE_NOOP("GoboImages", "Колесо: белый"),
    };
    for (int i = 0; i < 8; ++i)
        add(slotNames[i], [i](QPainter &p) { wheelSlot(p, i); });
    const std::array<std::pair<const char *, QColor>, 10> leds = {{
        {QT_TRANSLATE_NOOP("GoboImages", "Красный"), QColor(230, 30, 30)},
        {QT_TRANSLATE_NOOP("GoboImages", "Зелёный"), QColor(30, 180, 40)},
        {QT_TRANSLATE_NOOP("GoboImages", "Синий"), QColor(30, 70, 230)},
        {QT_TRANSLATE_NOOP("GoboImages", "Янтарный"), QColor(255, 150, 0)},
        {QT_TRANSLATE_NOOP("GoboImages", "Белый"), QColor(255, 255, 255)},
        {QT_TRANSLATE_NOOP("GoboImages", "Ультрафиолет"), QColor(110, 20, 200)},
        {QT_TRANSLATE_NOOP("GoboImages", "Голубой"), QColor(0, 210, 230)},
        {QT_TRANSLATE_NOOP("GoboImages", "Пурпурный"), QColor(230, 0, 200)},
        {QT_TRANSLATE_NOOP("GoboImages", "Жёлтый"), QColor(250, 230, 0)},
        {QT_TRANSLATE_NOOP("GoboImages", "Лайм"), QColor(140, 220, 20)},
    }};
    for (const auto &[name, colour] : leds) {
        const bool ultraviolet = colour == QColor(110, 20, 200);
        add(name, [colour, ultraviolet](QPainter &p) { led(p, colour, ultraviolet); });
    }
    add(QT_TRANSLATE_NOOP("GoboImages", "CTO (теплее)"), [](QPainter &p) { splitDisc(p, QColor(255, 150, 50)); });
    add(QT_TRANSLATE_NOOP("GoboImages", "CTB (холоднее)"), [](QPainter &p) { splitDisc(p, QColor(90, 150, 255)); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Цветовая температура"), thermometer);
    add(QT_TRANSLATE_NOOP("GoboImages", "Смешение RGB"),
        [](QPainter &p) { venn(p, QColor(255, 0, 0), QColor(0, 200, 0), QColor(0, 60, 255)); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Смешение CMY"),
        [](QPainter &p) { venn(p, QColor(0, 220, 240), QColor(240, 0, 220), QColor(255, 235, 0)); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Оттенок"), [](QPainter &p) { colourBar(p, true); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Насыщенность"), [](QPainter &p) { colourBar(p, false); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Радуга"), rainbow);

    // Gobos.
    add(QT_TRANSLATE_NOOP("GoboImages", "Колесо гобо"), [](QPainter &p) { goboWheel(p, false); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Вращение гобо"), [](QPainter &p) { rotating(p, miniGobo, 2); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Вращение гобо влево"), [](QPainter &p) { rotating(p, miniGobo, -1); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Вращение гобо вправо"), [](QPainter &p) { rotating(p, miniGobo, 1); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Индекс гобо"), goboIndex);
    add(QT_TRANSLATE_NOOP("GoboImages", "Тряска гобо"), goboShake);
    add(QT_TRANSLATE_NOOP("GoboImages", "Колесо гобо 2"), [](QPainter &p) { goboWheel(p, true); });
    for (int g = 1; g <= 24; ++g)
        add({QT_TRANSLATE_NOOP("GoboImages", "Гобо %1"), g}, [g](QPainter &p) { gobo(p, g); });

    // Prism.
    add(QT_TRANSLATE_NOOP("GoboImages", "Призма"), prism);
    add(QT_TRANSLATE_NOOP("GoboImages", "Вращение призмы"), [](QPainter &p) { rotating(p, miniPrism, 1); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Призма 3-гранная"), [](QPainter &p) { facetPrism(p, 3); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Призма 5-гранная"), [](QPainter &p) { facetPrism(p, 5); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Линейная призма"), linearPrism);
    add(QT_TRANSLATE_NOOP("GoboImages", "Индекс призмы"), prismIndex);

    // Beam shaping.
    add(QT_TRANSLATE_NOOP("GoboImages", "Фокус"), focus);
    add(QT_TRANSLATE_NOOP("GoboImages", "Зум"), zoom);
    add(QT_TRANSLATE_NOOP("GoboImages", "Ирис"), iris);
    add(QT_TRANSLATE_NOOP("GoboImages", "Фрост"), snowflake);
    add(QT_TRANSLATE_NOOP("GoboImages", "Матовый фильтр"), matte);
    add(QT_TRANSLATE_NOOP("GoboImages", "Шторки"), framingBlades);
    add(QT_TRANSLATE_NOOP("GoboImages", "Угол луча"), beamAngle);

    // Movement.
    add(QT_TRANSLATE_NOOP("GoboImages", "Панорама"), [](QPainter &p) { panArrows(p, false); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Наклон"), [](QPainter &p) { tiltArrows(p, false); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Панорама точно"), [](QPainter &p) { panArrows(p, true); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Наклон точно"), [](QPainter &p) { tiltArrows(p, true); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Панорама/наклон"), fourWay);
    add(QT_TRANSLATE_NOOP("GoboImages", "Скорость движения"), motionSpeed);
    add(QT_TRANSLATE_NOOP("GoboImages", "Бесконечная панорама"), [](QPainter &p) { endless(p, false); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Бесконечный наклон"), [](QPainter &p) { endless(p, true); });
    const std::array<std::pair<const char *, qreal>, 8> directions = {{
        {QT_TRANSLATE_NOOP("GoboImages", "Вверх"), -90},
        {QT_TRANSLATE_NOOP("GoboImages", "Вниз"), 90},
        {QT_TRANSLATE_NOOP("GoboImages", "Влево"), 180},
        {QT_TRANSLATE_NOOP("GoboImages", "Вправо"), 0},
        {QT_TRANSLATE_NOOP("GoboImages", "Вверх влево"), -135},
        {QT_TRANSLATE_NOOP("GoboImages", "Вверх вправо"), -45},
        {QT_TRANSLATE_NOOP("GoboImages", "Вниз влево"), 135},
        {QT_TRANSLATE_NOOP("GoboImages", "Вниз вправо"), 45},
    }};
    for (const auto &[name, degrees] : directions)
        add(name, [degrees](QPainter &p) { directionArrow(p, degrees); });
    add(QT_TRANSLATE_NOOP("GoboImages", "По часовой"), [](QPainter &p) { turnArrow(p, true); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Против часовой"), [](QPainter &p) { turnArrow(p, false); });

    // Speed and time.
    add(QT_TRANSLATE_NOOP("GoboImages", "Скорость"), [](QPainter &p) { gauge(p, -90); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Медленно"), [](QPainter &p) { gauge(p, -150); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Быстро"), [](QPainter &p) { gauge(p, -30); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Время"), clock);
    add(QT_TRANSLATE_NOOP("GoboImages", "Задержка"), hourglass);
    add(QT_TRANSLATE_NOOP("GoboImages", "Темп"), metronome);

    // Animation, effects, macros.
    add(QT_TRANSLATE_NOOP("GoboImages", "Колесо анимации"), wavyDisc);
    add(QT_TRANSLATE_NOOP("GoboImages", "Вращение анимации"), [](QPainter &p) { rotating(p, miniWaves, 1); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Колесо эффектов"), effectWheel);
    add(QT_TRANSLATE_NOOP("GoboImages", "Эффект"), effect);
    for (int n = 1; n <= 8; ++n)
        add({QT_TRANSLATE_NOOP("GoboImages", "Эффект %1"), n}, [n](QPainter &p) { numberedEffect(p, n); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Макрос"), macro);
    for (int n = 1; n <= 8; ++n)
        add({QT_TRANSLATE_NOOP("GoboImages", "Макрос %1"), n}, [n](QPainter &p) { numberedMacro(p, n); });

    // Service and special effects.
    add(QT_TRANSLATE_NOOP("GoboImages", "Сброс"), power);
    add(QT_TRANSLATE_NOOP("GoboImages", "Лампа вкл."), [](QPainter &p) { bulb(p, true); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Лампа выкл."), [](QPainter &p) { bulb(p, false); });
    add(QT_TRANSLATE_NOOP("GoboImages", "Управление"), gear);
    add(QT_TRANSLATE_NOOP("GoboImages", "Мотор"), motor);
    add(QT_TRANSLATE_NOOP("GoboImages", "Вентилятор"), fan);
    add(QT_TRANSLATE_NOOP("GoboImages", "Дым"), smokeMachine);
    add(QT_TRANSLATE_NOOP("GoboImages", "Туман"), cloud);
    add(QT_TRANSLATE_NOOP("GoboImages", "Дымка"), haze);
    add(QT_TRANSLATE_NOOP("GoboImages", "Лазер"), laser);
    add(QT_TRANSLATE_NOOP("GoboImages", "Зеркало"), mirror);
    add(QT_TRANSLATE_NOOP("GoboImages", "Звук"), note);
    add(QT_TRANSLATE_NOOP("GoboImages", "Пиксели"), pixelGrid);
    add(QT_TRANSLATE_NOOP("GoboImages", "Фейдер"), fader);
    return s;
}

const std::vector<Symbol> &symbols()
{
    static const std::vector<Symbol> list = buildSymbols();
    return list;
}

QPixmap render(const Draw &draw)
{
    QImage image(GoboImageSize, GoboImageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0.5, 0.5);
    draw(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

bool inList(int number) { return number >= 0 && number < GoboImageCount && number < int(symbols().size()); }

} // namespace

const QPixmap &goboImage(int number)
{
    static const QPixmap none;
    // Each picture is drawn when first asked for: a window shows a few of them.
    static std::vector<QPixmap> images(symbols().size());
    if (!inList(number))
        return none;
    QPixmap &image = images[std::size_t(number)];
    if (image.isNull())
        image = render(symbols()[std::size_t(number)].draw);
    return image;
}

QString goboImageName(int number)
{
    if (!inList(number))
        return {};
    const Name &name = symbols()[std::size_t(number)].name;
    const QString text = QCoreApplication::translate("GoboImages", name.source);
    return name.number > 0 ? text.arg(name.number) : text;
}

} // namespace korvanel
