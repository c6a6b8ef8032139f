#include "ui/widgets/WheelGuard.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QTabBar>
#include <QWheelEvent>

namespace korvanel {

namespace {

bool scrollAreasOwnBar(const QWidget *widget)
{
    const auto *bar = qobject_cast<const QScrollBar *>(widget);
    if (bar == nullptr)
        return false;
    for (const QWidget *up = bar->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (const auto *area = qobject_cast<const QAbstractScrollArea *>(up))
            if (area->verticalScrollBar() == bar || area->horizontalScrollBar() == bar)
                return true;
    }
    return false;
}

bool valueControl(const QWidget *widget)
{
    return (qobject_cast<const QAbstractSpinBox *>(widget) != nullptr ||
            qobject_cast<const QComboBox *>(widget) != nullptr ||
            qobject_cast<const QAbstractSlider *>(widget) != nullptr ||
            qobject_cast<const QTabBar *>(widget) != nullptr) &&
        !scrollAreasOwnBar(widget);
}

} // namespace

WheelGuard::WheelGuard(QObject *parent) : QObject(parent) { qApp->installEventFilter(this); }

bool WheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Polish && event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || !valueControl(widget))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Polish) {
        // The wheel itself must not hand out the focus that lets it change the value.
        if (widget->focusPolicy() == Qt::WheelFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
        return QObject::eventFilter(watched, event);
    }
    if (widget->hasFocus())
        return QObject::eventFilter(watched, event);
    scrollAround(widget, event);
    return true;
}

void WheelGuard::scrollAround(QWidget *control, QEvent *event)
{
    const auto *wheel = static_cast<QWheelEvent *>(event);
    for (QWidget *up = control->parentWidget(); up != nullptr; up = up->parentWidget()) {
        auto *area = qobject_cast<QAbstractScrollArea *>(up);
        if (area == nullptr)
            continue;
        const QScrollBar *bar = wheel->angleDelta().y() != 0 ? area->verticalScrollBar() : area->horizontalScrollBar();
        if (bar->minimum() == bar->maximum())
            continue;
        QWidget *viewport = area->viewport();
        const QPointF at = viewport->mapFromGlobal(wheel->globalPosition());
        QWheelEvent moved(at, wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
                          wheel->modifiers(), wheel->phase(), wheel->inverted(), wheel->source());
        moved.setTimestamp(wheel->timestamp());
        QApplication::sendEvent(viewport, &moved);
        return;
    }
}

} // namespace korvanel
