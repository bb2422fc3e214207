#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace media {

/// What a part picture shows. Chosen from the part's description with partKindFor.
enum class PartKind {
    BrakeDisc,
    BrakePad,
    Filter,
    Bearing,
    Belt,
    SparkPlug,
    ShockAbsorber,
    Generic,  ///< a branded carton
};

/// Reads a Turkish part description (any case) for the kind of part it names, e.g.
/// "ÖN FREN DİSKİ" -> BrakeDisc, "YAĞ FİLTRESİ" -> Filter, "V KAYIŞI" -> Belt.
PartKind partKindFor(const QString& description);

struct PartPictureSpec {
    PartKind kind = PartKind::Generic;
    QString brand;     ///< printed on the part and in the caption, e.g. "KORVEX"
    QString partCode;  ///< printed in the caption, e.g. "0986 452 041"
    quint32 seed = 0;  ///< varies colours, angle and details; same seed, same picture
    QSize size{400, 300};
    int quality = 80;  ///< JPEG quality 0-100
};

/// A product shot of the part on a studio background, with brand and code. JPEG bytes; a
/// 400 x 300 picture comes to about 15-30 KB.
QByteArray renderPartPictureJpeg(const PartPictureSpec& spec);

/// The same picture before compression (for previews and tests).
QImage renderPartPicture(const PartPictureSpec& spec);

}  // namespace media
