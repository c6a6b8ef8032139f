#include "ui/widgets/CompactStyle.h"

#include <algorithm>

#include <QApplication>
#include <QPixmapCache>
#include <QStyleFactory>

namespace korvanel {

CompactStyle::CompactStyle(QObject *owner) : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(owner);
}

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_TabBarTabHSpace: // 5 px each side: every tab caption in sight at the design width
        return 10;
    case PM_TabBarTabVSpace:
        return 6;
    case PM_CheckBoxLabelSpacing: // sixteen picture boxes in the narrow right column
        return 1;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize CompactStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
                                     const QWidget *widget) const
{
    if (type != CT_CheckBox)
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    // Box, gap and caption only: the focus frame's margin would not leave room for eight in a row.
    const int box = pixelMetric(PM_IndicatorWidth, option, widget);
    return {box + pixelMetric(PM_CheckBoxLabelSpacing, option, widget) + contents.width(),
            std::max(pixelMetric(PM_IndicatorHeight, option, widget), contents.height())};
}

void boundStyleDrawingCache()
{
    // What one screen of the window needs fits well inside this; Qt's default of
    // 10 MB only fills up with sizes drawn once.
    QPixmapCache::setCacheLimit(1024);
}

} // namespace korvanel
