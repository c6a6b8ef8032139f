#pragma once
// Tight tab captions and check-box labels for the crowded main window, set on
// the widgets that need them. A style sheet would do the same but routes every
// widget beneath it through Qt's sheet style, whose drawing cache keeps growing
// over hours of a show.

#include <QProxyStyle>

namespace korvanel {

class CompactStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit CompactStyle(QObject *owner);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
                           const QWidget *widget) const override;
};

// Bounds Qt's pixmap cache, which the style fills with drawn widget parts.
void boundStyleDrawingCache();

} // namespace korvanel
