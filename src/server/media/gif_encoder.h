#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace media {

/// One picture of a GIF and how long it stays on screen.
struct GifFrame {
    QImage image;               ///< any format; alpha is dropped
    int delayCentiseconds = 0;  ///< 0 = as fast as the viewer goes
};

/// Encodes a GIF89a: one global colour table shared by all frames (the exact colours when the
/// frames hold at most 256 of them, otherwise a median-cut palette with nearest-colour mapping,
/// no dithering), LZW-compressed image data, a graphic control extension per frame with its delay,
/// and for more than one frame the NETSCAPE2.0 loop extension (loopCount 0 = forever). Frames
/// after the first are stored as the rectangle that changed. Returns empty bytes for no frames, an
/// empty first frame or a frame whose size differs from the first's.
QByteArray encodeGif(const QList<GifFrame>& frames, int loopCount = 0);

/// At most 256 colours chosen by median cut over the given frames' pixels (exact when they hold
/// at most maxColours distinct colours). Exposed for the lower banner's 8-bit bitmap.
QList<QRgb> buildPalette(const QList<QImage>& images, int maxColours = 256);

/// The image mapped onto the palette (nearest colour), as Format_Indexed8 with that colour table.
QImage toIndexed(const QImage& image, const QList<QRgb>& palette);

}  // namespace media
