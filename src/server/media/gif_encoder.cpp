#include "server/media/gif_encoder.h"

#include <QHash>
#include <QRect>
#include <algorithm>
#include <array>
#include <vector>

namespace media {

namespace {

QImage opaque(const QImage& image) {
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

/// A colour of the histogram and how many pixels have it.
struct ColourCount {
    int r, g, b;
    qint64 count;
};

/// Median cut: split the box with the widest channel at the pixel-weighted median until there
/// are enough boxes; each box gives its weighted mean colour.
QList<QRgb> medianCut(std::vector<ColourCount> colours, int maxColours) {
    struct Box {
        int begin, end;  // range in colours
    };
    auto widest = [&](const Box& box, int* channel) {
        std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
        for (int i = box.begin; i < box.end; ++i) {
            const int c[3] = {colours[i].r, colours[i].g, colours[i].b};
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], c[k]);
                hi[k] = std::max(hi[k], c[k]);
            }
        }
        // Green counts most to the eye, blue least.
        const int spans[3] = {(hi[0] - lo[0]) * 3, (hi[1] - lo[1]) * 4, (hi[2] - lo[2]) * 2};
        *channel = int(std::max_element(spans, spans + 3) - spans);
        return spans[*channel];
    };
    std::vector<Box> boxes{{0, int(colours.size())}};
    while (int(boxes.size()) < maxColours) {
        int best = -1, bestSpan = 0, bestChannel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            int channel = 0;
            const int span = widest(boxes[i], &channel);
            if (span > bestSpan) {
                best = i;
                bestSpan = span;
                bestChannel = channel;
            }
        }
        if (best < 0)
            break;
        Box box = boxes[best];
        auto value = [bestChannel](const ColourCount& c) {
            return bestChannel == 0 ? c.r : bestChannel == 1 ? c.g : c.b;
        };
        std::stable_sort(
            colours.begin() + box.begin, colours.begin() + box.end,
            [&](const ColourCount& a, const ColourCount& b) { return value(a) < value(b); });
        qint64 total = 0;
        for (int i = box.begin; i < box.end; ++i)
            total += colours[i].count;
        qint64 running = 0;
        int split = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (running * 2 >= total)
                break;
        }
        boxes[best] = {box.begin, split};
        boxes.push_back({split, box.end});
    }
    QList<QRgb> palette;
    for (const Box& box : boxes) {
        qint64 r = 0, g = 0, b = 0, n = 0;
        for (int i = box.begin; i < box.end; ++i) {
            r += colours[i].r * colours[i].count;
            g += colours[i].g * colours[i].count;
            b += colours[i].b * colours[i].count;
            n += colours[i].count;
        }
        palette.append(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)));
    }
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

int distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

/// Variable-width LZW as GIF wants it: codes packed least significant bit first into
/// sub-blocks of at most 255 bytes.
class LzwWriter {
public:
    LzwWriter(QByteArray& out, int minCodeSize) : out_(out), minCodeSize_(minCodeSize) {}

    void encode(const uchar* pixels, qsizetype count) {
        out_.append(char(minCodeSize_));
        const int clearCode = 1 << minCodeSize_;
        resetTable();
        write(clearCode);
        if (count > 0) {
            int prefix = pixels[0];
            for (qsizetype i = 1; i < count; ++i) {
                const int k = pixels[i];
                const int key = (prefix << 8) | k;
                int slot = find(key);
                if (keys_[slot] == key) {
                    prefix = codes_[slot];
                    continue;
                }
                write(prefix);
                if (next_ < kMaxCodes) {
                    keys_[slot] = key;
                    codes_[slot] = next_++;
                    if (next_ > (1 << codeSize_) && codeSize_ < 12)
                        ++codeSize_;
                } else {
                    write(clearCode);
                    resetTable();
                }
                prefix = k;
            }
            write(prefix);
            if (next_ < kMaxCodes && ++next_ > (1 << codeSize_) && codeSize_ < 12)
                ++codeSize_;
        }
        write(clearCode + 1);
        if (bitCount_ > 0)
            pushByte(uchar(bits_));
        flushBlock();
        out_.append('\0');
    }

private:
    static constexpr int kMaxCodes = 4096;
    static constexpr int kTableSize = 8191;  // prime, about twice the codes

    void resetTable() {
        keys_.assign(kTableSize, -1);
        codes_.assign(kTableSize, 0);
        codeSize_ = minCodeSize_ + 1;
        next_ = (1 << minCodeSize_) + 2;
    }
    int find(int key) const {
        int slot = int((uint(key) * 2654435761u) % kTableSize);
        while (keys_[slot] != -1 && keys_[slot] != key)
            slot = (slot + 1) % kTableSize;
        return slot;
    }
    void write(int code) {
        bits_ |= quint32(code) << bitCount_;
        bitCount_ += codeSize_;
        while (bitCount_ >= 8) {
            pushByte(uchar(bits_ & 0xff));
            bits_ >>= 8;
            bitCount_ -= 8;
        }
    }
    void pushByte(uchar byte) {
        block_.append(char(byte));
        if (block_.size() == 255)
            flushBlock();
    }
    void flushBlock() {
        if (block_.isEmpty())
            return;
        out_.append(char(block_.size()));
        out_.append(block_);
        block_.clear();
    }

    QByteArray& out_;
    const int minCodeSize_;
    int codeSize_ = 0;
    int next_ = 0;
    std::vector<int> keys_, codes_;
    quint32 bits_ = 0;
    int bitCount_ = 0;
    QByteArray block_;
};

void appendWord(QByteArray& out, int value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

/// The smallest rectangle in which two frames differ; a 1 x 1 corner when they do not.
QRect changedRect(const QImage& previous, const QImage& current) {
    int top = -1, bottom = -1, left = current.width(), right = -1;
    for (int y = 0; y < current.height(); ++y) {
        const uchar* a = previous.constScanLine(y);
        const uchar* b = current.constScanLine(y);
        int first = -1, last = -1;
        for (int x = 0; x < current.width(); ++x) {
            if (a[x] != b[x]) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first < 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    if (top < 0)
        return QRect(0, 0, 1, 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

namespace {

/// buildPalette, telling whether the palette holds every colour of the images as it is.
QList<QRgb> choosePalette(const QList<QImage>& images, int maxColours, bool* exactColours) {
    maxColours = std::clamp(maxColours, 2, 256);
    QHash<QRgb, qint64> exact;
    bool tooMany = false;
    for (const QImage& any : images) {
        const QImage image = opaque(any);
        for (int y = 0; y < image.height() && !tooMany; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                ++exact[line[x] | 0xff000000u];
                if (exact.size() > maxColours) {
                    tooMany = true;
                    break;
                }
            }
        }
    }
    if (!tooMany) {
        QList<QRgb> palette = exact.keys();
        std::sort(palette.begin(), palette.end());  // hash order differs between runs
        if (palette.isEmpty())
            palette.append(qRgb(0, 0, 0));
        *exactColours = true;
        return palette;
    }
    *exactColours = false;
    // Histogram on 5 bits per channel; each cell remembers the mean of its real colours.
    std::vector<qint64> sums(32768 * 4, 0);
    for (const QImage& any : images) {
        const QImage image = opaque(any);
        for (int y = 0; y < image.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = line[x];
                const int cell = ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
                sums[cell * 4] += qRed(c);
                sums[cell * 4 + 1] += qGreen(c);
                sums[cell * 4 + 2] += qBlue(c);
                sums[cell * 4 + 3] += 1;
            }
        }
    }
    std::vector<ColourCount> colours;
    for (int cell = 0; cell < 32768; ++cell) {
        const qint64 n = sums[cell * 4 + 3];
        if (n == 0)
            continue;
        colours.push_back(
            {int(sums[cell * 4] / n), int(sums[cell * 4 + 1] / n), int(sums[cell * 4 + 2] / n), n});
    }
    return medianCut(std::move(colours), maxColours);
}

}  // namespace

QList<QRgb> buildPalette(const QList<QImage>& images, int maxColours) {
    bool exact = false;
    return choosePalette(images, maxColours, &exact);
}

namespace {

/// Finds the palette entry for a colour. With an exact palette every colour is looked up as it
/// is; otherwise by its 5-bit-per-channel cell, which is fast for the many shades that
/// antialiased, gradient-filled frames hold and as close as the median cut's own histogram.
class PaletteMapper {
public:
    PaletteMapper(const QList<QRgb>& palette, bool exact) : palette_(palette), exact_(exact) {
        if (!exact_)
            cells_.assign(32768, -1);
    }

    uchar operator()(QRgb colour) {
        colour |= 0xff000000u;
        if (exact_) {
            auto it = known_.constFind(colour);
            if (it == known_.constEnd())
                it = known_.insert(colour, nearest(colour));
            return *it;
        }
        const int cell =
            ((qRed(colour) >> 3) << 10) | ((qGreen(colour) >> 3) << 5) | (qBlue(colour) >> 3);
        if (cells_[cell] < 0) {
            const QRgb centre = qRgb(((cell >> 10) << 3) | 4, (((cell >> 5) & 31) << 3) | 4,
                                     ((cell & 31) << 3) | 4);
            cells_[cell] = nearest(centre);
        }
        return uchar(cells_[cell]);
    }

    QImage map(const QImage& any) {
        const QImage image = opaque(any);
        QImage indexed(image.size(), QImage::Format_Indexed8);
        indexed.setColorTable(palette_);
        for (int y = 0; y < image.height(); ++y) {
            const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            uchar* out = indexed.scanLine(y);
            for (int x = 0; x < image.width(); ++x)
                out[x] = (*this)(in[x]);
        }
        return indexed;
    }

private:
    uchar nearest(QRgb colour) const {
        int best = 0, bestDistance = distance(colour, palette_[0]);
        for (int i = 1; i < palette_.size() && bestDistance > 0; ++i) {
            const int d = distance(colour, palette_[i]);
            if (d < bestDistance) {
                best = i;
                bestDistance = d;
            }
        }
        return uchar(best);
    }

    const QList<QRgb>& palette_;
    const bool exact_;
    QHash<QRgb, uchar> known_;
    std::vector<qint16> cells_;
};

}  // namespace

QImage toIndexed(const QImage& image, const QList<QRgb>& palette) {
    return PaletteMapper(palette, true).map(image);
}

QByteArray encodeGif(const QList<GifFrame>& frames, int loopCount) {
    if (frames.isEmpty() || frames.first().image.isNull())
        return {};
    const QSize size = frames.first().image.size();
    QList<QImage> images;
    for (const GifFrame& frame : frames) {
        if (frame.image.size() != size)
            return {};
        images.append(opaque(frame.image));
    }
    bool exactColours = false;
    const QList<QRgb> palette = choosePalette(images, 256, &exactColours);
    int bits = 1;
    while ((1 << bits) < palette.size())
        ++bits;

    QByteArray out("GIF89a");
    appendWord(out, size.width());
    appendWord(out, size.height());
    out.append(char(0x80 | ((bits - 1) << 4) | (bits - 1)));  // global table, its size
    out.append('\0');                                         // background colour
    out.append('\0');                                         // square pixels
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (frames.size() > 1) {
        out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
        appendWord(out, std::clamp(loopCount, 0, 0xffff));
        out.append('\0');
    }

    QImage previous;
    PaletteMapper mapper(palette, exactColours);
    for (int f = 0; f < frames.size(); ++f) {
        const QImage indexed = mapper.map(images[f]);
        const QRect rect = previous.isNull() ? indexed.rect() : changedRect(previous, indexed);
        previous = indexed;

        out.append("\x21\xf9\x04", 3);
        out.append(char(1 << 2));  // leave the frame in place; no transparency
        appendWord(out, std::clamp(frames[f].delayCentiseconds, 0, 0xffff));
        out.append('\0');
        out.append('\0');

        out.append(char(0x2c));
        appendWord(out, rect.x());
        appendWord(out, rect.y());
        appendWord(out, rect.width());
        appendWord(out, rect.height());
        out.append('\0');  // no local table, not interlaced

        QByteArray pixels;
        pixels.reserve(qsizetype(rect.width()) * rect.height());
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            pixels.append(reinterpret_cast<const char*>(indexed.constScanLine(y)) + rect.x(),
                          rect.width());
        LzwWriter(out, std::max(2, bits))
            .encode(reinterpret_cast<const uchar*>(pixels.constData()), pixels.size());
    }
    out.append(char(0x3b));
    return out;
}

}  // namespace media
