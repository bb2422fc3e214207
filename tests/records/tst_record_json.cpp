#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>
#include <bit>

#include "record_samples.h"
#include "wire/error.h"
#include "wire/records/all_records.h"
#include "wire/records/record_registry.h"

using wire::recordFromJson;
using wire::recordToJson;

namespace {

/// The error a read fails with; a null string when it succeeds.
wire::Error readError(const QByteArray& json) {
    try {
        recordFromJson(json);
    } catch (const wire::Error& error) {
        return error;
    }
    return wire::Error(QString(), QString());
}

QJsonObject fieldsOf(const QByteArray& json) {
    return QJsonDocument::fromJson(json).object().value(u"fields").toObject();
}

QByteArray sonuc(const QByteArray& fields) {
    return R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{)" + fields + "}}";
}

QByteArray ekranlariki(const QByteArray& array) {
    return R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[)" + array +
           "]}}";
}

QByteArray ekran(int id, const QByteArray& fields) {
    return R"({"type":"mobilstokunit.TAcilisEkran","id":)" + QByteArray::number(id) +
           R"(,"fields":{)" + fields + "}}";
}

}  // namespace

class TestRecordJson : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // (Escaped quotes and backslashes stay out of raw strings: moc misreads them there.)
    void loginRecordInItsExactForm() {
        TSonucBilgisi login;
        login.SetBILGISAYARID(QStringLiteral("WD-WCC6Y7"));
        login.SetSirano(42);
        login.SetCariAdi(QStringLiteral("Öztürk \"Oto\" Yedek Parça"));
        login.SetCARINO(-7);
        login.SetVarmi(true);
        login.SetBilgisayarKullanici(QStringLiteral("a\\b\n"));
        login.SetVersion(4);
        const QByteArray expected =
            R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"WD-WCC6Y7",)"
            R"("FSaticiMail":"","FSirano":42,)"
            "\"FCariAdi\":\"Öztürk \\\"Oto\\\" Yedek Parça\","
            R"("FSIFRE":"",)"
            R"("FSaticiNo":0,"FCARINO":-7,"FAKTIF":0,"FKullanicimail":"","FADI":"",)"
            R"("FSaticiTelefon":"","Fcarikod":"","FVarmi":true,"FSaticiAdi":"",)"
            R"("FBilgiSayarAdi":"","FDisip":"","FIcip":"",)"
            "\"FBilgisayarKullanici\":\"a\\\\b\\n\","
            R"("FMusteriTipi":1,"FVersion":4}})";
        QCOMPARE(recordToJson(login), expected);
    }

    void loginRecordAlwaysHasTwentyMembers() {
        const QJsonObject fields = fieldsOf(recordToJson(TSonucBilgisi()));
        QCOMPARE(fields.size(), 20);
        for (auto it = fields.begin(); it != fields.end(); ++it)
            QVERIFY2(!it.value().isNull(), qPrintable(it.key()));
        QCOMPARE(fields.value(u"FSIFRE"), QJsonValue(QString()));
        QCOMPARE(fields.value(u"FVarmi"), QJsonValue(false));
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("type");
        for (const wire::RecordClass* recordClass : wire::recordClasses())
            QTest::newRow(qPrintable(recordClass->className())) << recordClass->typeName();
    }

    // Every field set to a value of its own survives writing and reading; the second writing
    // shows it, as the writer puts every field in the text.
    void roundTrip() {
        QFETCH(QString, type);
        const wire::RecordClass& recordClass = *wire::findRecordClass(type);
        const QByteArray written = recordToJson(*samples::filled(recordClass));
        QCOMPARE(fieldsOf(written).size(), qsizetype(recordClass.fields().size()));
        const auto read = recordFromJson(written);
        QVERIFY(read);
        QCOMPARE(read->typeName(), type);
        QCOMPARE(recordToJson(*read), written);
    }

    void numbersKeepEveryBit() {
        for (double value : samples::kHardDoubles) {
            TMobilStok stock;
            stock.SetFiyat(value);
            const auto read = wire::recordFromJsonAs<TMobilStok>(recordToJson(stock));
            QVERIFY2(std::bit_cast<quint64>(read->Fiyat()) == std::bit_cast<quint64>(value),
                     qPrintable(QString::number(value, 'g', 17)));
        }
        TMobilStok stock;
        stock.SetStokNo(2147483647);
        stock.SetNetFiyat(1234.5);
        const QByteArray json = recordToJson(stock);
        QVERIFY(json.contains(R"("FStokNo":2147483647,)"));
        QVERIFY(json.contains(R"("FKDV":20,)"));
        QVERIFY(json.contains(R"("FNetFiyat":1234.5,)"));
    }

    void idsFollowTheWritingOrder() {
        TAcilisEkranlariki screens;
        TAcilisEkranlariki::Ekranlar_t list;
        for (int position : {3, 1, 2}) {
            list.push_back(std::make_unique<TAcilisEkran>());
            list.back()->SetSiraNo(position);
        }
        screens.SetEkranlar(std::move(list));
        const QByteArray json = recordToJson(screens);

        QStringList ids;
        for (const auto& match : QRegularExpression(QStringLiteral(R"("id":(\d+))"))
                                     .globalMatch(QString::fromUtf8(json)))
            ids << match.captured(1);
        QCOMPARE(ids, QStringList({"1", "2", "3", "4"}));
        QVERIFY(json.startsWith(
            R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,)"
            R"("fields":{"FEkranlar":[{"type":"mobilstokunit.TAcilisEkran","id":2,)"));

        const auto read = wire::recordFromJsonAs<TAcilisEkranlariki>(json);
        QCOMPARE(read->Ekranlar().size(), std::size_t(3));
        QCOMPARE(read->Ekranlar()[0]->SiraNo(), 3);
        QCOMPARE(read->Ekranlar()[1]->SiraNo(), 1);
        QCOMPARE(read->Ekranlar()[2]->SiraNo(), 2);
    }

    void emptyArrayHasNoScreens() {
        const auto read = wire::recordFromJsonAs<TAcilisEkranlariki>(ekranlariki(""));
        QVERIFY(read->Ekranlar().empty());
        QVERIFY(recordToJson(*read).endsWith(R"("fields":{"FEkranlar":[]}})"));
    }

    void listsCarryTheirItemsInOrder() {
        TMobilStoklar stocks;
        stocks.Add(std::make_unique<TMobilStok>()).SetKod(QStringLiteral("A-1"));
        stocks.Add(std::make_unique<TMobilStok>()).SetKod(QStringLiteral("B-2"));
        const QByteArray json = recordToJson(stocks);
        QVERIFY(
            json.startsWith(R"({"type":"mobilstokunit.TMobilStoklar","id":1,"fields":{"FItems":[)"
                            R"({"type":"mobilstokunit.TMobilStok","id":2,)"));
        const auto read = wire::recordFromJsonAs<TMobilStoklar>(json);
        QCOMPARE(read->Count(), 2);
        QCOMPARE(read->Items(0).Kod(), QStringLiteral("A-1"));
        QCOMPARE(read->Items(1).Kod(), QStringLiteral("B-2"));
    }

    void missingFieldsKeepConstructorValues() {
        const auto stock = wire::recordFromJsonAs<TMobilStok>(
            R"({"type":"mobilstokunit.TMobilStok","id":1,"fields":{"FStokNo":5,"FAdi":"Fren"}})");
        QCOMPARE(stock->StokNo(), 5);
        QCOMPARE(stock->Birim(), QStringLiteral("ADET"));
        QCOMPARE(stock->KDV(), 20.0);

        const auto login =
            wire::recordFromJsonAs<TSonucBilgisi>(sonuc(R"("FCARINO":12,"FADI":"ali")"));
        QCOMPARE(login->CARINO(), 12);
        QCOMPARE(login->MusteriTipi(), 1);
        QCOMPARE(login->Version(), 1);

        const auto empty = wire::recordFromJsonAs<TSonucBilgisi>(sonuc(""));
        QCOMPARE(recordToJson(*empty), recordToJson(TSonucBilgisi()));
    }

    void membersInAnyOrder() {
        const auto login = wire::recordFromJsonAs<TSonucBilgisi>(
            R"({"fields":{"FVersion":4,"FVarmi":true,"FBILGISAYARID":"X1"},"id":1,)"
            R"("type":"baglantiu.TSonucBilgisi"})");
        QCOMPARE(login->Version(), 4);
        QVERIFY(login->Varmi());
        QCOMPARE(login->BILGISAYARID(), QStringLiteral("X1"));
    }

    void nullEmptiesAField() {
        const auto stock = wire::recordFromJsonAs<TMobilStok>(
            R"({"type":"mobilstokunit.TMobilStok","id":1,"fields":{"FBirim":null,"FKDV":null}})");
        QCOMPARE(stock->Birim(), QString());
        QCOMPARE(stock->KDV(), 0.0);
        const auto login =
            wire::recordFromJsonAs<TSonucBilgisi>(sonuc(R"("FMusteriTipi":null,"FVarmi":null)"));
        QCOMPARE(login->MusteriTipi(), 0);
        QVERIFY(!login->Varmi());
        const auto screens = wire::recordFromJsonAs<TAcilisEkranlariki>(
            R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":null}})");
        QVERIFY(screens->Ekranlar().empty());
    }

    void nullMessageIsNoRecord() {
        QVERIFY(!recordFromJson(" null "));
        QVERIFY(!wire::recordFromJsonAs<TSonucBilgisi>("null"));
    }

    // An object met again arrives as a copy of its first occurrence, so each array owns its own.
    void referenceToAnEarlierObject() {
        const auto read = wire::recordFromJsonAs<TAcilisEkranlariki>(ekranlariki(
            ekran(2, R"("FSiraNo":7,"FBaslik":"Yeni")") +
            R"(,{"type":"mobilstokunit.TAcilisEkran","ref":2},)" + ekran(3, R"("FSiraNo":8)")));
        const auto& list = read->Ekranlar();
        QCOMPARE(list.size(), std::size_t(3));
        QCOMPARE(list[1]->SiraNo(), 7);
        QCOMPARE(list[1]->Baslik(), QStringLiteral("Yeni"));
        QVERIFY(list[0].get() != list[1].get());
        QCOMPARE(list[2]->SiraNo(), 8);
    }

    void readErrors_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");  // a trailing "*" compares the start only

        QTest::newRow("unknown type")
            << QByteArray(R"({"type":"baglantiu.TYok","id":1,"fields":{}})")
            << "Internal: Cannot instantiate type baglantiu.TYok";
        QTest::newRow("class without module")
            << QByteArray(R"({"type":"TSonucBilgisi","id":1,"fields":{}})")
            << "Internal: Cannot instantiate type TSonucBilgisi";
        QTest::newRow("extra member") << sonuc(R"("FCARINO":1,"FEkstra":"x","FADI":"a")")
                                      << "Internal: Field FEkstra cannot be found in type "
                                         "TSonucBilgisi";
        QTest::newRow("name in other case") << sonuc(R"("FCarino":1)")
                                            << "Internal: Field FCarino cannot be found in type "
                                               "TSonucBilgisi";
        const QString value = QStringLiteral(
            "Internal: Value %1 cannot be converted to be assigned to field %2 in type %3");
        QTest::newRow("text into integer")
            << sonuc(R"("FCARINO":"12")") << value.arg("\"12\"", "FCARINO", "TSonucBilgisi");
        QTest::newRow("fraction into integer")
            << sonuc(R"("FCARINO":3.5)") << value.arg("3.5", "FCARINO", "TSonucBilgisi");
        QTest::newRow("integer beyond 32 bits")
            << sonuc(R"("FSirano":2147483648)")
            << value.arg("2147483648", "FSirano", "TSonucBilgisi");
        QTest::newRow("integer below 32 bits")
            << sonuc(R"("FSirano":-2147483649)")
            << value.arg("-2147483649", "FSirano", "TSonucBilgisi");
        QTest::newRow("number into text")
            << sonuc(R"("FADI":5)") << value.arg("5", "FADI", "TSonucBilgisi");
        QTest::newRow("number into Boolean")
            << sonuc(R"("FVarmi":1)") << value.arg("1", "FVarmi", "TSonucBilgisi");
        QTest::newRow("object into real")
            << QByteArray(R"({"type":"mobilstokunit.TMobilStok","id":1,"fields":{"FKDV":{}}})")
            << value.arg("{}", "FKDV", "TMobilStok");
        QTest::newRow("text into array")
            << QByteArray(R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,)"
                          R"("fields":{"FEkranlar":"x"}})")
            << value.arg("\"x\"", "FEkranlar", "TAcilisEkranlariki");
        QTest::newRow("array element not a record")
            << ekranlariki("1") << value.arg("1", "FEkranlar", "TAcilisEkranlariki");
        QTest::newRow("array element of another class")
            << ekranlariki(R"({"type":"mobilstokunit.TMobilStok","id":2,"fields":{}})")
            << value.arg(R"({"fields":{},"id":2,"type":"mobilstokunit.TMobilStok"})", "FEkranlar",
                         "TAcilisEkranlariki");
        QTest::newRow("array element of unknown type")
            << ekranlariki(R"({"type":"mobilstokunit.TYok","id":2,"fields":{}})")
            << "Internal: Cannot instantiate type mobilstokunit.TYok";
        QTest::newRow("array element with extra member")
            << ekranlariki(ekran(2, R"("FSiraNo":1)") + "," + ekran(3, R"("FResimler":"")"))
            << "Internal: Field FResimler cannot be found in type TAcilisEkran";
        QTest::newRow("long value shortened")
            << sonuc(R"("FCARINO":")" + QByteArray(500, 'x') + R"(")")
            << value.arg('"' + QString(199, u'x') + "...", "FCARINO", "TSonucBilgisi");

        QTest::newRow("syntax error") << QByteArray(R"({"type":)") << "Record JSON is malformed: *";
        QTest::newRow("empty message") << QByteArray() << "Record JSON is malformed: *";
        QTest::newRow("invalid UTF-8")
            << sonuc("\"FADI\":\"\xC3\x28\"") << "Record JSON is malformed: *";
        QTest::newRow("array instead of object")
            << QByteArray("[]") << "Record JSON is not an object";
        QTest::newRow("no type") << QByteArray(R"({"id":1,"fields":{}})")
                                 << "Record JSON has no \"type\" text";
        QTest::newRow("type not text")
            << QByteArray(R"({"type":7,"id":1,"fields":{}})") << "Record JSON has no \"type\" text";
        QTest::newRow("no fields") << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1})")
                                   << "Record JSON of type baglantiu.TSonucBilgisi has no "
                                      "\"fields\" object";
        QTest::newRow("fields not an object")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":[]})")
            << "Record JSON of type baglantiu.TSonucBilgisi has no \"fields\" object";
        QTest::newRow("unknown member beside fields")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{},"x":0})")
            << "Record JSON has an unknown member \"x\"";
        QTest::newRow("id not a number")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":"1","fields":{}})")
            << "Record JSON has an \"id\" that is not a positive integer: \"1\"";
        QTest::newRow("id used twice")
            << ekranlariki(ekran(1, "")) << "Record JSON uses the id 1 twice";
        QTest::newRow("reference to nothing")
            << ekranlariki(R"({"type":"mobilstokunit.TAcilisEkran","ref":9})")
            << "Record JSON refers to 9, which is no earlier object";
        QTest::newRow("reference to the enclosing object")
            << ekranlariki(R"({"type":"mobilstokunit.TAcilisEkranlariki","ref":1})")
            << "Record JSON refers to 1 inside that object itself";
        QTest::newRow("reference under another type")
            << ekranlariki(ekran(2, "") + R"(,{"type":"mobilstokunit.TMobilStok","ref":2})")
            << "Record JSON refers to 2 of type mobilstokunit.TAcilisEkran as type "
               "mobilstokunit.TMobilStok";
        QTest::newRow("reference at the top")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","ref":1})")
            << "Record JSON refers to 1, which is no earlier object";
    }

    void readErrors() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        const wire::Error error = readError(json);
        QCOMPARE(error.className(), QString::fromLatin1(wire::kConversionErrorClass));
        if (message.endsWith(u'*'))
            QVERIFY2(error.message().startsWith(message.chopped(1)), qPrintable(error.message()));
        else
            QCOMPARE(error.message(), message);
    }

    void readAsAnotherClassFails() {
        try {
            wire::recordFromJsonAs<TTusSonuclari>(recordToJson(TSonucBilgisi()));
            QFAIL("read as the wrong class");
        } catch (const wire::Error& error) {
            QCOMPARE(error.className(), QString::fromLatin1(wire::kConversionErrorClass));
            QVERIFY(error.message().contains(u"baglantiu.TSonucBilgisi"));
            QVERIFY(error.message().contains(u"baglantiu.TTusSonuclari"));
        }
    }

    // JSON has no NaN or infinity, and an empty place in an array has no record form.
    void writerRefusesWhatJsonCannotCarry() {
        TMobilStok stock;
        stock.SetKDV(std::numeric_limits<double>::quiet_NaN());
        QVERIFY_THROWS_EXCEPTION(wire::Error, recordToJson(stock));
        stock.SetKDV(std::numeric_limits<double>::infinity());
        QVERIFY_THROWS_EXCEPTION(wire::Error, recordToJson(stock));

        TAcilisEkranlariki screens;
        TAcilisEkranlariki::Ekranlar_t list;
        list.push_back(nullptr);
        screens.SetEkranlar(std::move(list));
        QVERIFY_THROWS_EXCEPTION(wire::Error, recordToJson(screens));
    }
};

QTEST_GUILESS_MAIN(TestRecordJson)
#include "tst_record_json.moc"
