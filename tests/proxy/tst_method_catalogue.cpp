#include <QSet>
#include <QTest>

#include "wire/methods/method_catalogue.h"

using wire::Kind;

class MethodCatalogueTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void holdsBothTablesInDeclarationOrder() {
        const QList<wire::MethodSpec>& all = wire::methodCatalogue();
        QCOMPARE(all.size(), 101);
        QCOMPARE(all.first().name, QStringLiteral("SepetVer2"));
        QCOMPARE(all.last().name, QStringLiteral("StokHareketVer"));
        // The client's own methods come first, then the further ones.
        int called = 0;
        while (called < all.size() && all[called].calledByClient)
            ++called;
        QCOMPARE(called, 49);
        QCOMPARE(all[called - 1].name, QStringLiteral("CariVadeGunGecmismiBul"));
        QCOMPARE(all[called].name, QStringLiteral("DSServerModuleCreate"));
        for (int i = called; i < all.size(); ++i)
            QVERIFY(!all[i].calledByClient);

        QSet<QString> names;
        for (const wire::MethodSpec& spec : all) {
            QVERIFY2(!names.contains(spec.name), qPrintable(spec.name));
            names.insert(spec.name);
            QCOMPARE(wire::findMethod(spec.name), &spec);
            QCOMPARE(spec.result == Kind::Record, !spec.resultRecordType.isEmpty());
            for (const wire::ParamSpec& param : spec.params)
                QCOMPARE(param.kind == Kind::Record, !param.recordType.isEmpty());
        }
    }

    void methods_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("params");
        QTest::addColumn<QStringList>("outs");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("recordType");
        QTest::addColumn<bool>("calledByClient");

        auto row = [](const char* name, int params, QStringList outs, Kind result,
                      const char* recordType = "", bool called = true) {
            QTest::newRow(name) << QString::fromLatin1(name) << params << outs << int(result)
                                << QString::fromLatin1(recordType) << called;
        };
        row("SepetEkle2", 14, {}, Kind::Integer);
        row("SAnalPosPdfVer", 2, {"boy"}, Kind::Stream);
        row("AcilisREklamVer", 1, {}, Kind::Record, "mobilstokunit.TAcilisEkran");
        row("SiparisAytintisiDip", 2, {}, Kind::Record, "baglantiu.TSiparisDipAyrinti");
        row("MailGonserCari", 16, {}, Kind::Integer);
        row("MailGonserCariNormal", 17, {}, Kind::Integer);
        row("BuyukGetir", 1, {}, Kind::Record, "baglantiu.TSonucBilgisi");
        row("RaporGetir", 8, {"size"}, Kind::Stream);
        row("SepetSecimGuncelle", 2, {}, Kind::None);
        row("KampanyaliVermMobil", 2, {}, Kind::RowReader, "", false);
        row("BelgeIndir2", 4, {"size", "adi"}, Kind::Stream, "", false);
        row("MobilStokaraAdimli", 8, {"kalan", "toplam"}, Kind::Record,
            "mobilstokunit.TMobilStoklar", false);
        row("BalonGetir2", 7, {"sepet", "yenistok", "kampnayali", "duyuru", "Bakiye", "dosya"},
            Kind::Integer, "", false);
        row("CarileriVer", 0, {}, Kind::JsonArray, "", false);
    }

    void methods() {
        QFETCH(QString, name);
        const wire::MethodSpec* spec = wire::findMethod(name);
        QVERIFY(spec);
        QTEST(int(spec->params.size()), "params");
        QStringList outs;
        for (const wire::ParamSpec& param : spec->params) {
            if (param.out)
                outs << param.name;
        }
        QTEST(outs, "outs");
        QTEST(int(spec->result), "result");
        QTEST(spec->resultRecordType, "recordType");
        QTEST(spec->calledByClient, "calledByClient");
    }

    void sepetEkle2ParametersInWireOrder() {
        QStringList names;
        QList<Kind> kinds;
        for (const wire::ParamSpec& param : wire::findMethod(u"SepetEkle2")->params) {
            names << param.name;
            kinds << param.kind;
        }
        QCOMPARE(names,
                 (QStringList{"bilgim", "carino", "stokno", "barkod", "stokadi", "miktar", "kdv",
                              "fiyat", "ind1", "verenid", "k", "ind2", "ind3", "ind4"}));
        QCOMPARE(kinds,
                 (QList<Kind>{Kind::Record, Kind::Integer, Kind::Integer, Kind::Text, Kind::Text,
                              Kind::Real, Kind::Real, Kind::Real, Kind::Real, Kind::Integer,
                              Kind::Integer, Kind::Real, Kind::Real, Kind::Real}));
        QCOMPARE(wire::findMethod(u"SepetEkle2")->params[0].recordType,
                 QStringLiteral("baglantiu.TSonucBilgisi"));
        // BelgeIndir2 keeps its login record after the out parameters.
        const wire::ParamSpec& last = wire::findMethod(u"BelgeIndir2")->params.last();
        QCOMPARE(last.name, QStringLiteral("bilgi"));
        QVERIFY(!last.out);
    }

    void namesAreExact() {
        QVERIFY(!wire::findMethod(u"SanalPosPdfVer"));
        QVERIFY(!wire::findMethod(u"AcilisReklamVer"));
        QVERIFY(!wire::findMethod(u"SiparisAyrintisiDip"));
        QVERIFY(!wire::findMethod(u"MailGonderCari"));
        QVERIFY(!wire::findMethod(u"TServerMethods1.SepetEkle2"));
        QVERIFY(!wire::findMethod(u""));
    }
};

QTEST_APPLESS_MAIN(MethodCatalogueTest)
#include "tst_method_catalogue.moc"
