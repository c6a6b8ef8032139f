#include "ui/widgets/PaneFill.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>
#include <optional>

namespace korvanel {

namespace {

std::optional<QColor> paneFillBehind(const QWidget &page)
{
    const QTabWidget *pane = nullptr;
    for (const QWidget *up = page.parentWidget(); up && !pane; up = up->parentWidget())
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

class PaneFillKeeper : public QObject {
public:
    PaneFillKeeper(QWidget &page, std::vector<QWidget *> widgets) : QObject(&page), m_widgets(std::move(widgets))
    {
        page.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show || type == QEvent::StyleChange || type == QEvent::PaletteChange) {
            const std::optional<QColor> colour = paneFillBehind(*static_cast<QWidget *>(watched));
            for (QWidget *widget : m_widgets)
                fillOwnBackground(*widget, colour);
        }
        return false;
    }

private:
    const std::vector<QWidget *> m_widgets;
};

} // namespace

void keepFilledLikePane(QWidget &page, std::vector<QWidget *> widgets) { new PaneFillKeeper(page, std::move(widgets)); }

} // namespace korvanel
