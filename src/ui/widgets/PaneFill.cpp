#include "ui/widgets/PaneFill.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>

namespace korvanel {

std::optional<QColor> paneFillBehind(const QWidget &widget)
{
    const QTabWidget *pane = nullptr;
    for (const QWidget *up = widget.parentWidget(); up && !pane; up = up->parentWidget())
        pane = qobject_cast<const QTabWidget *>(up);
    if (!pane)
        return std::nullopt;
    // What the style fills the pane with, read from a small pane drawn aside.
    QStyleOptionTabWidgetFrame option;
    option.initFrom(pane);
    option.rect = QRect(0, 0, 32, 32);
    QImage sample(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    sample.fill(pane->palette().color(QPalette::Window));
    {
        QPainter painter(&sample);
        pane->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, pane);
    }
    return sample.pixelColor(16, 16);
}

void fillOwnBackground(QWidget &widget, const std::optional<QColor> &colour)
{
    if (!colour) {
        widget.setAutoFillBackground(false);
        return;
    }
    if (widget.autoFillBackground() && widget.palette().color(QPalette::Window) == *colour)
        return;
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Window, *colour);
    widget.setPalette(colours);
    widget.setAutoFillBackground(true);
}

} // namespace korvanel
