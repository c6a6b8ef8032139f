#pragma once
// A drawing surface: its owner draws it and hears its mouse, always in the
// box's design size. A box given another size is drawn scaled to it and the
// mouse positions are scaled back, so the owner never sees the difference.

#include <QWidget>
#include <functional>

class QPainter;

namespace korvanel {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(const char *name, QSize size, QWidget *parent = nullptr);

    // Called from paintEvent with a painter on the box.
    void setPainter(std::function<void(QPainter &)> paint) { m_paint = std::move(paint); }

    QSize sizeHint() const override { return m_size; }
    QSize designSize() const { return m_size; }

signals:
    void mouseDown(Qt::MouseButton button, QPoint at);
    void mouseMove(QPoint at);
    void mouseUp(Qt::MouseButton button, QPoint at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF scale() const;
    QPoint toDesign(QPointF at) const;

    QSize m_size;
    std::function<void(QPainter &)> m_paint;
};

} // namespace korvanel
