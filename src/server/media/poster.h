#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace media {

/// An announcement or opening advertisement. The client shows announcements in cells of
/// 605 x 405 pixels and advertisements in a 600 x 400 picture box, hence the default size.
struct PosterSpec {
    QString title;     ///< large, at most two lines, e.g. "Bahar Kampanyası"
    QString text;      ///< a short paragraph under the title, wrapped
    QString footer;    ///< small line at the bottom, e.g. the dealer's name; may be empty
    quint32 seed = 0;  ///< colour scheme and decoration
    QSize size{600, 400};
    int quality = 82;
};

QByteArray renderPosterJpeg(const PosterSpec& spec);
QImage renderPoster(const PosterSpec& spec);

}  // namespace media
