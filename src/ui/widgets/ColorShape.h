#pragma once
// A small filled rectangle: the tempo indicator and the channel colour cells.

#include <QColor>
#include <QWidget>

namespace korvanel {

class ColorShape : public QWidget {
    Q_OBJECT
public:
    explicit ColorShape(const QColor &color, QWidget *parent = nullptr);

    QColor brushColor() const { return m_color; }
    void setBrushColor(const QColor &color);

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};

} // namespace korvanel
