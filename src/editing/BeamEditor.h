#pragma once
// The beam editor: a scanner's path as points (X, Y) of a channel pair over a
// range of scenes. Finding and dragging points, moving, mirroring, sizing,
// rotating and copying the path to other pairs.

#include <array>
#include <cstdint>
#include <utility>

#include "core/Engine.h"

namespace korvanel {

inline constexpr int XYNoScene = 300; // XYFoundScene when no point is under the pointer
inline constexpr int XYMaxPair = 253; // slider maximum: Y of the last pair is channel 255

// The scenes worked on, F - 1 .. T - 1, from the shown numbers F and T.
struct XYRange {
    int first;
    int last;
    static XYRange shown(int from, int to) { return {from - 1, to - 1}; }
    bool contains(int scene) const { return scene >= first && scene <= last; }
};

// "Все сцены": the shown range 1 .. last scene + 1, at least 1 .. 2 as the
// "to" field goes no lower than 2, nor higher than 255.
std::pair<int, int> xyAllScenesShown(std::uint8_t lastScene);

// Plane point of a pointer position: clamped to the plane, Y counted upward.
std::pair<int, int> xyPlanePoint(int pointerX, int pointerY);

// Level of a channel of the path; channel 256 (the Y of the last pair one
// channel apart) has no byte in the row and reads 0.
std::uint8_t xyLevel(const Engine &engine, std::uint8_t scene, int channel);

// SearchScena: the scene of the range whose point (channels pair + 1, pair + 2)
// lies within 3 of (x, y) on both axes; the lowest such scene, or XYNoScene.
int SearchScena(const Engine &engine, std::uint8_t pair, XYRange range, int x, int y);

// A dragged point follows the pointer; the point of scene 255 stays.
void xyDragPoint(Engine &engine, std::uint8_t pair, int scene, int x, int y);

// Operation codes of the move, mirror and size buttons.
enum XYCode : std::uint8_t {
    XYNone = 0,
    XYRight = 1,
    XYLeft = 2,
    XYUp = 3,
    XYDown = 4,
    XYMirrorX = 5,
    XYMirrorY = 6,
    XYSmaller = 7,
    XYLarger = 8,
};
constexpr bool xyRepeats(int code)
{
    return (code >= XYRight && code <= XYDown) || code == XYSmaller || code == XYLarger;
}

// One step of a move, mirror or size operation on every scene of the range.
void ButtonRepeat(Engine &engine, std::uint8_t pair, XYRange range, int code);

// One point turned clockwise by `angle` degrees about the plane's centre.
std::pair<int, int> RotateXY(int x, int y, int angle);

// Every point of the range turned; angle 0 does nothing.
void RotateArea(Engine &engine, std::uint8_t pair, XYRange range, int angle);

// The path of the range written into the further pairs whose flag is set.
// The caller takes the undo snapshot first.
void copyToPairs(Engine &engine, std::uint8_t pair, XYRange range, const std::array<std::uint8_t, 3> &targets,
                 const std::array<bool, 3> &checked);

} // namespace korvanel
