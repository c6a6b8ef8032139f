#pragma once
// A widget on a tab page that changes often repaints alone when it fills its
// own background: a transparent one makes every change repaint the window, the
// page control and the page behind it too. The fill is the colour the style
// gives the page's pane, so nothing looks different.

#include <QColor>
#include <optional>

class QWidget;

namespace korvanel {

// The colour of the pane of the nearest page control around widget; none outside one.
std::optional<QColor> paneFillBehind(const QWidget &widget);

// Fills widget with colour, or leaves it transparent without one. Call again
// when the style or the palette around it changes.
void fillOwnBackground(QWidget &widget, const std::optional<QColor> &colour);

} // namespace korvanel
