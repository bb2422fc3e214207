#include "server/media/part_picture.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QRadialGradient>

#include "server/media/drawing.h"
#include "server/media/part_drawings.h"

namespace media {

PartKind partKindFor(const QString& description) {
    const QString text = QLocale(QLocale::Turkish).toUpper(description);
    struct Rule {
        const char* word;
        PartKind kind;
    };
    // Order matters: "FREN BALATASI" before "FREN", "DİSK" alone may also be a clutch disc.
    static const Rule rules[] = {
        {"BALATA", PartKind::BrakePad},
        {"DİSK", PartKind::BrakeDisc},
        {"DISK", PartKind::BrakeDisc},
        {"FİLTRE", PartKind::Filter},
        {"FILTRE", PartKind::Filter},
        {"RULMAN", PartKind::Bearing},
        {"KAYIŞ", PartKind::Belt},
        {"KAYIS", PartKind::Belt},
        {"BUJİ", PartKind::SparkPlug},
        {"BUJI", PartKind::SparkPlug},
        {"AMORTİSÖR", PartKind::ShockAbsorber},
        {"AMORTISOR", PartKind::ShockAbsorber},
    };
    for (const Rule& rule : rules)
        if (text.contains(QString::fromUtf8(rule.word)))
            return rule.kind;
    return PartKind::Generic;
}

QImage renderPartPicture(const PartPictureSpec& spec) {
    static const QColor accents[] = {"#c62828", "#1565c0", "#ef6c00", "#2e7d32",
                                     "#283593", "#f9a825", "#6a1b9a", "#00838f"};
    SeededRandom random(spec.seed);
    const QColor accent = random.pick(accents);
    const QSize size = boundedSize(spec.size, QSize(400, 300));
    const qreal w = size.width(), h = size.height();
    const qreal captionHeight = std::max(36.0, h * 0.18);

    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QRadialGradient studio(w * 0.5, h * 0.35, std::max(w, h) * 0.75);
    studio.setColorAt(0, QColor("#fbfbfc"));
    studio.setColorAt(1, QColor("#d5d9de"));
    painter.fillRect(image.rect(), studio);

    const QRectF stage(0, 0, w, h - captionHeight);
    const qreal unit = std::min(stage.width() / 320.0, stage.height() / 215.0);
    QRadialGradient shadow(0, 0, 1);
    shadow.setCoordinateMode(QGradient::ObjectMode);
    shadow.setCenter(0.5, 0.5);
    shadow.setFocalPoint(0.5, 0.5);
    shadow.setRadius(0.5);
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(stage.center().x(), stage.center().y() + 88 * unit), 140 * unit,
                        18 * unit);

    painter.save();
    painter.translate(stage.center());
    painter.scale(unit, unit);
    painter.rotate(random.between(-4, 4));
    drawPart(painter, spec.kind, PartLook{accent, spec.brand, &random});
    painter.restore();

    const QRectF caption(0, h - captionHeight, w, captionHeight);
    painter.fillRect(caption, Qt::white);
    painter.fillRect(QRectF(0, caption.top(), w, 3), accent);
    const qreal margin = captionHeight * 0.35;
    const QRectF textArea = caption.adjusted(margin, 3, -margin, 0);
    const QFont brandFont = fittedFont(mediaFont(captionHeight * 0.42, true), spec.brand, textArea,
                                       Qt::AlignLeft | Qt::AlignVCenter, 8);
    painter.setFont(brandFont);
    painter.setPen(accent.darker(115));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, spec.brand);
    const qreal brandWidth = QFontMetricsF(brandFont).horizontalAdvance(spec.brand);
    const QRectF codeArea = textArea.adjusted(brandWidth + margin, 0, 0, 0);
    painter.setFont(fittedFont(mediaFont(captionHeight * 0.34), spec.partCode, codeArea,
                               Qt::AlignRight | Qt::AlignVCenter, 7));
    painter.setPen(QColor("#37474f"));
    painter.drawText(codeArea, Qt::AlignRight | Qt::AlignVCenter, spec.partCode);
    painter.end();
    return image;
}

QByteArray renderPartPictureJpeg(const PartPictureSpec& spec) {
    return encodeJpeg(renderPartPicture(spec), spec.quality);
}

}  // namespace media
