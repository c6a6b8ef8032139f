#include "ui/pages/beam/FigureGroup.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QToolButton>

#include "ui/widgets/Controls.h"
#include "ui/widgets/EditorIcons.h"

namespace korvanel {

namespace {

struct Figure {
    const char *name;
    FigureGroup::Generator generate;
    EditorIcon icon; // used when there is no caption
    const char *caption;
};

const Figure Figures[FigureGroup::FigureCount] = {
    {"SpeedButtonEditXYmadeLine", figureStroke, EditorIcon::Stroke, nullptr},
    {"SpeedButtonEditXYmadeTreug", figureTriangle, EditorIcon::Triangle, nullptr},
    {"SpeedButtonEditXYmadeRect", figureSquare, EditorIcon::Square, nullptr},
    {"SpeedButtonEditXYmadeSix", figureZigzag, EditorIcon::Stroke, "X"},
    {"SpeedButtonEditXYmadeSnake", figureRaster, EditorIcon::Snake, nullptr},
    {"SpeedButtonEditXYmadeCucle", figureCircle, EditorIcon::Circle, nullptr},
    {"SpeedButtonEditXYmade8", figureEight, EditorIcon::Circle, "8"},
    {"SpeedButtonEditXYmadePent", figureFourLeaf, EditorIcon::Circle, "88"},
    {"SpeedButtonEditSpiral", figureSpiral, EditorIcon::Spiral, nullptr},
};

} // namespace

FigureGroup::Generator FigureGroup::generator(int index)
{
    return index >= 0 && index < FigureCount ? Figures[index].generate : nullptr;
}

FigureGroup::FigureGroup(QWidget *parent) : QGroupBox(tr("Создание Фигур "), parent)
{
    setObjectName(QStringLiteral("GroupBoxMadeFigure"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setSpacing(2);
    for (int i = 0; i < FigureCount; ++i) {
        const Figure &f = Figures[i];
        QToolButton *button = makeSpeedButton(this, {f.name, tr("Вычертить фигугу по сценам")});
        if (f.caption) {
            button->setText(QString::fromLatin1(f.caption));
            QFont bold = button->font();
            bold.setBold(true);
            button->setFont(bold);
        } else {
            button->setIcon(editorIcon(f.icon));
            button->setIconSize({20, 20});
        }
        button->setFixedSize(30, 28);
        connect(button, &QToolButton::clicked, this, [this, i] { emit figureClicked(i); });
        grid->addWidget(button, i / 3, i % 3);
    }
    m_size =
        makeScrollBar(this, {"ScrollBarEditMaxX", Qt::Horizontal, 20, 250, 10, 200, tr("размер создаваемой фигуры")});
    m_option = makeScrollBar(this, {"ScrollBarEditWide", Qt::Vertical, 0, 10, 1, 7, tr("вид или длинна конца фигуры")});
    grid->addWidget(m_option, 0, 3, 3, 1);
    grid->addWidget(m_size, 3, 0, 1, 4);
}

int FigureGroup::figureSize() const { return m_size->value(); }

int FigureGroup::figureOption() const { return m_option->value(); }

} // namespace korvanel
