#pragma once
// The main window's keyboard focus. A text field keeps the keys it types
// with, so the live keys and the window's Ctrl commands come back only once
// the focus is out of it: a click anywhere outside the field, or Enter, takes
// it out (the field keeps what was typed, as on leaving it); Escape in a
// number box drops digits it has not taken yet and takes it out. Tab then
// goes on from the field that was left. Enter presses a focused button or
// box, as the space bar is a picture key.

#include <QObject>
#include <QPointer>

class QKeyEvent;

namespace korvanel {

class WindowServices;

class KeyboardFocus : public QObject {
    Q_OBJECT
public:
    explicit KeyboardFocus(WindowServices &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPress(QWidget &focus, const QKeyEvent &event);
    // Tab or Shift+Tab with the window itself focused: the control after (before) the last field.
    bool tabFromLastField(bool forward);

    // Kept as a widget: the filter still sees events while the window is being destroyed.
    QWidget &m_mainWindow;
    QPointer<QWidget> m_lastField;
};

} // namespace korvanel
