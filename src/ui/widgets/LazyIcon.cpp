#include "ui/widgets/LazyIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <memory>

namespace korvanel {

namespace {

class LazyIconEngine : public QIconEngine {
public:
    struct Source {
        std::function<QIcon()> make;
        QIcon icon;
        const QIcon &get()
        {
            if (make) {
                icon = make();
                make = nullptr;
            }
            return icon;
        }
    };

    explicit LazyIconEngine(std::shared_ptr<Source> source) : m_source(std::move(source)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        m_source->get().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_source->get().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_source->get().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        // `size` is in device pixels already.
        return m_source->get().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_source->get().availableSizes(mode, state);
    }
    // The icons made here always have a picture; saying so needs none made.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("KorvanelLazyIcon"); }
    QIconEngine *clone() const override { return new LazyIconEngine(m_source); }

private:
    std::shared_ptr<Source> m_source;
};

} // namespace

QIcon lazyIcon(std::function<QIcon()> make)
{
    return QIcon(
        new LazyIconEngine(std::make_shared<LazyIconEngine::Source>(LazyIconEngine::Source{std::move(make), {}})));
}

} // namespace korvanel
