#pragma once
// Drawings that grow with the main window: what the window has beyond its
// design size is handed to `grow`, so that at the design size every page
// looks as it was laid out and a larger window gives the drawing the room.

#include <QObject>
#include <QSize>
#include <functional>

class QWidget;

namespace korvanel {

class GrowWithWindow : public QObject {
public:
    // `grow` gets the width and height beyond `design`, never negative; `owner` keeps the watch.
    GrowWithWindow(QWidget &window, QSize design, QObject *owner, std::function<void(QSize extra)> grow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSize m_design;
    std::function<void(QSize)> m_grow;
};

} // namespace korvanel
