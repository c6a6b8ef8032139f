#pragma once
// The wheel changes a value control (number box, combo box, slider, scroll
// bar, tab bar) only when the operator has given it the focus on purpose, by
// a click or Tab; otherwise the wheel scrolls the page around it, or does
// nothing. A wheel turned to scroll a page must not change a setting on the
// way, unseen. The bars a scroll area scrolls with stay the wheel's.

#include <QObject>

class QWidget;

namespace korvanel {

class WheelGuard : public QObject {
public:
    // Watches every widget of the application while it lives.
    explicit WheelGuard(QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Sent on to the nearest scroll area around `control` that can scroll.
    static void scrollAround(QWidget *control, QEvent *event);
};

} // namespace korvanel
