#pragma once
// The graph editor's zoom: how many scenes one view shows.

#include <cstdint>

#include "core/Engine.h"

namespace korvanel {

// Zoom slider position for a show whose last scene is lastScene: 256 div
// lastScene, at most 3. A show of one scene (lastScene 0) gets 3, like a show
// of two: the shorter the show, the wider its columns.
int graphZoomForLastScene(std::uint8_t lastScene);

// 0 → 1 and 256, 1 → 2 and 128, 2 → 4 and 64, 3 → 8 and 32; out of range is held to 0..3.
GraphView graphViewForZoom(int zoom);

} // namespace korvanel
