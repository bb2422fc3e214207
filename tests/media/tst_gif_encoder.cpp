#include <QBuffer>
#include <QImageReader>
#include <QTest>

#include "server/media/gif_encoder.h"

using media::encodeGif;
using media::GifFrame;

namespace {

/// Every frame the GIF reader gives, in order.
QList<QImage> decodeAll(const QByteArray& gif, int* loopCount = nullptr,
                        QList<int>* delays = nullptr) {
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QList<QImage> frames;
    if (loopCount)
        *loopCount = reader.loopCount();
    while (reader.canRead()) {
        const int delay = reader.nextImageDelay();
        QImage frame = reader.read();
        if (frame.isNull())
            break;
        frames.append(frame.convertToFormat(QImage::Format_RGB32));
        if (delays)
            delays->append(delay);
    }
    return frames;
}

QImage patterned(QSize size, const QList<QRgb>& colours, quint32 seed) {
    QImage image(size, QImage::Format_RGB32);
    quint32 state = seed;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            state = state * 1664525u + 1013904223u;  // noise defeats LZW runs on purpose
            image.setPixel(x, y, colours[(state >> 24) % colours.size()]);
        }
    }
    return image;
}

/// Walks the GIF's blocks and decodes each frame's LZW codes the strict way: the stream must
/// end with the end code right after the frame's last pixel, with no bytes left over. Qt's
/// reader stops once a frame is full and would not notice a wrong code width at the end.
/// Returns the number of frames, or -1 with the fault in *fault.
int strictFrameCount(const QByteArray& gif, QString* fault) {
    const auto byte = [&](qsizetype i) { return i < gif.size() ? uchar(gif[i]) : 0; };
    if (!gif.startsWith("GIF89a"))
        return *fault = QStringLiteral("header"), -1;
    qsizetype pos = 13;
    if (byte(10) & 0x80)
        pos += 3 * (2 << (byte(10) & 7));
    int frames = 0;
    while (pos < gif.size()) {
        const uchar introducer = byte(pos++);
        if (introducer == 0x3b)
            return frames;
        if (introducer == 0x21) {
            for (++pos; byte(pos) != 0; pos += byte(pos) + 1) {
            }
            ++pos;
            continue;
        }
        if (introducer != 0x2c)
            return *fault = QStringLiteral("block at %1").arg(pos), -1;
        const int pixels =
            (byte(pos + 4) | byte(pos + 5) << 8) * (byte(pos + 6) | byte(pos + 7) << 8);
        pos += 9;
        const int minCodeSize = byte(pos++);
        QByteArray data;
        for (; byte(pos) != 0; pos += byte(pos) + 1)
            data.append(gif.mid(pos + 1, byte(pos)));
        ++pos;
        const int clear = 1 << minCodeSize, end = clear + 1;
        qsizetype bit = 0;
        int width = minCodeSize + 1, tableSize = 0, previousLength = -1, decoded = 0;
        QList<int> lengths;  // only the lengths of the table's strings matter here
        while (true) {
            if ((bit + width + 7) / 8 > data.size())
                return *fault = QStringLiteral("frame %1 has no end code").arg(frames), -1;
            int code = 0;
            for (int i = 0; i < width; ++i, ++bit)
                code |= ((uchar(data[bit / 8]) >> (bit % 8)) & 1) << i;
            if (code == clear) {
                lengths = QList<int>(clear + 2, 1);
                tableSize = clear + 2;
                width = minCodeSize + 1;
                previousLength = -1;
                continue;
            }
            if (code == end)
                break;
            if (tableSize == 0 || code > tableSize || (code == tableSize && previousLength < 0))
                return *fault = QStringLiteral("bad code %1 in frame %2").arg(code).arg(frames), -1;
            const int length = code < tableSize ? lengths[code] : previousLength + 1;
            if (previousLength >= 0 && tableSize < 4096) {
                lengths.append(previousLength + 1);
                ++tableSize;
            }
            decoded += length;
            previousLength = length;
            if (tableSize == (1 << width) && width < 12)
                ++width;
        }
        if (decoded != pixels)
            return *fault = QStringLiteral("frame %1: %2 pixels, not %3")
                                .arg(frames)
                                .arg(decoded)
                                .arg(pixels),
                   -1;
        if ((bit + 7) / 8 != data.size())
            return *fault = QStringLiteral("frame %1: bytes after the end code").arg(frames), -1;
        ++frames;
    }
    return *fault = QStringLiteral("no trailer"), -1;
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff))
                ++count;
    return count;
}

}  // namespace

class GifEncoderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exactColoursSurvive_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("colourCount");
        // 4 colours in an odd size; 2 colours (smallest table); 256 colours of noise over a
        // large picture, which fills the 4096-code table and forces clear codes at 12 bits.
        QTest::newRow("4 colours 37x23") << QSize(37, 23) << 4;
        QTest::newRow("2 colours 1x1") << QSize(1, 1) << 2;
        QTest::newRow("2 colours 64x3") << QSize(64, 3) << 2;
        QTest::newRow("256 colours 300x200") << QSize(300, 200) << 256;
        QTest::newRow("17 colours 255x1") << QSize(255, 1) << 17;
    }
    void exactColoursSurvive() {
        QFETCH(QSize, size);
        QFETCH(int, colourCount);
        QList<QRgb> colours;
        for (int i = 0; i < colourCount; ++i)
            colours.append(qRgb((i * 67) % 256, (i * 151 + 30) % 256, (255 - i * 29) % 256));
        if (colourCount == 4)
            colours = {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(12, 34, 56), qRgb(255, 255, 255)};
        const QImage image = patterned(size, colours, 7);

        const QByteArray gif = encodeGif({{image, 0}});
        QString fault;
        QVERIFY2(strictFrameCount(gif, &fault) == 1, qPrintable(fault));
        const QList<QImage> frames = decodeAll(gif);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].size(), size);
        QCOMPARE(differingPixels(frames[0], image), 0);
    }

    void everyStreamLengthEndsCleanly() {
        // The code width may grow right before the end code; only some lengths meet that.
        const QList<QRgb> colours = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(90, 90, 200)};
        for (int length = 1; length <= 600; ++length) {
            const QImage image = patterned(QSize(length, 1), colours, quint32(length));
            QString fault;
            QVERIFY2(strictFrameCount(encodeGif({{image, 0}}), &fault) == 1,
                     qPrintable(QStringLiteral("%1 pixels: %2").arg(length).arg(fault)));
        }
    }

    void animationKeepsFramesDelaysAndLoop() {
        const QList<QRgb> colours = {qRgb(0, 0, 0), qRgb(200, 30, 30), qRgb(30, 200, 30)};
        QImage first = patterned(QSize(40, 30), colours, 1);
        QImage second = first;  // differs only in a small block: stored as a sub-rectangle
        for (int y = 10; y < 14; ++y)
            for (int x = 20; x < 27; ++x)
                second.setPixel(x, y, colours[1]);
        const QImage third = second;  // identical to the one before
        const QImage fourth = patterned(QSize(40, 30), colours, 99);

        int loop = 0;
        QList<int> delays;
        const QByteArray gif = encodeGif({{first, 10}, {second, 20}, {third, 5}, {fourth, 250}});
        QString fault;
        QVERIFY2(strictFrameCount(gif, &fault) == 4, qPrintable(fault));
        const QList<QImage> frames = decodeAll(gif, &loop, &delays);
        QCOMPARE(frames.size(), 4);
        QCOMPARE(loop, -1);  // NETSCAPE2.0 with 0: forever
        QCOMPARE(delays, (QList<int>{100, 200, 50, 2500}));
        const QList<QImage> expected = {first, second, third, fourth};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(frames[i].size(), QSize(40, 30));
            QCOMPARE(differingPixels(frames[i], expected[i]), 0);
        }
    }

    void manyColoursAreApproximatedClosely() {
        QImage gradient(256, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 256; ++x)
                gradient.setPixel(x, y, qRgb(x, y * 4, 255 - x / 2));
        const QList<QImage> frames = decodeAll(encodeGif({{gradient, 0}}));
        QCOMPARE(frames.size(), 1);
        double error = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 256; ++x) {
                const QRgb a = frames[0].pixel(x, y), b = gradient.pixel(x, y);
                error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                         std::abs(qBlue(a) - qBlue(b));
            }
        }
        QVERIFY2(error / (256 * 64 * 3) < 4.0, qPrintable(QString::number(error / (256 * 64 * 3))));
    }

    void refusesWhatItCannotEncode() {
        QVERIFY(encodeGif({}).isEmpty());
        QVERIFY(encodeGif({{QImage(), 0}}).isEmpty());
        QImage a(10, 10, QImage::Format_RGB32), b(11, 10, QImage::Format_RGB32);
        a.fill(Qt::red);
        b.fill(Qt::red);
        QVERIFY(encodeGif({{a, 0}, {b, 0}}).isEmpty());
    }
};

QTEST_MAIN(GifEncoderTest)
#include "tst_gif_encoder.moc"
