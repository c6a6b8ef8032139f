#pragma once
// An icon whose pictures are made when it is first drawn or measured, not when
// a button gets it: a window shows few of its pages at a time, and none before
// it is on the screen.

#include <QIcon>
#include <functional>

namespace korvanel {

// `make` runs once, on the UI thread, the first time the icon's pictures are needed.
// Copies of the icon share what it made.
QIcon lazyIcon(std::function<QIcon()> make);

} // namespace korvanel
