#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "client/app/workstation/browser.h"
#include "client/app/workstation/folders.h"
#include "client/app/workstation/identity.h"
#include "client/app/workstation/system_root.h"

// Every case builds a small system tree (sys, run, proc, etc, usr) in a temporary folder and points
// the system root at it.
class IdentityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> root_;

    void write(const QString& relativePath, const QByteArray& contents) {
        const QString path = root_->filePath(relativePath);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    // Each adapter is "name ifindex type address [addr_assign_type]".
    void addAdapters(const QStringList& adapters) {
        for (const QString& adapter : adapters) {
            const QStringList parts = adapter.split(QLatin1Char(' '));
            const QString dir = QStringLiteral("sys/class/net/") + parts[0];
            write(dir + QLatin1String("/ifindex"), parts[1].toLatin1() + '\n');
            write(dir + QLatin1String("/type"), parts[2].toLatin1() + '\n');
            write(dir + QLatin1String("/address"), parts[3].toLatin1() + '\n');
            write(dir + QLatin1String("/addr_assign_type"),
                  parts.value(4, QStringLiteral("0")).toLatin1() + '\n');
        }
    }

    // Each entry is "relative path=contents" (an empty contents after "=" makes an empty folder
    // when the path ends with "/").
    void addFiles(const QStringList& files) {
        for (const QString& entry : files) {
            const qsizetype eq = entry.indexOf(QLatin1Char('='));
            const QString path = entry.left(eq);
            if (path.endsWith(QLatin1Char('/'))) {
                QVERIFY(QDir().mkpath(root_->filePath(path)));
            } else {
                write(path, entry.mid(eq + 1).toUtf8().replace("\\n", "\n"));
            }
        }
    }

private Q_SLOTS:
    void init() {
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(root_->isValid());
        setSystemRoot(root_->path());
    }

    void cleanup() {
        setSystemRoot(QString());
        root_.reset();
    }

    void adapterAddress_data() {
        QTest::addColumn<QStringList>("adapters");
        QTest::addColumn<QString>("expected");
        const QString lo = QStringLiteral("lo 1 772 00:00:00:00:00:00");
        QTest::newRow("loopback skipped")
            << QStringList{lo, QStringLiteral("eth0 2 1 52:54:00:ab:cd:ef")}
            << QStringLiteral("52-54-00-AB-CD-EF");
        QTest::newRow("all-zero first adapter gives the second's address")
            << QStringList{lo, QStringLiteral("eth0 2 1 00:00:00:00:00:00"),
                           QStringLiteral("eth1 3 1 0a:1b:2c:3d:4e:5f")}
            << QStringLiteral("0A-1B-2C-3D-4E-5F");
        QTest::newRow("the first non-zero address ends the search")
            << QStringList{QStringLiteral("eth0 2 1 02:00:00:00:00:01"),
                           QStringLiteral("eth1 3 1 02:00:00:00:00:02")}
            << QStringLiteral("02-00-00-00-00-01");
        QTest::newRow("interface index order, not name order")
            << QStringList{QStringLiteral("eth0 7 1 02:00:00:00:00:07"),
                           QStringLiteral("wlan0 3 1 02:00:00:00:00:03")}
            << QStringLiteral("02-00-00-00-00-03");
        QTest::newRow("at most three adapters are asked")
            << QStringList{QStringLiteral("a 2 1 00:00:00:00:00:00"),
                           QStringLiteral("b 3 1 00:00:00:00:00:00"),
                           QStringLiteral("c 4 1 00:00:00:00:00:00"),
                           QStringLiteral("d 5 1 02:00:00:00:00:05")}
            << QStringLiteral("00-00-00-00-00-00");
        QTest::newRow("adapters without a six-byte address are no adapters")
            << QStringList{QStringLiteral("sit0 2 776 00:00:00:00"),
                           QStringLiteral("eth0 3 1 02:00:00:00:00:03")}
            << QStringLiteral("02-00-00-00-00-03");
        QTest::newRow("randomly assigned addresses change at every start")
            << QStringList{QStringLiteral("ifb0 2 1 1a:d7:bc:2d:2c:c3 1"),
                           QStringLiteral("eth0 4 1 02:fc:00:00:00:01 0")}
            << QStringLiteral("02-FC-00-00-00-01");
        QTest::newRow("only loopback") << QStringList{lo} << QString();
    }

    void adapterAddress() {
        QFETCH(QStringList, adapters);
        QFETCH(QString, expected);
        addAdapters(adapters);
        QCOMPARE(MacAdresiAl(), expected);
    }

    void computerId_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");
        const QString eth0 = QStringLiteral("sys/class/net/eth0/");
        const QStringList adapter = {eth0 + QLatin1String("ifindex=2"),
                                     eth0 + QLatin1String("type=1"),
                                     eth0 + QLatin1String("address=52:54:00:ab:cd:ef\\n")};
        QTest::newRow("disk serial, upper-cased, blanks removed")
            << adapter + QStringList{QStringLiteral("sys/block/nvme0n1/device/serial=  s4ew nx0n "
                                                    "123456      \\n")}
            << QStringLiteral("S4EWNX0N123456");
        QTest::newRow("disk without serial falls back to the adapter address")
            << adapter + QStringList{QStringLiteral("sys/block/sda/device/"),
                                     QStringLiteral("sys/block/sda/dev=8:0\\n")}
            << QStringLiteral("52-54-00-AB-CD-EF");
        QTest::newRow("serial from the udev database")
            << adapter + QStringList{QStringLiteral("sys/block/sda/device/"),
                                     QStringLiteral("sys/block/sda/dev=8:0\\n"),
                                     QStringLiteral("run/udev/data/b8:0=S:disk/by-id/ata-X\\n"
                                                    "E:ID_SERIAL=WDC_X_wd-wx41a\\n"
                                                    "E:ID_SERIAL_SHORT=wd-wx41a\\n")}
            << QStringLiteral("WD-WX41A");
        QTest::newRow("virtual block devices are skipped")
            << QStringList{QStringLiteral("sys/block/dm-0/device/serial=DM"),
                           QStringLiteral("sys/block/loop0/device/serial=LOOP"),
                           QStringLiteral("sys/block/ram0/device/serial=RAM"),
                           QStringLiteral("sys/block/vda/serial=virtio-1"),
                           QStringLiteral("sys/block/vda/device/"),
                           QStringLiteral("sys/block/zram0/device/serial=ZRAM")}
            << QStringLiteral("VIRTIO-1");
        QTest::newRow("no disk, no adapter") << QStringList{} << QString();
    }

    void computerId() {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        addFiles(files);
        QCOMPARE(BilgisayarIdAl(), expected);
    }

    void diskSerialRaisesWithoutDisk() {
        addFiles({QStringLiteral("sys/block/loop0/")});
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, DiskSeriNoAl());
    }

    void namesOfFifteenCharactersAtMost_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("15 characters")
            << QStringLiteral("abcdefghijklmno") << QStringLiteral("abcdefghijklmno");
        QTest::newRow("16 characters") << QStringLiteral("abcdefghijklmnop") << QString();
        QTest::newRow("20 characters") << QStringLiteral("abcdefghijklmnopqrst") << QString();
    }

    void namesOfFifteenCharactersAtMost() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QByteArray uid = QByteArray::number(geteuid());
        const QByteArray otherUid = QByteArray::number(geteuid() + 1);
        write(QStringLiteral("etc/passwd"), "someone:x:" + otherUid + ":" + otherUid +
                                                "::/:/bin/sh\n" + name.toUtf8() + ":x:" + uid +
                                                ":" + uid + "::/home:/bin/sh\n");
        write(QStringLiteral("proc/sys/kernel/hostname"), name.toUtf8() + '\n');
        QCOMPARE(KullaniciAdiAl(), expected);
        QCOMPARE(BilgisayarAdiAl(), expected);
    }

    void liveSystemValues() {
        setSystemRoot(QStringLiteral("/"));
        QHostAddress address;
        QVERIFY(address.setAddress(YerelIpAl()));
        QCOMPARE(address.protocol(), QAbstractSocket::IPv4Protocol);
        QVERIFY(!BilgisayarAdiAl().isEmpty() || QSysInfo::machineHostName().size() > 15);
        QVERIFY(!BilgisayarIdAl().contains(QLatin1Char(' ')));
    }

    void localAddressWithoutHostName() { QCOMPARE(YerelIpAl(), QStringLiteral("127.0.0.1")); }

    void chromePath() {
        QCOMPARE(ChromeYolu(), QString());
        addFiles({QStringLiteral("usr/bin/chromium=#!/bin/sh"),
                  QStringLiteral("opt/google/chrome/chrome=#!/bin/sh")});
        QCOMPARE(ChromeYolu(), root_->filePath(QStringLiteral("opt/google/chrome/chrome")));
    }

    void settingsFolderIsCreated() {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", root_->filePath(QStringLiteral("config")).toLocal8Bit());
        const QString folder = AyarKlasoru();
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(folder, root_->filePath(QStringLiteral("config/varlent")));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void urlEncoding_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");
        QTest::newRow("payment page with Turkish letters and blanks in the query")
            << QStringLiteral(
                   "https://b2b.example.com/tebrakart.html?carino=42&sube=MERKEZ"
                   "&firmasi=Çağ Oto Yedek Parça İŞ&bakiye=1.234,56")
            << QStringLiteral(
                   "https://b2b.example.com/tebrakart.html?carino=42&sube=MERKEZ"
                   "&firmasi=%C3%87a%C4%9F%20Oto%20Yedek%20Par%C3%A7a%20%C4%B0%C5%9E"
                   "&bakiye=1.234,56");
        QTest::newRow("blank in the path, plain address kept")
            << QStringLiteral("http://host:8080/a b/c.aspx?x=1#top")
            << QStringLiteral("http://host:8080/a%20b/c.aspx?x=1#top");
    }

    void urlEncoding() {
        QFETCH(QString, address);
        QFETCH(QString, expected);
        QCOMPARE(UrlKodla(address), expected);
    }

    void embeddedBrowserVersion() {
        QCOMPARE(IeSurumu(), 0);
        IeSurumuAyarla(108);
        QCOMPARE(IeSurumu(), 108);
        IeSurumuAyarla(0);
    }
};

QTEST_GUILESS_MAIN(IdentityTest)
#include "tst_identity.moc"
