// The forced update against a real HTTP server on loopback serving a stand-in setup script.
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include "../app/support/screenshot.h"
#include "client/app/configuration.h"
#include "client/app/process_end.h"
#include "client/app/theme.h"
#include "client/login/dosya_indir.h"
#include "client/ui/test_support/scripted_messages.h"
#include "http_stub.h"

class TestDosyaIndir : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void download_data();
    void download();
    void existingSetupReplaced();
    void unwritableTarget();

private:
    /// A shell script standing in for the setup: it writes its arguments into `marker`.
    QByteArray setupScript(const QString& marker, int padding = 300 * 1024) const;
    /// Runs the dialog to its end; returns the exit codes it asked for.
    QList<int> runDialog(const QString& url,
                         const std::function<void(login::Tdosyaindir*)>& during = {});

    std::unique_ptr<QTemporaryDir> dataHome_;
    QString marker_;
};

void TestDosyaIndir::initTestCase() {
    app::initResources();
    app::applyTheme(*qApp);
}

void TestDosyaIndir::init() {
    dataHome_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", dataHome_->path().toUtf8());
    marker_ = dataHome_->filePath(QStringLiteral("setup-ran.txt"));
}

QByteArray TestDosyaIndir::setupScript(const QString& marker, int padding) const {
    QByteArray script = "#!/bin/sh\necho \"$@\" > '" + marker.toUtf8() + "'\nexit 0\n";
    while (script.size() < padding) {
        script += "# ..........................................................................\n";
    }
    return script;
}

QList<int> TestDosyaIndir::runDialog(const QString& url,
                                     const std::function<void(login::Tdosyaindir*)>& during) {
    auto config = app::Configuration::defaults();
    config.downloadUrl = url;
    app::setConfiguration(config);
    QList<int> ended;
    auto previous = app::setProcessEndHook([&](int code) { ended << code; });
    std::unique_ptr<login::Tdosyaindir> dialog(login::Tdosyaindir::Yeni(nullptr, 5));
    if (during) {
        during(dialog.get());
    }
    dialog->exec();
    app::setProcessEndHook(previous);
    app::setConfiguration(app::Configuration::defaults());
    return ended;
}

void TestDosyaIndir::download_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("progressText");
    QTest::addColumn<bool>("setupStarts");
    using M = HttpStub::Mode;
    QTest::newRow("with length") << int(M::WithLength) << "Bilgi: %100,00  İndirilen: 0,29/0,29 Mb"
                                 << true;
    QTest::newRow("without length") << int(M::WithoutLength) << QString() << true;
    QTest::newRow("in two parts, activated again meanwhile")
        << int(M::Slow) << "Bilgi: %100,00  İndirilen: 0,29/0,29 Mb" << true;
    QTest::newRow("not found") << int(M::NotFound) << "Bilgi: %100,00  İndirilen: 0,00/0,00 Mb"
                               << false;
    QTest::newRow("server down") << -1 << QString() << false;
}

void TestDosyaIndir::download() {
    QFETCH(int, mode);
    QFETCH(QString, progressText);
    QFETCH(bool, setupStarts);
    ui::ScriptedMessages messages;
    const QByteArray script = setupScript(marker_);
    HttpStub http(mode < 0 ? HttpStub::Mode::WithLength : HttpStub::Mode(mode), script);
    if (mode < 0) {
        http.stop();
    }

    QString label;
    int barValue = -1, barMaximum = -1;
    bool firstActivationSeen = false;
    const QList<int> ended = runDialog(http.url(), [&](login::Tdosyaindir* dialog) {
        auto* bar = dialog->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
        QObject::connect(
            bar, &QProgressBar::valueChanged, dialog, [=, &firstActivationSeen, &mode] {
                if (!firstActivationSeen) {
                    firstActivationSeen = true;
                    dialog->FormActivate();  // the user switched windows during the download
                    if (mode == int(HttpStub::Mode::Slow)) {
                        testsupport::saveScreenshot(dialog, QStringLiteral("dosya_indir"));
                    }
                }
            });
        QObject::connect(dialog, &QDialog::finished, dialog, [&, dialog, bar] {
            label = dialog->findChild<QLabel*>(QStringLiteral("bilgi"))->text();
            barValue = bar->value();
            barMaximum = bar->maximum();
        });
    });

    QCOMPARE(ended, QList<int>{0});
    QCOMPARE(http.requests(), mode < 0 ? 0 : 1);
    QVERIFY(mode < 0 ||
            http.lastRequest().contains("User-Agent: Mozilla/5.0 (Windows NT 10.0; Win64; x64)"));
    QCOMPARE(label, progressText);
    if (progressText.isEmpty()) {
        QCOMPARE(barValue, 0);
    } else if (setupStarts) {
        QCOMPARE(barValue, barMaximum);
        QCOMPARE(barMaximum, int(script.size()));
    }
    const QString target = login::Tdosyaindir::hedefYolu();
    if (setupStarts) {
        QCOMPARE(messages.count(), 0);
        QTRY_VERIFY(QFile::exists(marker_));
        QFile ran(marker_);
        QVERIFY(ran.open(QIODevice::ReadOnly));
        QCOMPARE(ran.readAll().trimmed(), QByteArray("/silent"));
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), script);
    } else {
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().metin.startsWith(u"Hata Oluştu !\r\nHata: "_qs));
        QCOMPARE(messages.last().tur, ui::MesajTuru::Hata);
        QVERIFY(!QFile::exists(target));
        QTest::qWait(100);
        QVERIFY(!QFile::exists(marker_));
    }
}

void TestDosyaIndir::existingSetupReplaced() {
    ui::ScriptedMessages messages;
    QFile old(login::Tdosyaindir::hedefYolu());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older setup");
    old.close();
    const QByteArray script = setupScript(marker_, 0);
    HttpStub http(HttpStub::Mode::WithLength, script);
    QCOMPARE(runDialog(http.url()), QList<int>{0});
    QTRY_VERIFY(QFile::exists(marker_));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), script);
}

void TestDosyaIndir::unwritableTarget() {
    ui::ScriptedMessages messages;
    // A folder in the way of the file cannot be removed or replaced, whoever runs the test.
    QVERIFY(QDir().mkpath(login::Tdosyaindir::hedefYolu() + u"/busy"_qs));
    HttpStub http(HttpStub::Mode::WithLength, setupScript(marker_, 0));
    QCOMPARE(runDialog(http.url()), QList<int>{0});
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.last().metin.startsWith(u"Kurulum dosyası yazılamıyor:"_qs));
    QTest::qWait(100);
    QVERIFY(!QFile::exists(marker_));
}

QTEST_MAIN(TestDosyaIndir)
#include "tst_dosya_indir.moc"
