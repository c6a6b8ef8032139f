#pragma once
// Small pictures for the buttons of the graph and beam editors, drawn once, when first shown.

#include <QIcon>

namespace korvanel {

enum class EditorIcon {
    GraphArrow, // one scene
    GraphLine,  // a ramp between two scenes
    GraphPen,   // one level repeated to the right
    MirrorX,
    MirrorY,
    Larger,
    Smaller,
    Rotate,
    CopyPairs,
    Stroke,
    Triangle,
    Square,
    Snake,
    Circle,
    Spiral,
};

QIcon editorIcon(EditorIcon icon);

} // namespace korvanel
