#include "playback/HandScan.h"

#include <algorithm>
#include <utility>

namespace korvanel {

PadLevels padLevels(int padX, int padY, bool invertX, bool invertY, bool swap)
{
    int x = std::clamp(padX, 0, PadSize - 1);
    int y = (PadSize - 1) - std::clamp(padY, 0, PadSize - 1);
    if (invertX)
        x = 255 - x;
    if (invertY)
        y = 255 - y;
    if (swap)
        std::swap(x, y);
    return {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
}

bool writeHandScanPairs(Engine &engine, PadLevels levels, bool writeScene)
{
    bool deselected = false;
    for (std::size_t c = 1; c <= ChannelCount; ++c) {
        if (engine.SceneMemory.get(selectionByte(c)) != 1)
            continue;
        if (c < ChannelCount && engine.SceneMemory.get(selectionByte(c + 1)) == 1) {
            engine.SceneMemory.set(selectionByte(c + 1), 0);
            deselected = true;
        }
        if (!writeScene)
            continue;
        const std::uint8_t scene = engine.currentScene();
        RaschetAdr(engine, scene);
        engine.SceneMemory.set(sceneByte(scene, c), levels.x);
        engine.SceneMemory.set(handScanYByte(scene, c), levels.y);
    }
    return deselected;
}

} // namespace korvanel
