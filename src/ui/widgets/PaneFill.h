#pragma once
// A widget on a tab page that changes often repaints alone when it fills its
// own background: a transparent one makes every change repaint the window, the
// page control and the page behind it too. The fill is the colour the style
// gives the page's pane, so nothing looks different.

#include <vector>

class QWidget;

namespace korvanel {

// Keeps widgets filled with the colour of the pane of the nearest page control
// around page (transparent outside one): worked out when page is shown and
// whenever its style or palette changes, as a show's window colour does.
void keepFilledLikePane(QWidget &page, std::vector<QWidget *> widgets);

} // namespace korvanel
