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

        const QList<QImage> frames = decodeAll(encodeGif({{image, 0}}));
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].size(), size);
        QCOMPARE(differingPixels(frames[0], image), 0);
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
        const QList<QImage> frames = decodeAll(
            encodeGif({{first, 10}, {second, 20}, {third, 5}, {fourth, 250}}), &loop, &delays);
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
