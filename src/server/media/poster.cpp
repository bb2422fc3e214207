#include "server/media/poster.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "server/media/drawing.h"
#include "server/media/part_drawings.h"

namespace media {

namespace {

struct Scheme {
    const char* from;
    const char* to;
    const char* highlight;  ///< the band behind the footer and the title's underline
};

const Scheme kSchemes[] = {
    {"#0d47a1", "#1976d2", "#ffca28"}, {"#b71c1c", "#e53935", "#ffee58"},
    {"#1b5e20", "#43a047", "#fff176"}, {"#263238", "#455a64", "#ff7043"},
    {"#4a148c", "#7b1fa2", "#80deea"}, {"#e65100", "#fb8c00", "#263238"},
};

/// A stylised wheel rim in the corner: the dealer's trade at a glance.
void drawWheel(QPainter& p, QPointF centre, qreal radius, int spokes) {
    p.save();
    p.translate(centre);
    p.setPen(Qt::NoPen);
    QPainterPath tyre;
    tyre.addEllipse(QPointF(0, 0), radius, radius);
    tyre.addEllipse(QPointF(0, 0), radius * 0.74, radius * 0.74);
    p.fillPath(tyre, QColor(0, 0, 0, 45));
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawEllipse(QPointF(0, 0), radius * 0.74, radius * 0.74);
    p.setBrush(QColor(255, 255, 255, 40));
    QPainterPath rim;
    rim.addEllipse(QPointF(0, 0), radius * 0.74, radius * 0.74);
    rim.addEllipse(QPointF(0, 0), radius * 0.66, radius * 0.66);
    p.drawPath(rim);
    for (int i = 0; i < spokes; ++i) {
        p.save();
        p.rotate(360.0 * i / spokes);
        for (const qreal side : {-1.0, 1.0}) {
            QPainterPath spoke;
            spoke.moveTo(side * radius * 0.05, radius * 0.16);
            spoke.lineTo(side * radius * 0.11, radius * 0.67);
            spoke.lineTo(side * radius * 0.02, radius * 0.67);
            spoke.lineTo(side * radius * 0.015, radius * 0.16);
            p.drawPath(spoke);
        }
        p.restore();
    }
    p.drawEllipse(QPointF(0, 0), radius * 0.17, radius * 0.17);
    p.setBrush(QColor(0, 0, 0, 40));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(72.0 * i);
        p.drawEllipse(QPointF(0, radius * 0.1), radius * 0.022, radius * 0.022);
        p.restore();
    }
    p.restore();
}

}  // namespace

QImage renderPoster(const PosterSpec& spec) {
    SeededRandom random(spec.seed);
    const Scheme& scheme = random.pick(kSchemes);
    const QSize size = boundedSize(spec.size, QSize(600, 400));
    const qreal w = size.width(), h = size.height();
    const qreal s = std::min(w / 600.0, h / 400.0);

    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient background(0, 0, w, h);
    background.setColorAt(0, QColor(scheme.from));
    background.setColorAt(1, QColor(scheme.to));
    p.fillRect(image.rect(), background);

    // Light diagonal stripes and a soft glow behind the title.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    const int stripes = random.between(3, 5);
    for (int i = 0; i < stripes; ++i) {
        const qreal x = w * (0.35 + 0.16 * i) + random.between(-20, 20) * s;
        const qreal width = (24 + random.between(0, 40)) * s;
        p.drawPolygon(
            QPolygonF({{x, 0}, {x + width, 0}, {x + width - h * 0.6, h}, {x - h * 0.6, h}}));
    }
    QRadialGradient glow(w * 0.25, h * 0.3, w * 0.5);
    glow.setColorAt(0, QColor(255, 255, 255, 45));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);
    if (spec.featuredPart) {
        const QPointF centre(w - 130 * s, h * 0.56);
        QRadialGradient spot(centre, 150 * s);
        spot.setColorAt(0, QColor(255, 255, 255, 150));
        spot.setColorAt(0.6, QColor(255, 255, 255, 40));
        spot.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(spot);
        p.drawEllipse(centre, 150 * s, 150 * s);
        p.save();
        p.translate(centre);
        p.scale(0.72 * s, 0.72 * s);
        p.rotate(random.between(-6, 6));
        drawPart(p, *spec.featuredPart, PartLook{QColor(scheme.from), spec.featuredBrand, &random});
        p.restore();
    } else {
        drawWheel(p, QPointF(w - 95 * s, h - 120 * s), 150 * s, random.between(5, 7));
    }

    const qreal margin = 36 * s;
    const qreal footerHeight = spec.footer.isEmpty() ? 0 : 44 * s;
    const QRectF titleArea(margin, margin, w - 2 * margin - 40 * s, h * 0.36);
    const int titleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QFont titleFont =
        fittedFont(mediaFont(48 * s, true), spec.title, titleArea, titleFlags, 14 * s);
    p.setFont(titleFont);
    const QRectF titleUsed =
        QFontMetricsF(titleFont).boundingRect(titleArea, titleFlags, spec.title);
    drawShadowedText(p, titleArea, titleFlags, spec.title, Qt::white, 2 * s);

    const qreal underlineY = titleUsed.bottom() + 12 * s;
    p.fillRect(QRectF(margin, underlineY, 90 * s, 5 * s), QColor(scheme.highlight));

    const QRectF textArea(margin, underlineY + 22 * s, w * 0.62,
                          h - underlineY - 22 * s - footerHeight - 20 * s);
    const int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    p.setFont(fittedFont(mediaFont(22 * s), spec.text, textArea, textFlags, 9 * s));
    drawShadowedText(p, textArea, textFlags, spec.text, QColor(255, 255, 255, 235), 1.2 * s);

    if (!spec.footer.isEmpty()) {
        const QRectF footer(0, h - footerHeight, w, footerHeight);
        p.fillRect(footer, QColor(0, 0, 0, 110));
        p.fillRect(QRectF(0, footer.top(), w, 3 * s), QColor(scheme.highlight));
        const QRectF footerText = footer.adjusted(margin, 0, -margin, 0);
        p.setFont(fittedFont(mediaFont(18 * s, true), spec.footer, footerText,
                             Qt::AlignLeft | Qt::AlignVCenter, 8 * s));
        p.setPen(Qt::white);
        p.drawText(footerText, Qt::AlignLeft | Qt::AlignVCenter, spec.footer);
    }
    p.end();
    return image;
}

QByteArray renderPosterJpeg(const PosterSpec& spec) {
    return encodeJpeg(renderPoster(spec), spec.quality);
}

}  // namespace media
