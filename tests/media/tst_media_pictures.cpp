#include <QBuffer>
#include <QImageReader>
#include <QTest>
#include <QtConcurrent/QtConcurrentMap>

#include "media_samples.h"
#include "server/media/media.h"

using namespace media;

namespace {

struct Decoded {
    QByteArray format;
    QSize size;
    int frames = 0;
    int loopCount = 0;
    QList<int> delays;
    QImage first, last;
};

Decoded decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);  // the format is found from the bytes, as the client does
    Decoded result;
    result.format = reader.format();
    result.loopCount = reader.loopCount();
    while (reader.canRead()) {
        const int delay = reader.nextImageDelay();
        const QImage image = reader.read();
        if (image.isNull())
            break;
        if (result.frames == 0) {
            result.size = image.size();
            result.first = image;
        } else if (image.size() != result.size) {
            result.size = QSize();  // every frame must have the banner's size
        }
        result.last = image;
        result.delays.append(delay);
        ++result.frames;
    }
    return result;
}

void saveSample(const QImage& image, const QString& name) {
    QVERIFY(image.save(mediaSampleDir() + u'/' + name + QStringLiteral(".png")));
}

}  // namespace

class MediaPicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void partPicturesAreSmallJpegs_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("disc") << int(PartKind::BrakeDisc) << "part-brake-disc";
        QTest::newRow("pad") << int(PartKind::BrakePad) << "part-brake-pad";
        QTest::newRow("filter") << int(PartKind::Filter) << "part-filter";
        QTest::newRow("bearing") << int(PartKind::Bearing) << "part-bearing";
        QTest::newRow("belt") << int(PartKind::Belt) << "part-belt";
        QTest::newRow("plug") << int(PartKind::SparkPlug) << "part-spark-plug";
        QTest::newRow("shock") << int(PartKind::ShockAbsorber) << "part-shock-absorber";
        QTest::newRow("carton") << int(PartKind::Generic) << "part-carton";
    }
    void partPicturesAreSmallJpegs() {
        QFETCH(int, kind);
        QFETCH(QString, name);
        const PartPictureSpec spec{PartKind(kind), QStringLiteral("KORVEX"),
                                   QStringLiteral("0986 452 041"), 41};
        const QByteArray jpeg = renderPartPictureJpeg(spec);
        const Decoded decoded = decode(jpeg);
        QCOMPARE(decoded.format, QByteArray("jpeg"));
        QCOMPARE(decoded.size, QSize(400, 300));
        QVERIFY2(jpeg.size() < 50 * 1024, qPrintable(QString::number(jpeg.size())));
        QCOMPARE(renderPartPictureJpeg(spec), jpeg);  // same seed, same bytes
        PartPictureSpec other = spec;
        other.seed = 42;
        QVERIFY(renderPartPictureJpeg(other) != jpeg);
        saveSample(decoded.first, name);
    }

    void partKindIsReadFromTheDescription_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("kind");
        QTest::newRow("disc") << "ÖN FREN DİSKİ HAVALI" << int(PartKind::BrakeDisc);
        QTest::newRow("pad before disc") << "DİSK FREN BALATASI ÖN" << int(PartKind::BrakePad);
        QTest::newRow("lower case") << "yağ filtresi" << int(PartKind::Filter);
        QTest::newRow("dotless spelling") << "AMORTISOR ARKA" << int(PartKind::ShockAbsorber);
        QTest::newRow("belt") << "V KAYIŞI 6PK1538" << int(PartKind::Belt);
        QTest::newRow("bearing") << "TEKER RULMANI" << int(PartKind::Bearing);
        QTest::newRow("plug") << "BUJİ İRİDYUM" << int(PartKind::SparkPlug);
        QTest::newRow("other") << "SİLECEK SÜPÜRGESİ" << int(PartKind::Generic);
        QTest::newRow("empty") << "" << int(PartKind::Generic);
    }
    void partKindIsReadFromTheDescription() {
        QFETCH(QString, description);
        QFETCH(int, kind);
        QCOMPARE(int(partKindFor(description)), kind);
    }

    void postersAreJpegsOfTheAskedSize_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("title");
        QTest::newRow("announcement") << QSize(600, 400) << "Bahar Kampanyası Başladı";
        QTest::newRow("with a brake disc") << QSize(600, 400) << "Fren Disklerinde %15";
        QTest::newRow("wide, long title")
            << QSize(800, 450)
            << "Şubat ayı boyunca tüm fren grubu ürünlerinde ek yüzde on iskonto fırsatı";
    }
    void postersAreJpegsOfTheAskedSize() {
        QFETCH(QSize, size);
        QFETCH(QString, title);
        PosterSpec spec;
        spec.title = title;
        spec.text = QStringLiteral(
            "Amortisör, fren balatası ve yağ filtrelerinde sezon fiyatları. Siparişleriniz aynı "
            "gün kargoya verilir.");
        spec.footer = QStringLiteral("Varlenta Otomotiv • 0212 555 00 00");
        spec.seed = 3;
        spec.size = size;
        if (title.startsWith(QStringLiteral("Fren"))) {
            spec.featuredPart = PartKind::BrakeDisc;
            spec.featuredBrand = QStringLiteral("KORVEX");
            spec.seed = 4;
        }
        const QByteArray jpeg = renderPosterJpeg(spec);
        const Decoded decoded = decode(jpeg);
        QCOMPARE(decoded.format, QByteArray("jpeg"));
        QCOMPARE(decoded.size, size);
        QVERIFY2(jpeg.size() < 120 * 1024, qPrintable(QString::number(jpeg.size())));
        QCOMPARE(renderPosterJpeg(spec), jpeg);
        saveSample(decoded.first, QStringLiteral("poster-%1")
                                      .arg(QTest::currentDataTag())
                                      .replace(u' ', u'-')
                                      .remove(u','));
    }

    void animatedBannersAreLoopingGifs_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("frameCount");
        QTest::newRow("header 409x100") << QSize(409, 100) << 16;
        QTest::newRow("strip 728x90") << QSize(728, 90) << 12;
        QTest::newRow("small 300x100, two frames") << QSize(300, 100) << 2;
    }
    void animatedBannersAreLoopingGifs() {
        QFETCH(QSize, size);
        QFETCH(int, frameCount);
        BannerSpec spec{QStringLiteral("VARLENTA OTOMOTİV"),
                        QStringLiteral("Yeni sezon fren balataları stokta"), 5, size, frameCount};
        const QByteArray gif = renderAnimatedBannerGif(spec);
        const Decoded decoded = decode(gif);
        QCOMPARE(decoded.format, QByteArray("gif"));
        QCOMPARE(decoded.frames, frameCount);
        QCOMPARE(decoded.size, size);
        QCOMPARE(decoded.loopCount, -1);
        QCOMPARE(decoded.delays.last(), 3000);  // the finished banner is held
        QVERIFY2(gif.size() < 200 * 1024, qPrintable(QString::number(gif.size())));
        QCOMPARE(renderAnimatedBannerGif(spec), gif);
        const QList<QImage> frames = renderBannerFrames(spec);
        saveSample(frames[frames.size() * 3 / 4],
                   QStringLiteral("banner-%1x%2-sweep").arg(size.width()).arg(size.height()));
        saveSample(frames[frames.size() / 4],
                   QStringLiteral("banner-%1x%2-sliding").arg(size.width()).arg(size.height()));
        saveSample(
            decoded.last,
            QStringLiteral("banner-%1x%2-last-decoded").arg(size.width()).arg(size.height()));
    }

    void stillBannersAsGifAndBitmap() {
        const BannerSpec spec{QStringLiteral("Şahin Yedek Parça"),
                              QStringLiteral("Ağır vasıta ürünlerinde ılık fiyatlar"), 2,
                              QSize(900, 60)};
        const Decoded gif = decode(renderStaticBannerGif(spec));
        QCOMPARE(gif.format, QByteArray("gif"));
        QCOMPARE(gif.frames, 1);
        QCOMPARE(gif.size, QSize(900, 60));

        const QByteArray bmp = renderBannerBitmap(spec);
        QVERIFY(bmp.startsWith("BM"));
        const Decoded bitmap = decode(bmp);
        QCOMPARE(bitmap.format, QByteArray("bmp"));
        QCOMPARE(bitmap.size, QSize(900, 60));
        QVERIFY2(bmp.size() < 70 * 1024, qPrintable(QString::number(bmp.size())));
        saveSample(bitmap.first, QStringLiteral("banner-900x60-bitmap"));
    }

    void renderingOnWorkerThreadsGivesTheSameBytes() {
        // The server renders on its connection threads, several at a time.
        const PartPictureSpec part{PartKind::Filter, QStringLiteral("DELTAFİL"),
                                   QStringLiteral("OC 1196"), 9};
        const BannerSpec banner{QStringLiteral("VARLENTA"), QStringLiteral("Kış lastiği"), 1,
                                QSize(409, 100), 6};
        const QByteArray expected = renderPartPictureJpeg(part) + renderAnimatedBannerGif(banner);
        const QList<int> jobs(8, 0);
        const QList<QByteArray> results = QtConcurrent::blockingMapped(jobs, [&](int) {
            return renderPartPictureJpeg(part) + renderAnimatedBannerGif(banner);
        });
        for (const QByteArray& result : results)
            QCOMPARE(result, expected);
    }

    void pictureHexTextIsUpperCasePairs() {
        QCOMPARE(pictureHexText(QByteArray::fromRawData("\x00\xab\x0f\xff\x10", 5)),
                 QStringLiteral("00AB0FFF10"));
        QCOMPARE(pictureHexText({}), QString());
        const QByteArray jpeg = renderPosterJpeg(PosterSpec{QStringLiteral("Duyuru")});
        QCOMPARE(QByteArray::fromHex(pictureHexText(jpeg).toLatin1()), jpeg);
    }
};

QTEST_MAIN(MediaPicturesTest)
#include "tst_media_pictures.moc"
