#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

#include "server/media/part_picture.h"

namespace media {

/// An announcement or opening advertisement. The client shows announcements in cells of
/// 605 x 405 pixels and advertisements in a 600 x 400 picture box, hence the default size.
struct PosterSpec {
    QString title;     ///< large, wrapped and made smaller until it fits, e.g. "Bahar Kampanyası"
    QString text;      ///< a short paragraph under the title, wrapped
    QString footer;    ///< small line at the bottom, e.g. the dealer's name; may be empty
    quint32 seed = 0;  ///< colour scheme and decoration
    /// A part drawn on the right (a campaign on brake discs shows one); otherwise a wheel.
    std::optional<PartKind> featuredPart;
    QString featuredBrand;  ///< printed on the featured part
    QSize size{600, 400};
    int quality = 82;
};

QByteArray renderPosterJpeg(const PosterSpec& spec);
QImage renderPoster(const PosterSpec& spec);

}  // namespace media
