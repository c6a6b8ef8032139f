#include "editing/FigureGenerators.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "editing/SceneAccess.h"

namespace korvanel {

int ceilWhole(long double value)
{
    // Far below one level, far above the error of sinl and cosl.
    constexpr long double noise = 1e-9L;
    return static_cast<int>(std::ceil(value - noise));
}

std::pair<int, int> Sinus(int angle, std::uint8_t diameter)
{
    const long double radians = static_cast<long double>(angle) * std::numbers::pi_v<long double> / 180.0L;
    const long double radius = diameter / 2.0L;
    const int v = ceilWhole(radius * std::sin(radians));
    const int w = ceilWhole(radius * std::cos(radians));
    return {v >= 0 ? 127 + v : 128 + v, w >= 0 ? 127 + w : 128 + w};
}

namespace {

constexpr int byteOf(int value) { return value & 0xFF; }

// One figure being written: its range, its sizes and the two ways of writing
// a point, both of which leave every scene outside the range alone.
class Figure {
public:
    Figure(Engine &engine, const FigureSettings &f)
        : m_engine(engine), m_pair(f.pair), m_layout(f.layout), first(std::max(f.from - 1, 0)),
          last(std::min(f.to - 1, static_cast<int>(SceneCount) - 1)), N(f.to - f.from), S(f.size), W(f.option)
    {
    }

    bool empty() const { return last < first || N < 0; }

    // Through DataWriteXY: each coordinate clamped to a level.
    void clamped(int scene, int x, int y)
    {
        if (inRange(scene))
            DataWriteXY(m_engine, static_cast<std::uint8_t>(scene), m_pair, x, y);
    }

    // Stored as bytes; Y may go one channel apart.
    void direct(int scene, int x, int y, int yOffset = 2)
    {
        if (!inRange(scene))
            return;
        store(scene, m_pair + 1, x);
        store(scene, m_pair + yOffset, y);
    }

    // One side of a polygon: scenes from..to get the point, which moves by
    // (dx, dy) after each; the corner scene `to` is also the next side's first.
    void side(int from, int to, int &x, int &y, int dx, int dy)
    {
        for (int s = from; s <= to; ++s) {
            clamped(s, x, y);
            x += dx;
            y += dy;
        }
        x -= dx;
        y -= dy;
    }

    int layout() const { return m_layout; }
    // A step that divides by the number of steps; none when F = T.
    int perStep(int total) const { return N > 0 ? total / N : 0; }

private:
    bool inRange(int scene) const { return scene >= first && scene <= last; }

    void store(int scene, int channel, int value)
    {
        // A row has no channel 256; that byte belongs to the next scene or lies past the show.
        if (channel >= 1 && channel <= static_cast<int>(ChannelCount))
            m_engine.SceneMemory.set(sceneByte(static_cast<std::size_t>(scene), static_cast<std::size_t>(channel)),
                                     static_cast<std::uint8_t>(byteOf(value)));
    }

    Engine &m_engine;
    std::uint8_t m_pair;
    int m_layout;

public:
    const int first;
    const int last;
    const int N; // steps
    const int S; // size
    const int W; // option
};

// Square and zigzag share their size, side length and start.
struct SquareSides {
    int c;
    int k;
    int start;
};
SquareSides squareSides(const Figure &f)
{
    const int c = byteOf(4 * (f.S / (f.N + 1)));
    const int k = f.N < 5 ? 1 : f.N < 9 ? 2 : f.N / 4 + 1;
    return {c, k, (256 - k * c) / 2};
}

} // namespace

void figureStroke(Engine &engine, const FigureSettings &settings)
{
    Figure f(engine, settings);
    if (f.empty())
        return;
    const int d = byteOf(2 * (f.S / (f.N + 1)));
    const int c = (256 - f.S) / 2;
    const int m = byteOf(settings.from + f.N / 2);
    int x = c + f.W;
    int y = c + f.W;
    for (int s = f.first; s <= f.last; ++s) {
        if (s < m) {
            f.clamped(s, x - f.W, y + f.W);
            x += d;
            y += d;
            continue;
        }
        if (s == m) {
            // The turn: from the outward run onto the one back, 2W apart.
            x = x - d + 2 * f.W;
            y = y - d - 2 * f.W;
        } else {
            x -= d;
            y -= d;
        }
        f.clamped(s, x - f.W, y + f.W);
    }
}

void figureTriangle(Engine &engine, const FigureSettings &settings)
{
    Figure f(engine, settings);
    if (f.empty())
        return;
    const int c = byteOf(3 * (f.S / (f.N + 1)));
    const int h = c / 2;
    const int k = f.N <= 3 ? 1 : f.N / 3 + 1;
    int x = 127 - k * h;
    int y = (256 - k * c) / 2;
    f.side(f.first, f.first + k, x, y, h, c);
    f.side(f.first + k, f.first + 2 * k, x, y, h, -c);
    for (int s = f.first + 2 * k; s <= f.last; ++s) {
        f.clamped(s, x, y);
        x -= c + f.W;
    }
}

void figureSquare(Engine &engine, const FigureSettings &settings)
{
    Figure f(engine, settings);
    if (f.empty())
        return;
    const auto [c, k, start] = squareSides(f);
    int x = start;
    int y = start;
    f.side(f.first, f.first + k, x, y, 0, c);
    f.side(f.first + k, f.first + 2 * k, x, y, c, 0);
    f.side(f.first + 2 * k, f.first + 3 * k, x, y, 0, -c);
    for (int s = f.first + 3 * k; s <= f.last; ++s) {
        f.clamped(s, x, y);
        x -= c + f.W;
    }
}

void figureZigzag(Engine &engine, const FigureSettings &settings)
{
    Figure f(engine, settings);
    if (f.empty())
        return;
    const auto [c, k, start] = squareSides(f);
    int x = start;
    int y = start;
    f.side(f.first, f.first + k, x, y, 0, c);
    f.side(f.first + k, f.first + 2 * k, x, y, c, -c);
    f.side(f.first + 2 * k, f.first + 3 * k, x, y, 0, c);
    for (int s = f.first + 3 * k; s <= f.last; ++s) {
        f.clamped(s, x, y);
        x -= c + f.W;
        y -= c + f.W;
    }
}

void figureRaster(Engine &engine, const FigureSettings &settings)
{
    Figure f(engine, settings);
    if (f.empty())
        return;
    const int dx = byteOf(f.perStep(f.S) * (f.W + 1));
    const int rowHeight = 256 / (f.W + 1);
    int x = (256 - f.S) / 2;
    int y = 128 / (f.W + 1);
    bool rightward = true;
    for (int s = f.first; s <= f.last; ++s) {
        f.clamped(s, x, y);
        // At the edge the point stays in its column for one scene and drops a row.
        if (rightward) {
            x += dx;
            if (x > 255) {
                x -= dx;
                rightward = false;
                y += rowHeight;
            }
        } else {
            x -= dx;
            if (x < 0) {
                x += dx;
                rightward = true;
                y += rowHeight;
            }
        }
    }
}

void figureCircle(Engine &engine, const FigureSettings &settings)
{
    Figure f(engine, settings);
    if (f.empty())
        return;
    const int a = f.perStep(f.W * 50);
    int angle = 0;
    for (int s = f.first; s <= f.last; ++s, angle += a) {
        const auto [x, y] = Sinus(angle, static_cast<std::uint8_t>(f.S));
        f.direct(s, x, y, f.layout());
    }
}

void figureEight(Engine &engine, const FigureSettings &settings)
{
    Figure f(engine, settings);
    if (f.empty())
        return;
    const int r = f.S / 2;
    const int a = f.perStep(f.W * 100);
    const int hm = byteOf(f.N / 2);
    const int g = r / 2;
    int angle = 180;
    for (int s = f.first; s <= f.first + hm; ++s, angle += a) {
        const auto [x, y] = Sinus(angle, static_cast<std::uint8_t>(r));
        f.direct(s, x, y + g);
    }
    angle = 0;
    for (int s = f.first + hm; s <= f.last; ++s, angle += a) {
        const auto [x, y] = Sinus(angle, static_cast<std::uint8_t>(r));
        f.direct(s, x, y - g);
    }
}

void figureFourLeaf(Engine &engine, const FigureSettings &settings)
{
    Figure f(engine, settings);
    if (f.empty())
        return;
    const int r = f.S / 2;
    const int g = r / 2;
    const int a = f.perStep(f.W * 150);
    const int q = byteOf(f.N / 4);
    struct Loop {
        int from;
        int to;
        int startAngle;
        int sx;
        int sy;
    };
    // Upper left, upper right, lower right, lower left; each shared scene goes to the later loop.
    const Loop loops[] = {{f.first, f.first + q, 90, -1, +1},
                          {f.first + q, f.first + 2 * q, 180, +1, +1},
                          {f.first + 2 * q, f.first + 3 * q, 270, +1, -1},
                          {f.first + 3 * q, f.last, 0, -1, -1}};
    for (const Loop &loop : loops) {
        int angle = loop.startAngle;
        for (int s = loop.from; s <= loop.to; ++s, angle -= a) {
            const auto [x, y] = Sinus(angle, static_cast<std::uint8_t>(r));
            f.direct(s, x + loop.sx * g, y + loop.sy * g);
        }
    }
}

void figureSpiral(Engine &engine, const FigureSettings &settings)
{
    Figure f(engine, settings);
    if (f.empty())
        return;
    const int a = f.perStep(f.W * 250);
    const int shrink = byteOf(f.perStep(f.S));
    int diameter = byteOf(f.S);
    int angle = 0;
    for (int s = f.first; s <= f.last; ++s, angle += a) {
        const auto [x, y] = Sinus(angle, static_cast<std::uint8_t>(diameter));
        f.direct(s, x, y);
        diameter = byteOf(diameter - shrink);
    }
}

} // namespace korvanel
