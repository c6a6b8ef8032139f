#include "editing/GraphEditor.h"

#include <algorithm>
#include <cstdlib>

#include "editing/SceneAccess.h"

namespace korvanel {

namespace {
int clampArea(const GraphView &view, int area) { return std::clamp(area, 0, graphAreaMaximum(view)); }

bool writable(int channel) { return channel >= 1 && channel <= static_cast<int>(ChannelCount); }
} // namespace

int graphAreaMaximum(const GraphView &view) { return std::max(view.GraphColumnScale - 1, 0); }

GraphRange graphShownScenes(const GraphView &view, int area)
{
    const int first = clampArea(view, area) * view.GraphScenesPerView;
    return {first, first + view.GraphScenesPerView - 1};
}

std::uint8_t graphSceneAt(const GraphView &view, int area, int x)
{
    x = std::clamp(x, 0, GraphWidth - 1);
    const int scene = (x / 2) / view.GraphColumnScale + clampArea(view, area) * view.GraphScenesPerView;
    return static_cast<std::uint8_t>(scene);
}

std::uint8_t graphLevelAt(int y) { return static_cast<std::uint8_t>(255 - std::clamp(y, 0, 255)); }

int levelPercent(int level) { return (level * 100 + 254) / 255; }

std::uint8_t graphLevel(const Engine &engine, int channel, std::uint8_t scene)
{
    return writable(channel) ? DataRead(engine, scene, static_cast<std::uint8_t>(channel)) : 0;
}

void graphDraw(Engine &engine, int channel, GraphTool tool, std::uint8_t scene, std::uint8_t level)
{
    if (!writable(channel))
        return;
    const auto c = static_cast<std::uint8_t>(channel);
    if (tool != GraphTool::Pen) {
        DataWrite(engine, scene, c, level);
        return;
    }
    // Scene 255 is left as it is.
    for (int s = scene; s <= 254; ++s)
        DataWrite(engine, static_cast<std::uint8_t>(s), c, level);
}

void graphRamp(Engine &engine, int channel, int anchorScene, std::uint8_t scene)
{
    if (!writable(channel))
        return;
    const auto c = static_cast<std::uint8_t>(channel);
    const auto anchor = static_cast<std::uint8_t>(anchorScene);
    const int a = DataRead(engine, anchor, c);
    const int b = DataRead(engine, scene, c);
    const int diff = std::abs(a - b);
    const int span = std::abs(scene - anchor);
    const int step = diff > 0 && span > 0 ? diff / span : 0;

    // Walk up from the lower scene; the rising or falling direction follows A and B.
    int from = anchor;
    int to = scene;
    int value = a;
    int delta = a < b ? step : -step;
    if (scene < anchor) {
        std::swap(from, to);
        value = b;
        delta = -delta;
    }
    for (int t = from + 1; t <= to; ++t) {
        value += delta;
        DataWrite(engine, static_cast<std::uint8_t>(t), c, value);
    }
}

} // namespace korvanel
