#pragma once
// Small picture buttons of the main window. They never take the keyboard focus,
// so the live keys keep working after a click.

#include <QStyle>
#include <QToolButton>

namespace korvanel {

struct SpeedButtonSpec {
    const char *name;
    QString hint;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;   // SP_CustomBase: no picture
    QString caption = {};
    bool checkable = false;
};

QToolButton *makeSpeedButton(QWidget *parent, const SpeedButtonSpec &spec);

} // namespace korvanel
