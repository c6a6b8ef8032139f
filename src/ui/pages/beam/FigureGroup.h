#pragma once
// The group "Создание Фигур ": nine figure buttons and the size and option
// sliders the figures are drawn with.

#include <QGroupBox>

#include "editing/FigureGenerators.h"

class QScrollBar;

namespace korvanel {

class FigureGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit FigureGroup(QWidget *parent = nullptr);

    using Generator = void (*)(Engine &, const FigureSettings &);
    static constexpr int FigureCount = 9;
    // The generator of button `index` (0..8, in the order of the buttons).
    static Generator generator(int index);

    int figureSize() const;   // S, ScrollBarEditMaxX
    int figureOption() const; // W, ScrollBarEditWide
    QScrollBar *sizeBar() const { return m_size; }
    QScrollBar *optionBar() const { return m_option; }

signals:
    void figureClicked(int index);

private:
    QScrollBar *m_size;
    QScrollBar *m_option;
};

} // namespace korvanel
