#include <QtTest>

#include "record_samples.h"
#include "wire/records/all_records.h"
#include "wire/records/record_registry.h"

using wire::RecordClass;

namespace {

/// The value of one field as a QVariant; an array field gives its length.
QVariant fieldValue(const wire::TransferRecord& record, const wire::RecordField& field) {
    return std::visit(
        wire::detail::Overloaded{
            [&](const wire::RecordArraySlot& slot) { return QVariant(slot.count(record)); },
            [&](const auto& slot) { return QVariant::fromValue(slot.get(record)); },
        },
        field.slot);
}

template <class T>
void checkKopyala() {
    auto source = samples::filled(T::recordClass());
    T copy;
    copy.Kopyala(static_cast<const T&>(*source));
    QCOMPARE(wire::recordToJson(copy), wire::recordToJson(*source));

    // Everything is overwritten, constructor values included, and nothing stays shared.
    const T fresh;
    copy.Kopyala(fresh);
    QCOMPARE(wire::recordToJson(copy), wire::recordToJson(fresh));
    const QByteArray before = wire::recordToJson(*source);
    T second;
    second.Kopyala(static_cast<const T&>(*source));
    samples::fill(*source, T::recordClass(), 50);
    QCOMPARE(wire::recordToJson(second), before);
}

}  // namespace

class TestRecordClasses : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fieldsInDeclarationOrder_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fields");
        QTest::newRow("TSonucBilgisi")
            << "baglantiu.TSonucBilgisi"
            << "FBILGISAYARID:text FSaticiMail:text FSirano:integer FCariAdi:text FSIFRE:text "
               "FSaticiNo:integer FCARINO:integer FAKTIF:integer FKullanicimail:text FADI:text "
               "FSaticiTelefon:text Fcarikod:text FVarmi:Boolean FSaticiAdi:text "
               "FBilgiSayarAdi:text FDisip:text FIcip:text FBilgisayarKullanici:text "
               "FMusteriTipi:integer FVersion:integer";
        QTest::newRow("TSiparisDipAyrinti")
            << "baglantiu.TSiparisDipAyrinti"
            << "FSizinMesaj:text FDurumu:text FVeren:text FKargo:text FBizimMesaj:text "
               "FTeslimCinsi:text FKargoCinsi:text FSaticiNotu:text";
        QTest::newRow("TTusSonuclari")
            << "baglantiu.TTusSonuclari"
            << "FAlindi:integer FOnaylandi:integer FParcaliHazirlandi:integer "
               "FSevkEdildi:integer FHazirlandi:integer FGoruldu:integer";
        QTest::newRow("TMobilCariBilgisi")
            << "mobilstokunit.TMobilCariBilgisi"
            << "FBILGISAYARID:text FSEHIR:text FFAX1:text FSATICIMAIL:text FSATICIADI:text "
               "FCARIADI:text FEMAIL:text FVERGIDAIRESI:text FYETKILI:text FAltGrup:text "
               "FTEL2:text FSIFRE:text FGSM:text FTEL1:text FADRES2:text FTLBORC:real "
               "FTLALACAK:real FADRES1:text FULKE:text FAnaGrup:text FCARINO:integer "
               "FTLBAKIYE:real FVERGINO:text FMAIL:text FOzelKod:text FKULLANICIADI:text "
               "FSATICITELEFON:text FCARIKOD:text FFAX2:text FILCE:text";
        QTest::newRow("TAcilisEkran") << "mobilstokunit.TAcilisEkran"
                                      << "FSiraNo:integer FResim:text FBaslik:text FArama:text";
        QTest::newRow("TAcilisEkranlariki") << "mobilstokunit.TAcilisEkranlariki"
                                            << "FEkranlar:array";
        QTest::newRow("TMobilStok")
            << "mobilstokunit.TMobilStok"
            << "FStokNo:integer FResimVar:integer FResim:text FYeni:integer FDepartman:text "
               "FVerilenSiparis:real FAltGrup:text FDurum:integer FRenk:text FBirim:text "
               "FKDV:real FAlinanSiparis:real FIsk2:real FAnaGrup:text FKod:text FIsk3:real "
               "FListeFiyati:real FBeden:text FNetFiyat:real FIsk1:real FKDVliFiyat:real "
               "FIsk4:real FOzelKod:text FKampnayali:integer FBarkod:text FIndirimOran:real "
               "FKalan:real FUreticiKod:text FKampanyaliFiyat:real FOemNo:text "
               "FBarkodNo:integer FPKod:text FDpKod:text FAdi:text FFiyat:real";
        QTest::newRow("TMobilSepet")
            << "mobilstokunit.TMobilSepet"
            << "FKARGOID:integer FStokNo:integer FTARIH:date FSIRANO:integer FCARIADI:text "
               "FVERILISTARIHI:date FDurum:integer FMIKTAR:real FVERENIDNO:integer "
               "FNETTUTAR:real FKDVLITUTAR:real FKDV:real FAKTAR:integer FSAAT:text "
               "FVERGITUTARI:real FPKod:text FMODEL:text FINDIRIMTUTAR:real "
               "FSTOK_STOKNO:integer FBIRIMFIYAT:real FSEC:integer FOEM2:text FOEM3:text "
               "FAnaGrup:text FMARKA:text FVEREN:text FSTOKADI:text FOEM1:text FCARINO:integer "
               "FVERENSIRANO:integer FACIKLAMA:integer FINDIRIMORANI2:real FOEM4:text FKUR:text "
               "FINDIRIMORANI3:real FSIPARISNO:integer FIDNO:real FOzelKod:text FDpKod:text "
               "FKURTL:real FINDIRIMORANI1:real FDIGERADI:text FBarkod:text FTUTAR:real "
               "FURETICIKODU:text FKalan:real FFINISHKOD:text FCARIKOD:text "
               "FNETBIRIMFIYAT:real FOemNo:text FTESLIMID:integer FResimVar:integer FResim:text";
        QTest::newRow("TMobilStoklar") << "mobilstokunit.TMobilStoklar"
                                       << "FItems:array";
        QTest::newRow("TMobilSepetler") << "mobilstokunit.TMobilSepetler"
                                        << "FItems:array";
        QTest::newRow("TAcilisEkranlar") << "mobilstokunit.TAcilisEkranlar"
                                         << "FItems:array";
    }

    void fieldsInDeclarationOrder() {
        QFETCH(QString, type);
        QFETCH(QString, fields);
        const RecordClass* recordClass = wire::findRecordClass(type);
        QVERIFY(recordClass);
        QCOMPARE(recordClass->create()->typeName(), type);
        QStringList actual;
        for (const wire::RecordField& field : recordClass->fields())
            actual << field.name + u':' + wire::fieldKindName(field.kind);
        QCOMPARE(actual.join(u' '), fields);
    }

    void everyClassIsRegistered() {
        QCOMPARE(wire::recordClasses().size(), std::size_t(11));
        QVERIFY(!wire::findRecordClass(QStringLiteral("TSonucBilgisi")));
        QVERIFY(!wire::findRecordClass(QStringLiteral("baglantiu.tsonucbilgisi")));
    }

    // Every text empty, every number 0, every Boolean false, every array empty, but for the
    // values the constructors set on purpose.
    void constructorValues() {
        const QHash<QString, QVariant> exceptions{
            {QStringLiteral("baglantiu.TSonucBilgisi.FMusteriTipi"), 1},
            {QStringLiteral("baglantiu.TSonucBilgisi.FVersion"), 1},
            {QStringLiteral("mobilstokunit.TMobilStok.FBirim"), QStringLiteral("ADET")},
            {QStringLiteral("mobilstokunit.TMobilStok.FKDV"), 20.0},
        };
        int excepted = 0;
        for (const RecordClass* recordClass : wire::recordClasses()) {
            const auto record = recordClass->create();
            for (const wire::RecordField& field : recordClass->fields()) {
                const QString key = recordClass->typeName() + u'.' + field.name;
                const QVariant actual = fieldValue(*record, field);
                QVariant expected = exceptions.value(key);
                if (expected.isValid())
                    ++excepted;
                else
                    expected = QVariant(actual.metaType());  // the type's empty value
                QVERIFY2(actual == expected, qPrintable(key + u'=' + actual.toString()));
            }
        }
        QCOMPARE(excepted, exceptions.size());

        QCOMPARE(TSonucBilgisi().MusteriTipi(), 1);
        QCOMPARE(TSonucBilgisi().Version(), 1);
        QCOMPARE(TMobilStok().Birim(), QStringLiteral("ADET"));
        QCOMPARE(TMobilStok().KDV(), 20.0);
    }

    void propertiesReadWhatSettersWrote() {
        TSonucBilgisi login;
        login.SetCARINO(314);
        login.Setcarikod(QStringLiteral("120.01.005"));
        login.SetVarmi(true);
        QCOMPARE(login.CARINO(), 314);
        QCOMPARE(login.carikod(), QStringLiteral("120.01.005"));
        QVERIFY(login.Varmi());

        TMobilSepet line;
        line.SetTARIH(45123.5);
        QCOMPARE(line.TARIH(), 45123.5);

        TAcilisEkranlariki screens;
        TAcilisEkranlariki::Ekranlar_t list;
        list.push_back(std::make_unique<TAcilisEkran>());
        list.back()->SetBaslik(QStringLiteral("Kampanya"));
        screens.SetEkranlar(std::move(list));
        QCOMPARE(screens.Ekranlar().size(), std::size_t(1));
        QCOMPARE(screens.Ekranlar().front()->Baslik(), QStringLiteral("Kampanya"));

        TMobilStoklar stocks;
        stocks.Add(std::make_unique<TMobilStok>()).SetKod(QStringLiteral("A-1"));
        stocks.Add(std::make_unique<TMobilStok>()).SetKod(QStringLiteral("B-2"));
        QCOMPARE(stocks.Count(), 2);
        QCOMPARE(stocks.Items(1).Kod(), QStringLiteral("B-2"));
    }

    void kopyalaCopiesEveryField() {
        checkKopyala<TSonucBilgisi>();
        checkKopyala<TSiparisDipAyrinti>();
        checkKopyala<TTusSonuclari>();
    }

    void cloneCopiesArraysDeeply() {
        const RecordClass& recordClass = TAcilisEkranlariki::recordClass();
        auto source = samples::filled(recordClass);
        auto copy = recordClass.clone(*source);
        QCOMPARE(wire::recordToJson(*copy), wire::recordToJson(*source));
        QVERIFY(static_cast<TAcilisEkranlariki&>(*copy).Ekranlar().front().get() !=
                static_cast<TAcilisEkranlariki&>(*source).Ekranlar().front().get());
    }
};

QTEST_GUILESS_MAIN(TestRecordClasses)
#include "tst_record_classes.moc"
