#include "ui/rightcolumn/ConveyorKeys.h"

#include <QCoreApplication>
#include <QToolButton>

namespace korvanel {

namespace {

constexpr char Letters[] = "QWERTYUIOPASDFGHJKL";

void paint(QToolButton &button, const QColor &colour, bool bold)
{
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, colour);
    button.setPalette(palette);
    QFont font = button.font();
    font.setBold(bold);
    button.setFont(font);
}

} // namespace

QString conveyorKeyPrefix(int n)
{
    if (n >= 1 && n <= 19)
        return QString(QLatin1Char(Letters[n - 1])) + QLatin1Char('=');
    return QStringLiteral(" ");
}

void showConveyorKeyFile(QToolButton &button, int n, const QString &shortName)
{
    paint(button, QColor(0, 0, 128), true);
    button.setText(conveyorKeyPrefix(n) + shortName);
}

void showConveyorKeyEmpty(QToolButton &button, int n)
{
    paint(button, QColor(255, 0, 0), false);
    const QString empty = QCoreApplication::translate("ConveyorKeys", "пусто");
    button.setText(n >= 1 && n <= 19 ? QString(QLatin1Char(Letters[n - 1])) + QLatin1Char(' ') + empty : empty);
}

void showConveyorKeyCleared(QToolButton &button, int n)
{
    paint(button, QColor(255, 0, 0), false);
    const QString empty = QCoreApplication::translate("ConveyorKeys", "(пусто)");
    button.setText(n >= 1 && n <= 19 ? QString(QLatin1Char(Letters[n - 1])) + QLatin1Char(' ') + empty : empty);
}

} // namespace korvanel
