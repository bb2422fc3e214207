#include "client/ui/mesaj_goster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

constexpr int kMesajYaziBoyutu = 15;

MesajYanitlayici& yanitlayici() {
    static MesajYanitlayici kurulu;
    return kurulu;
}

QMessageBox::StandardButton standartDugme(MesajDugmesi dugme) {
    switch (dugme) {
        case MesajDugmesi::Evet:
            return QMessageBox::Yes;
        case MesajDugmesi::Hayir:
            return QMessageBox::No;
        case MesajDugmesi::Tamam:
            return QMessageBox::Ok;
        case MesajDugmesi::Vazgec:
            return QMessageBox::Cancel;
        case MesajDugmesi::Iptal:
            return QMessageBox::Abort;
        case MesajDugmesi::Tekrar:
            return QMessageBox::Retry;
        case MesajDugmesi::Atla:
            return QMessageBox::Ignore;
        case MesajDugmesi::TumuneHayir:
            return QMessageBox::NoToAll;
        case MesajDugmesi::TumuneEvet:
            return QMessageBox::YesToAll;
        case MesajDugmesi::Yardim:
            return QMessageBox::Help;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon simge(MesajTuru tur) {
    switch (tur) {
        case MesajTuru::Uyari:
            return QMessageBox::Warning;
        case MesajTuru::Hata:
            return QMessageBox::Critical;
        case MesajTuru::Bilgi:
            return QMessageBox::Information;
        case MesajTuru::Soru:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

const char* const kBaglantiHatasiMetni = "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!";

QString mesajBasligi(MesajTuru tur) {
    switch (tur) {
        case MesajTuru::Uyari:
            return QStringLiteral("Uyarı");
        case MesajTuru::Hata:
            return QStringLiteral("Hata");
        case MesajTuru::Bilgi:
            return QStringLiteral("Bilgi");
        case MesajTuru::Soru:
            return QStringLiteral("Soru");
    }
    return {};
}

int mesajSesi(MesajTuru tur) {
    switch (tur) {
        case MesajTuru::Uyari:
            return 48;
        case MesajTuru::Hata:
            return 16;
        case MesajTuru::Bilgi:
            return 64;
        case MesajTuru::Soru:
            return 32;
    }
    return 0;
}

QString dugmeYazisi(MesajDugmesi dugme) {
    switch (dugme) {
        case MesajDugmesi::Evet:
            return QStringLiteral("Evet");
        case MesajDugmesi::Hayir:
            return QStringLiteral("Hayır");
        case MesajDugmesi::Tamam:
            return QStringLiteral("Tamam");
        case MesajDugmesi::Vazgec:
            return QStringLiteral("Vazgeç");
        case MesajDugmesi::Iptal:
            return QStringLiteral("İptal");
        case MesajDugmesi::Tekrar:
            return QStringLiteral("Tekrar");
        case MesajDugmesi::Atla:
            return QStringLiteral("Atla");
        case MesajDugmesi::TumuneHayir:
            return QStringLiteral("Tümüne Hayır");
        case MesajDugmesi::TumuneEvet:
            return QStringLiteral("Tümüne Evet");
        case MesajDugmesi::Yardim:
            return QStringLiteral("Yardım");
    }
    return {};
}

ModalSonuc dugmeSonucu(MesajDugmesi dugme) {
    switch (dugme) {
        case MesajDugmesi::Evet:
            return ModalSonuc::Evet;
        case MesajDugmesi::Hayir:
            return ModalSonuc::Hayir;
        case MesajDugmesi::Tamam:
            return ModalSonuc::Tamam;
        case MesajDugmesi::Vazgec:
            return ModalSonuc::Vazgec;
        case MesajDugmesi::Iptal:
            return ModalSonuc::Iptal;
        case MesajDugmesi::Tekrar:
            return ModalSonuc::Tekrar;
        case MesajDugmesi::Atla:
            return ModalSonuc::Atla;
        case MesajDugmesi::TumuneHayir:
            return ModalSonuc::TumuneHayir;
        case MesajDugmesi::TumuneEvet:
            return ModalSonuc::TumuneEvet;
        case MesajDugmesi::Yardim:
            return ModalSonuc::Yardim;
    }
    return ModalSonuc::Yok;
}

ModalSonuc MesajGoster(const QString& metin, MesajTuru tur, const QList<MesajDugmesi>& dugmeler,
                       MesajDugmesi odak, QWidget* sahip) {
    Q_ASSERT(dugmeler.contains(odak));
    if (!sahip)
        sahip = QApplication::activeWindow();

    QMessageBox kutu(sahip);
    QFont yazi = kutu.font();
    yazi.setPointSize(kMesajYaziBoyutu);
    kutu.setFont(yazi);
    kutu.setIcon(simge(tur));
    kutu.setWindowTitle(mesajBasligi(tur));
    kutu.setText(metin);

    QHash<QAbstractButton*, MesajDugmesi> dugmeOf;
    GosterilenMesaj gosterilen{metin, tur,  kutu.windowTitle(),     mesajSesi(tur), dugmeler,
                               {},    odak, kutu.font().pointSize()};
    for (MesajDugmesi dugme : dugmeler) {
        QPushButton* b = kutu.addButton(standartDugme(dugme));
        b->setText(dugmeYazisi(dugme));
        dugmeOf.insert(b, dugme);
        gosterilen.dugmeYazilari << b->text();
        if (dugme == odak) {
            kutu.setDefaultButton(b);
            b->setFocus();
        }
    }
    if (auto* varsayilan = kutu.defaultButton())
        gosterilen.odak = dugmeOf.value(varsayilan, odak);

    QApplication::beep();
    if (const MesajYanitlayici& cevap = yanitlayici())
        return cevap(gosterilen);

    kutu.exec();
    const auto basilan = dugmeOf.constFind(kutu.clickedButton());
    return basilan == dugmeOf.cend() ? ModalSonuc::Yok : dugmeSonucu(*basilan);
}

void BaglantiHatasiGoster(QWidget* sahip) {
    MesajGoster(QString::fromUtf8(kBaglantiHatasiMetni), MesajTuru::Hata, {MesajDugmesi::Tamam},
                MesajDugmesi::Tamam, sahip);
}

MesajYanitlayici mesajYanitlayiciKur(MesajYanitlayici yeni) {
    return std::exchange(yanitlayici(), std::move(yeni));
}

}  // namespace ui
