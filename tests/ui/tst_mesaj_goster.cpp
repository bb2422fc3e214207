#include "client/ui/mesaj_goster.h"
#include "client/ui/test_support/scripted_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace ui;

class TestMesajGoster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void titleAndSoundFollowTheKind_data() {
        QTest::addColumn<MesajTuru>("tur");
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<int>("ses");
        QTest::newRow("warning") << MesajTuru::Uyari << "Uyarı" << 48;
        QTest::newRow("error") << MesajTuru::Hata << "Hata" << 16;
        QTest::newRow("information") << MesajTuru::Bilgi << "Bilgi" << 64;
        QTest::newRow("confirmation") << MesajTuru::Soru << "Soru" << 32;
    }
    void titleAndSoundFollowTheKind() {
        QFETCH(MesajTuru, tur);
        QFETCH(QString, baslik);
        QFETCH(int, ses);
        ScriptedMessages mesajlar;
        MesajGoster("metin", tur, {MesajDugmesi::Tamam}, MesajDugmesi::Tamam);
        QCOMPARE(mesajlar.count(), 1);
        QCOMPARE(mesajlar.last().baslik, baslik);
        QCOMPARE(mesajlar.last().ses, ses);
        QCOMPARE(mesajlar.last().tur, tur);
        QCOMPARE(mesajlar.last().metin, QString("metin"));
        QCOMPARE(mesajlar.last().yaziBoyutu, 15);
    }

    void everyButtonIsCaptionedInTurkish() {
        ScriptedMessages mesajlar;
        const QList<MesajDugmesi> hepsi{MesajDugmesi::Evet,       MesajDugmesi::Hayir,
                                        MesajDugmesi::Tamam,      MesajDugmesi::Vazgec,
                                        MesajDugmesi::Iptal,      MesajDugmesi::Tekrar,
                                        MesajDugmesi::Atla,       MesajDugmesi::TumuneHayir,
                                        MesajDugmesi::TumuneEvet, MesajDugmesi::Yardim};
        MesajGoster("?", MesajTuru::Soru, hepsi, MesajDugmesi::Atla);
        QCOMPARE(mesajlar.last().dugmeYazilari,
                 QStringList({"Evet", "Hayır", "Tamam", "Vazgeç", "İptal", "Tekrar", "Atla",
                              "Tümüne Hayır", "Tümüne Evet", "Yardım"}));
        QCOMPARE(mesajlar.last().odak, MesajDugmesi::Atla);
    }

    void scriptedAnswersAreReturnedInOrder() {
        ScriptedMessages mesajlar;
        mesajlar.answer(ModalSonuc::Hayir);
        const QList<MesajDugmesi> evetHayir{MesajDugmesi::Evet, MesajDugmesi::Hayir};
        QCOMPARE(MesajGoster("Silinsin mi?", MesajTuru::Soru, evetHayir, MesajDugmesi::Hayir),
                 ModalSonuc::Hayir);
        // With nothing scripted the focused button answers.
        QCOMPARE(MesajGoster("Silinsin mi?", MesajTuru::Soru, evetHayir, MesajDugmesi::Evet),
                 ModalSonuc::Evet);
        QCOMPARE(mesajlar.count(), 2);
        QCOMPARE(mesajlar.shown().first().odak, MesajDugmesi::Hayir);
    }

    void connectionErrorMessage() {
        ScriptedMessages mesajlar;
        BaglantiHatasiGoster();
        QCOMPARE(mesajlar.last().metin, QString("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
        QCOMPARE(mesajlar.last().tur, MesajTuru::Hata);
        QCOMPARE(mesajlar.last().dugmeler, QList<MesajDugmesi>{MesajDugmesi::Tamam});
        QCOMPARE(mesajlar.last().odak, MesajDugmesi::Tamam);
    }

    // The real dialog, without the seam: the focused button has the focus when it opens and
    // pressing it gives its modal result.
    void realDialogFocusesAndReturnsThePressedButton() {
        QString odaktaki, baslik;
        QTimer::singleShot(0, [&] {
            auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!kutu)
                return;
            baslik = kutu->windowTitle();
            auto* odak = qobject_cast<QPushButton*>(kutu->focusWidget());
            if (odak) {
                odaktaki = odak->text();
                odak->click();
            } else {
                kutu->done(0);  // never leave the test waiting on the box
            }
        });
        const ModalSonuc sonuc = MesajGoster(
            "Emin misiniz?", MesajTuru::Soru,
            {MesajDugmesi::Evet, MesajDugmesi::Hayir, MesajDugmesi::Vazgec}, MesajDugmesi::Vazgec);
        QCOMPARE(baslik, QString("Soru"));
        QCOMPARE(odaktaki, QString("Vazgeç"));
        QCOMPARE(sonuc, ModalSonuc::Vazgec);
    }
};

QTEST_MAIN(TestMesajGoster)
#include "tst_mesaj_goster.moc"
