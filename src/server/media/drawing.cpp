#include "server/media/drawing.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>

namespace media {

quint32 SeededRandom::next() {
    // splitmix64
    quint64 z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return quint32((z ^ (z >> 31)) >> 32);
}

int SeededRandom::between(int low, int high) {
    if (high <= low)
        return low;
    return low + int(next() % quint32(high - low + 1));
}

double SeededRandom::unit() {
    return next() / 4294967296.0;
}

QFont mediaFont(qreal size, bool bold, bool pointSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    if (pointSize)
        font.setPointSizeF(size);
    else
        font.setPixelSize(std::max(1, qRound(size)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont fittedFont(QFont font, const QString& text, const QRectF& rect, int flags, qreal minSize) {
    const bool pixels = font.pixelSize() > 0;
    qreal size = pixels ? font.pixelSize() : font.pointSizeF();
    while (size > minSize) {
        const QRectF needed = QFontMetricsF(font).boundingRect(rect, flags, text);
        if (needed.width() <= rect.width() + 0.5 && needed.height() <= rect.height() + 0.5)
            break;
        size -= 1;
        if (pixels)
            font.setPixelSize(std::max(1, qRound(size)));
        else
            font.setPointSizeF(size);
    }
    return font;
}

void drawShadowedText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                      const QColor& colour, qreal offset) {
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(rect.translated(offset, offset), flags, text);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

QSize boundedSize(const QSize& asked, const QSize& fallback) {
    if (asked.isEmpty())
        return fallback;
    return QSize(std::clamp(asked.width(), 16, 4096), std::clamp(asked.height(), 16, 4096));
}

QByteArray encodeJpeg(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(std::clamp(quality, 1, 100));
    writer.setOptimizedWrite(true);
    writer.write(image.convertToFormat(QImage::Format_RGB32));
    return bytes;
}

}  // namespace media
