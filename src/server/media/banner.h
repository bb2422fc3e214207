#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace media {

/// A banner strip. The header banner is shown at 409 x 100, the upper strip across the window
/// under the header, the lower banner scrolls along the bottom.
/// Sizes are kept within 16..4096 pixels a side (likewise for parts and posters).
struct BannerSpec {
    QString headline;  ///< e.g. the dealer's name
    QString tagline;   ///< a second message, e.g. "Yeni sezon fren balataları stokta"
    quint32 seed = 0;  ///< colour scheme
    QSize size{728, 90};
    int frameCount = 16;  ///< animated banners only; 2..60
};

/// The frames of the animation before encoding: the headline stays, the tagline slides in and
/// a light sweeps across; the last frame is held longest.
QList<QImage> renderBannerFrames(const BannerSpec& spec);

/// Animated GIF, looping forever.
QByteArray renderAnimatedBannerGif(const BannerSpec& spec);

/// One-frame GIF with headline and tagline.
QByteArray renderStaticBannerGif(const BannerSpec& spec);

/// The still banner as an 8-bit Windows bitmap (BMP), for the strip whose client loads a bitmap.
QByteArray renderBannerBitmap(const BannerSpec& spec);

}  // namespace media
