#include "ui/widgets/WrappingLabel.h"

#include <QPainter>
#include <QTextLayout>

namespace korvanel {

WrappingLabel::WrappingLabel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize WrappingLabel::sizeHint() const
{
    const int width = std::max(this->width(), minimumSizeHint().width());
    return {width, heightForWidth(width)};
}

QSize WrappingLabel::minimumSizeHint() const { return {fontMetrics().averageCharWidth() * 8, fontMetrics().height()}; }

int WrappingLabel::heightForWidth(int width) const { return layOut(width, nullptr); }

void WrappingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layOut(width(), &painter);
}

int WrappingLabel::layOut(int width, QPainter *painter) const
{
    const QMargins margins = contentsMargins();
    const qreal lineWidth = std::max(1, width - margins.left() - margins.right());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal y = 0;
    for (const QString &paragraph : text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lineWidth);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout.endLayout();
        if (painter != nullptr)
            layout.draw(painter, QPointF(margins.left(), margins.top()));
    }
    return static_cast<int>(std::ceil(y)) + margins.top() + margins.bottom();
}

} // namespace korvanel
