#pragma once
// Ready-made beam figures written into the beam editor's channel pair, one
// point per scene over the chosen range, and the circle point they build on.

#include <cstdint>
#include <utility>

#include "core/Engine.h"

namespace korvanel {

// Rounded up, but a value that is a whole number apart from floating-point
// noise stays that number (sin 180° is 0, not a hair above it).
int ceilWhole(long double value);

// The point at `angle` degrees (0 = top, clockwise) on the circle of diameter
// `diameter` centred between levels 127 and 128: first the sine-based level
// (X), then the cosine-based level (Y).
std::pair<int, int> Sinus(int angle, std::uint8_t diameter);

struct FigureSettings {
    std::uint8_t pair = 0;   // X to channel pair + 1, Y to pair + 2
    std::uint8_t layout = 2; // the circle's Y goes to channel pair + layout
    int from = 1;            // F, shown scene number
    int to = 32;             // T, shown scene number
    int size = 200;          // S, 20..250
    int option = 7;          // W, 0..10
};

// Each writes scenes F - 1 .. T - 1 and no others; with F = T the one scene
// gets the figure's start point.
void figureStroke(Engine &engine, const FigureSettings &f);
void figureTriangle(Engine &engine, const FigureSettings &f);
void figureSquare(Engine &engine, const FigureSettings &f);
void figureZigzag(Engine &engine, const FigureSettings &f);
void figureRaster(Engine &engine, const FigureSettings &f);
void figureCircle(Engine &engine, const FigureSettings &f);
void figureEight(Engine &engine, const FigureSettings &f);
void figureFourLeaf(Engine &engine, const FigureSettings &f);
void figureSpiral(Engine &engine, const FigureSettings &f);

} // namespace korvanel
