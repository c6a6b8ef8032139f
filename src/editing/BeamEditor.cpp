#include "editing/BeamEditor.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "editing/FigureGenerators.h"
#include "editing/SceneAccess.h"

namespace korvanel {

namespace {

// The range inside the show's 256 scenes.
XYRange bounded(XYRange range)
{
    return {std::max(range.first, 0), std::min(range.last, static_cast<int>(SceneCount) - 1)};
}

std::uint8_t xOf(const Engine &engine, int scene, std::uint8_t pair)
{
    return DataRead(engine, static_cast<std::uint8_t>(scene), static_cast<std::uint8_t>(pair + 1));
}
std::uint8_t yOf(const Engine &engine, int scene, std::uint8_t pair)
{
    return DataRead(engine, static_cast<std::uint8_t>(scene), static_cast<std::uint8_t>(pair + 2));
}

// Size steps: toward (7) or away from (8) the centre between 127 and 128.
int smaller(int v)
{
    if (v >= 1 && v <= 127)
        ++v;
    if (v >= 128 && v <= 254)
        --v;
    return v;
}
int larger(int v)
{
    if (v >= 1 && v <= 127)
        --v;
    if (v >= 128 && v <= 254)
        ++v;
    return v;
}

// Offset from the centre in half-planes: neither side reaches 0.
long double offset(int v) { return (v < 128 ? v - 128 : v - 127) / 128.0L; }

} // namespace

std::pair<int, int> xyAllScenesShown(std::uint8_t lastScene) { return {1, std::clamp(lastScene + 1, 2, 255)}; }

std::pair<int, int> xyPlanePoint(int pointerX, int pointerY)
{
    return {std::clamp(pointerX, 0, 255), 255 - std::clamp(pointerY, 0, 255)};
}

std::uint8_t xyLevel(const Engine &engine, std::uint8_t scene, int channel)
{
    if (channel < 1 || channel > static_cast<int>(ChannelCount))
        return 0;
    return DataRead(engine, scene, static_cast<std::uint8_t>(channel));
}

int SearchScena(const Engine &engine, std::uint8_t pair, XYRange range, int x, int y)
{
    range = bounded(range);
    // Searched downward, keeping the last hit: overlapping points give the lowest scene.
    int found = XYNoScene;
    for (int s = range.last; s >= range.first; --s) {
        if (std::abs(xOf(engine, s, pair) - x) <= 3 && std::abs(yOf(engine, s, pair) - y) <= 3)
            found = s;
    }
    return found;
}

void xyDragPoint(Engine &engine, std::uint8_t pair, int scene, int x, int y)
{
    if (scene < 0 || scene >= 255)
        return;
    DataWriteXY(engine, static_cast<std::uint8_t>(scene), pair, x, y);
}

void ButtonRepeat(Engine &engine, std::uint8_t pair, XYRange range, int code)
{
    range = bounded(range);
    for (int s = range.first; s <= range.last; ++s) {
        int x = xOf(engine, s, pair);
        int y = yOf(engine, s, pair);
        switch (code) {
        case XYRight:
            x = x == 255 ? x : x + 1;
            break;
        case XYLeft:
            x = x == 0 ? x : x - 1;
            break;
        case XYUp:
            y = y == 255 ? y : y + 1;
            break;
        case XYDown:
            y = y == 0 ? y : y - 1;
            break;
        case XYMirrorX:
            x = 255 - x;
            break;
        case XYMirrorY:
            y = 255 - y;
            break;
        case XYSmaller:
            x = smaller(x);
            y = smaller(y);
            break;
        case XYLarger:
            x = larger(x);
            y = larger(y);
            break;
        default:
            return;
        }
        DataWriteXY(engine, static_cast<std::uint8_t>(s), pair, x, y);
    }
}

std::pair<int, int> RotateXY(int x, int y, int angle)
{
    const long double dx = offset(x);
    const long double dy = offset(y);
    const int e = y < 128 ? 180 : 0;
    const long double h = std::min(std::hypot(dx, dy), 1.0L);
    const long double u = std::clamp(dy > 0 ? dx / h : -dx / h, -1.0L, 1.0L);
    // Clockwise angle of the point seen from the top of the plane.
    const long double theta = std::asin(u) * 180.0L / std::numbers::pi_v<long double> + e;
    return Sinus(ceilWhole(theta + angle), static_cast<std::uint8_t>(ceilWhole(255.0L * h)));
}

void RotateArea(Engine &engine, std::uint8_t pair, XYRange range, int angle)
{
    if (angle == 0)
        return;
    range = bounded(range);
    for (int s = range.first; s <= range.last; ++s) {
        const auto [x, y] = RotateXY(xOf(engine, s, pair), yOf(engine, s, pair), angle);
        DataWriteXY(engine, static_cast<std::uint8_t>(s), pair, x, y);
    }
}

void copyToPairs(Engine &engine, std::uint8_t pair, XYRange range, const std::array<std::uint8_t, 3> &targets,
                 const std::array<bool, 3> &checked)
{
    range = bounded(range);
    for (int s = range.first; s <= range.last; ++s) {
        const std::uint8_t x = xOf(engine, s, pair);
        const std::uint8_t y = yOf(engine, s, pair);
        for (std::size_t k = 0; k < targets.size(); ++k) {
            if (!checked[k] || targets[k] > XYMaxPair)
                continue;
            const auto s8 = static_cast<std::uint8_t>(s);
            DataWrite(engine, s8, static_cast<std::uint8_t>(targets[k] + 1), x);
            DataWrite(engine, s8, static_cast<std::uint8_t>(targets[k] + 2), y);
        }
    }
}

} // namespace korvanel
