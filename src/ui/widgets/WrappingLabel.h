#pragma once
// A label for texts that may hold long paths: it wraps at word boundaries and,
// where a word is longer than the line, inside the word, so its text is read
// in full and never widens the window.

#include <QLabel>

class QPainter;

namespace korvanel {

class WrappingLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappingLabel(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Lays the text out at a width; draws it when given a painter. Returns the height.
    int layOut(int width, QPainter *painter) const;
};

} // namespace korvanel
