#include "client/app/artwork.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace app {

QPixmap artwork(const QString& name, QSize size, qreal devicePixelRatio) {
    QSvgRenderer renderer(u":/app/"_qs + name + u".svg"_qs);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

namespace {

/// Draws the picture when a size is first asked for, so that building a window costs no drawing.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString path) : path_(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        QSvgRenderer renderer(path_);
        renderer.render(painter, QRectF(rect));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const quint64 key = (quint64(size.width()) << 32) | quint64(size.height());
        if (!cache_.contains(key)) {
            QPixmap drawn(size);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
            cache_.insert(key, drawn);
        }
        return cache_.value(key);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new SvgIconEngine(path_); }
    QString key() const override { return QStringLiteral("varlenta-svg"); }

private:
    QString path_;
    QHash<quint64, QPixmap> cache_;
};

}  // namespace

QIcon artworkIcon(const QString& name, QSize) {
    return QIcon(new SvgIconEngine(u":/app/"_qs + name + u".svg"_qs));
}

}  // namespace app
