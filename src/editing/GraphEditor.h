#pragma once
// The channel graph: one channel's level drawn as a bar per scene. Pointer
// arithmetic, the view's range and the three ways of drawing levels.

#include <cstdint>

#include "core/Engine.h"

namespace korvanel {

inline constexpr int GraphWidth = 512;
inline constexpr int GraphHeight = 256;
// The channel slider reaches 255, one past the last channel; that "channel"
// has no byte of its own in a scene row, so it reads 0 and is never written.
inline constexpr int GraphNoChannel = 256;

// Scenes of the view at area slider position `area`: first .. last, 0-based.
struct GraphRange {
    int first;
    int last;
};
GraphRange graphShownScenes(const GraphView &view, int area);

// The area slider's maximum: one position per block of scenes.
int graphAreaMaximum(const GraphView &view);

// Scene under pointer x. A pointer dragged off the chart stays on the
// nearest scene of the view, so a drag never draws into scenes out of sight.
std::uint8_t graphSceneAt(const GraphView &view, int area, int x);

// Level under pointer y: the top row is 255, the bottom row 0.
std::uint8_t graphLevelAt(int y);

// Smallest whole percent not below level / 2.55.
int levelPercent(int level);

// Level of `channel` (1..256) in a scene; channel 256 reads 0.
std::uint8_t graphLevel(const Engine &engine, int channel, std::uint8_t scene);

enum class GraphTool { Arrow, Line, Pen };

// What a held button writes at the pointer: Arrow and Line the one scene,
// Pen the scene and every scene after it up to 254.
void graphDraw(Engine &engine, int channel, GraphTool tool, std::uint8_t scene, std::uint8_t level);

// The ramp between the anchor and the scene just drawn. The lower scene keeps
// its level; the others step by |A - B| div span from it.
void graphRamp(Engine &engine, int channel, int anchorScene, std::uint8_t scene);

} // namespace korvanel
