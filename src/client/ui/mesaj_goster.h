#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace ui {

/// Kind of a message; chooses the title, the icon and the sound.
enum class MesajTuru { Uyari, Hata, Bilgi, Soru };

/// Buttons a message can show. The numbers are the ones callers use to choose the focused button.
enum class MesajDugmesi : int {
    Evet = 0,
    Hayir = 1,
    Tamam = 2,
    Vazgec = 3,
    Iptal = 4,
    Tekrar = 5,
    Atla = 6,
    TumuneHayir = 8,
    TumuneEvet = 9,
    Yardim = 10,
};

/// What the user answered (the modal result). Closing the box without a button gives Yok.
enum class ModalSonuc : int {
    Yok = 0,
    Tamam = 1,
    Vazgec = 2,
    Iptal = 3,
    Tekrar = 4,
    Atla = 5,
    Evet = 6,
    Hayir = 7,
    TumuneHayir = 8,
    TumuneEvet = 9,
    Yardim = 10,
};

QString mesajBasligi(MesajTuru tur);      ///< "Uyarı", "Hata", "Bilgi", "Soru"
int mesajSesi(MesajTuru tur);             ///< the system sound number of the kind (48, 16, 64, 32)
QString dugmeYazisi(MesajDugmesi dugme);  ///< "Evet", "Hayır", "Tamam", ...
ModalSonuc dugmeSonucu(MesajDugmesi dugme);

/// Everything a message shows, as read back from the built dialog.
struct GosterilenMesaj {
    QString metin;
    MesajTuru tur = MesajTuru::Bilgi;
    QString baslik;
    int ses = 0;
    QList<MesajDugmesi> dugmeler;  ///< in the order given by the caller
    QStringList dugmeYazilari;     ///< captions of those buttons as the dialog holds them
    MesajDugmesi odak = MesajDugmesi::Tamam;  ///< the button that has the focus when it opens
    int yaziBoyutu = 0;                       ///< point size of the dialog's font
};

/// Shows a modal message box over `sahip` (or the active window) and returns the button pressed.
/// `odak` must be one of `dugmeler`. Main thread only.
ModalSonuc MesajGoster(const QString& metin, MesajTuru tur, const QList<MesajDugmesi>& dugmeler,
                       MesajDugmesi odak, QWidget* sahip = nullptr);

/// The text of the message shown when the server cannot be reached.
extern const char* const kBaglantiHatasiMetni;

/// "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!" as an error with an OK button.
void BaglantiHatasiGoster(QWidget* sahip = nullptr);

/// When set, MesajGoster builds the dialog, hands its description to the responder and returns the
/// responder's answer instead of showing the box. Tests install one (see ScriptedMessages) so no
/// test can wait on a modal box. Returns the previous responder.
using MesajYanitlayici = std::function<ModalSonuc(const GosterilenMesaj&)>;
MesajYanitlayici mesajYanitlayiciKur(MesajYanitlayici yanitlayici);

}  // namespace ui
