#pragma once

// Small drawing aids shared by the picture and document renderers of this folder.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace media {

/// A reproducible stream of numbers from a seed (the standard library's distributions differ
/// between implementations, so pictures would not be the same bytes everywhere).
class SeededRandom {
public:
    explicit SeededRandom(quint32 seed) : state_(0x9E3779B97F4A7C15ull ^ seed) {}
    quint32 next();
    int between(int low, int high);  ///< low..high inclusive
    double unit();                   ///< [0, 1)
    template <class T, qsizetype N>
    const T& pick(const T (&items)[N]) {
        return items[between(0, int(N) - 1)];
    }

private:
    quint64 state_;
};

/// DejaVu Sans at a pixel size (pictures) or a point size (documents), hinting off so glyphs
/// are placed the same on every machine that has the font.
QFont mediaFont(qreal size, bool bold = false, bool pointSize = false);

/// The largest font no larger than `font` whose text, wrapped to the rectangle, fits it.
QFont fittedFont(QFont font, const QString& text, const QRectF& rect, int flags, qreal minSize);

/// Text with a soft dark shadow beneath, for light text on busy backgrounds.
void drawShadowedText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                      const QColor& colour, qreal offset = 1.5);

QByteArray encodeJpeg(const QImage& image, int quality);

/// The asked size within 16..4096 pixels a side, or the fallback when the asked one is empty.
QSize boundedSize(const QSize& asked, const QSize& fallback);

}  // namespace media
