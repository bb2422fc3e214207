#include "client/app/artwork.h"

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

QIcon artworkIcon(const QString& name, QSize size) {
    QIcon icon;
    icon.addPixmap(artwork(name, size, 1.0));
    icon.addPixmap(artwork(name, size, 2.0));
    return icon;
}

}  // namespace app
