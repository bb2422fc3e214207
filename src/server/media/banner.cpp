#include "server/media/banner.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "server/media/drawing.h"
#include "server/media/gif_encoder.h"

namespace media {

namespace {

struct BannerScheme {
    const char* from;
    const char* to;
    const char* accent;
};

const BannerScheme kBannerSchemes[] = {
    {"#0b2545", "#13598b", "#ffc107"},
    {"#7f0000", "#c62828", "#ffeb3b"},
    {"#1b3a1b", "#2e7d32", "#ffd54f"},
    {"#212121", "#424242", "#ff6f00"},
};

constexpr int kFrameDelay = 8;   // centiseconds between frames
constexpr int kFinalHold = 300;  // the finished banner stays three seconds
constexpr int kMaxFrames = 60;

/// Where the two lines go: side by side on a long strip, stacked on a shorter one.
struct BannerLayout {
    QRectF headline, tagline;
};

qreal emblemSize(const QSizeF& size) {
    return std::min(size.height() * 0.62, size.width() * 0.2);
}

BannerLayout layoutFor(const QSizeF& size) {
    const qreal w = size.width(), h = size.height();
    const qreal pad = std::max(6.0, h * 0.12);
    const qreal left = pad + emblemSize(size) + pad * 0.8;
    if (w / h >= 5.0) {
        return {QRectF(left, pad, w * 0.44 - left, h - 2 * pad),
                QRectF(w * 0.46, pad, w * 0.54 - pad, h - 2 * pad)};
    }
    return {QRectF(left, pad, w - pad - left, (h - 2 * pad) * 0.56),
            QRectF(left, pad + (h - 2 * pad) * 0.56, w - pad - left, (h - 2 * pad) * 0.44)};
}

/// What every frame of one banner shares; the fonts are fitted once.
struct BannerLook {
    QSize size;
    const BannerScheme* scheme;
    BannerLayout layout;
    QFont headlineFont, taglineFont;
};

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

BannerLook lookFor(const BannerSpec& spec) {
    BannerLook look;
    look.size = boundedSize(spec.size, QSize(728, 90));
    SeededRandom random(spec.seed);
    look.scheme = &random.pick(kBannerSchemes);
    look.layout = layoutFor(QSizeF(look.size));
    look.headlineFont = fittedFont(mediaFont(look.layout.headline.height() * 0.62, true),
                                   spec.headline, look.layout.headline, kTextFlags, 8);
    look.taglineFont = fittedFont(mediaFont(look.layout.tagline.height() * 0.5), spec.tagline,
                                  look.layout.tagline, kTextFlags, 7);
    return look;
}

/// progress 0..1: the tagline slides in during the first half; sweep -1 = no light sweep,
/// otherwise its position 0..1 across the banner.
QImage drawBanner(const BannerSpec& spec, const BannerLook& look, qreal progress, qreal sweep) {
    const BannerScheme& scheme = *look.scheme;
    const QSize size = look.size;
    const qreal w = size.width(), h = size.height();
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient background(0, 0, w, 0);
    background.setColorAt(0, QColor(scheme.from));
    background.setColorAt(1, QColor(scheme.to));
    p.fillRect(image.rect(), background);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 14));
    for (qreal x = w * 0.3; x < w + h; x += h * 0.9)
        p.drawPolygon(QPolygonF({{x, 0}, {x + h * 0.3, 0}, {x - h * 0.2, h}, {x - h * 0.5, h}}));
    p.fillRect(QRectF(0, h - 3, w, 3), QColor(scheme.accent));

    // Emblem: a gear-like disc with the first letter of the headline.
    const qreal emblem = emblemSize(QSizeF(w, h));
    const QPointF emblemCentre(std::max(6.0, h * 0.12) + emblem * 0.5, h * 0.5);
    p.setBrush(QColor(scheme.accent));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(emblemCentre);
        p.rotate(45.0 * i + progress * 45.0);
        p.drawRect(QRectF(-emblem * 0.09, -emblem * 0.5, emblem * 0.18, emblem));
        p.restore();
    }
    p.drawEllipse(emblemCentre, emblem * 0.4, emblem * 0.4);
    p.setPen(QColor(scheme.from));
    p.setFont(mediaFont(emblem * 0.45, true));
    const QRectF emblemRect(emblemCentre.x() - emblem / 2, emblemCentre.y() - emblem / 2, emblem,
                            emblem);
    p.drawText(emblemRect, Qt::AlignCenter, spec.headline.left(1).toUpper());

    const BannerLayout& layout = look.layout;
    const int flags = kTextFlags;
    p.setFont(look.headlineFont);
    drawShadowedText(p, layout.headline, flags, spec.headline, Qt::white);

    const qreal slide = std::clamp(progress * 2.0, 0.0, 1.0);
    const qreal eased = 1.0 - (1.0 - slide) * (1.0 - slide) * (1.0 - slide);
    p.setOpacity(0.25 + 0.75 * eased);
    p.setFont(look.taglineFont);
    drawShadowedText(p, layout.tagline.translated((1.0 - eased) * (w - layout.tagline.left()), 0),
                     flags, spec.tagline, QColor(scheme.accent).lighter(130), 1.0);
    p.setOpacity(1);

    if (sweep >= 0) {
        const qreal x = -h + sweep * (w + 2 * h);
        QLinearGradient light(x - h * 0.4, 0, x + h * 0.4, 0);
        light.setColorAt(0, QColor(255, 255, 255, 0));
        light.setColorAt(0.5, QColor(255, 255, 255, 70));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawPolygon(
            QPolygonF({{x - h * 0.1, 0}, {x + h * 0.5, 0}, {x + h * 0.1, h}, {x - h * 0.5, h}}));
    }
    p.end();
    return image;
}

}  // namespace

QList<QImage> renderBannerFrames(const BannerSpec& spec) {
    const BannerLook look = lookFor(spec);
    const int count = std::clamp(spec.frameCount, 2, kMaxFrames);
    const int slideFrames = std::max(1, count / 2);
    QList<QImage> frames;
    for (int i = 0; i < count; ++i) {
        if (i < slideFrames) {
            frames.append(drawBanner(spec, look, 0.5 * i / slideFrames, -1));
        } else if (i < count - 1) {
            const qreal sweep = qreal(i - slideFrames) / std::max(1, count - 1 - slideFrames);
            frames.append(drawBanner(spec, look, 1.0, sweep));
        } else {
            frames.append(drawBanner(spec, look, 1.0, -1));
        }
    }
    return frames;
}

QByteArray renderAnimatedBannerGif(const BannerSpec& spec) {
    const QList<QImage> images = renderBannerFrames(spec);
    QList<GifFrame> frames;
    for (int i = 0; i < images.size(); ++i)
        frames.append({images[i], i + 1 == images.size() ? kFinalHold : kFrameDelay});
    return encodeGif(frames);
}

QByteArray renderStaticBannerGif(const BannerSpec& spec) {
    return encodeGif({{drawBanner(spec, lookFor(spec), 1.0, -1), 0}});
}

QByteArray renderBannerBitmap(const BannerSpec& spec) {
    const QImage still = drawBanner(spec, lookFor(spec), 1.0, -1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    writer.write(toIndexed(still, buildPalette({still})));
    return bytes;
}

}  // namespace media
