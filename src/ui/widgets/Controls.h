#pragma once
// Makers for the plain controls of the windows: each gets its name as
// objectName and the settings it starts with.

#include <QObject>
#include <QString>
#include <QStyle>
#include <initializer_list>

class QAbstractSpinBox;
class QCheckBox;
class QLabel;
class QScrollBar;
class QToolButton;
class QWidget;

namespace korvanel {

struct SpeedButtonSettings {
    const char *name;
    QString hint;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase; // SP_CustomBase: no picture
    QString caption = {};
    bool checkable = false;
};

// Speed buttons take the keyboard focus from Tab, never from a click: a click
// leaves the keys where they were.
QToolButton *makeSpeedButton(QWidget *parent, const SpeedButtonSettings &settings);

struct ScrollBarSettings {
    const char *name;
    Qt::Orientation orientation;
    int minimum;
    int maximum;
    int pageStep;
    int value;
    QString hint = {};
};

// The slider takes the focus from a click or Tab; the arrow keys then move it.
QScrollBar *makeScrollBar(QWidget *parent, const ScrollBarSettings &settings);

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QString &hint = {});

// The text of a read-out that changes as the show runs (the scene number, a
// generator's step). The label is held at the size of its text, so that a new
// text of the same size repaints the label alone: a label that may resize relays
// out its page, and a page control repaints the whole page on every relayout.
void setReadoutText(QLabel &label, const QString &text);

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &caption, const QString &hint, bool checked);

// A timer whose ticks never change what the output frame is made of (a clock,
// an indicator, the status line): the live display, resting, stays at rest.
void markOutputNeutral(QObject &timer, bool neutral = true);
bool isOutputNeutral(const QObject &object);

// The program's own name, the title of its message boxes. It is not the
// application's display name, which the platform would add to every caption.
QString programTitle();

// Number boxes whose limits depend on each other take a number when it is
// finished, not at each digit; an action reads what the box shows, even when
// the operator has not yet pressed Enter or left the box.
void limitOnFinishedNumbers(std::initializer_list<QAbstractSpinBox *> boxes);
void takeTypedNumbers(std::initializer_list<QAbstractSpinBox *> boxes);

} // namespace korvanel

namespace korvanel {

// The snapshot and undo buttons of an editing page: SpeedButtonMem<n> and
// SpeedButtonUndo<n>. Undo starts disabled, as there is nothing to bring back.
struct SnapshotPair {
    QToolButton *mem;
    QToolButton *undo;
    QToolButton *redo; // beside undo: what it took back
};
SnapshotPair makeSnapshotPair(QWidget *parent, int n, const QString &memHint, const QString &undoHint);

} // namespace korvanel
