#include "server/demo/demo_words.h"

namespace server::demo {

quint64 DemoRandom::next() {
    quint64 z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int DemoRandom::between(int low, int high) {
    return low + int(next() % quint64(high - low + 1));
}

double DemoRandom::unit() {
    return double(next() >> 11) / double(1ULL << 53);
}

const QList<PartKind>& partKinds() {
    static const QList<PartKind> kinds = {
        {"FREN BALATASI", "FREN SİSTEMİ", 350, 2400},
        {"FREN DİSKİ", "FREN SİSTEMİ", 600, 3800},
        {"FREN KALİPERİ", "FREN SİSTEMİ", 1200, 6500},
        {"FREN HORTUMU", "FREN SİSTEMİ", 90, 450},
        {"ABS SENSÖRÜ", "FREN SİSTEMİ", 300, 1900},
        {"YAĞ FİLTRESİ", "FİLTRE", 60, 420},
        {"HAVA FİLTRESİ", "FİLTRE", 90, 650},
        {"POLEN FİLTRESİ", "FİLTRE", 80, 520},
        {"YAKIT FİLTRESİ", "FİLTRE", 110, 900},
        {"DEBRİYAJ SETİ", "ŞANZIMAN", 2500, 14000},
        {"DEBRİYAJ RULMANI", "ŞANZIMAN", 400, 2200},
        {"VİTES HALATI", "ŞANZIMAN", 450, 2600},
        {"AKS KÖRÜĞÜ", "ŞANZIMAN", 120, 700},
        {"AKS MİLİ", "ŞANZIMAN", 1800, 9000},
        {"AMORTİSÖR", "SÜSPANSİYON", 900, 5200},
        {"AMORTİSÖR TAKOZU", "SÜSPANSİYON", 150, 900},
        {"ROTİL", "SÜSPANSİYON", 180, 950},
        {"ROT BAŞI", "SÜSPANSİYON", 160, 880},
        {"SALINCAK", "SÜSPANSİYON", 650, 3900},
        {"Z ROT", "SÜSPANSİYON", 140, 760},
        {"HELEZON YAY", "SÜSPANSİYON", 500, 2700},
        {"TEKER RULMANI", "SÜSPANSİYON", 350, 2100},
        {"TRİGER SETİ", "MOTOR", 1500, 9500},
        {"TRİGER KAYIŞI", "MOTOR", 300, 1600},
        {"V KAYIŞI", "MOTOR", 120, 700},
        {"GERGİ RULMANI", "MOTOR", 280, 1500},
        {"DEVİRDAİM POMPASI", "SOĞUTMA", 700, 4200},
        {"RADYATÖR", "SOĞUTMA", 1500, 8500},
        {"TERMOSTAT", "SOĞUTMA", 180, 1100},
        {"FAN MOTORU", "SOĞUTMA", 900, 5500},
        {"HARARET MÜŞÜRÜ", "SOĞUTMA", 90, 480},
        {"RADYATÖR HORTUMU", "SOĞUTMA", 120, 800},
        {"SİLİNDİR KAPAK CONTASI", "MOTOR", 400, 2800},
        {"KARTER CONTASI", "MOTOR", 120, 650},
        {"KRANK KEÇESİ", "MOTOR", 90, 520},
        {"SEKMAN TAKIMI", "MOTOR", 900, 5200},
        {"PİSTON", "MOTOR", 1100, 6200},
        {"MOTOR TAKOZU", "MOTOR", 350, 2400},
        {"YAĞ POMPASI", "MOTOR", 900, 5800},
        {"ENJEKTÖR", "YAKIT SİSTEMİ", 1800, 12000},
        {"YAKIT POMPASI", "YAKIT SİSTEMİ", 1200, 7800},
        {"GAZ KELEBEĞİ", "YAKIT SİSTEMİ", 1500, 8800},
        {"TURBO", "YAKIT SİSTEMİ", 9000, 42000},
        {"İNTERCOOLER HORTUMU", "YAKIT SİSTEMİ", 350, 2200},
        {"BUJİ", "ELEKTRİK", 70, 420},
        {"ATEŞLEME BOBİNİ", "ELEKTRİK", 450, 2600},
        {"MARŞ MOTORU", "ELEKTRİK", 2200, 11000},
        {"ŞARJ DİNAMOSU", "ELEKTRİK", 2800, 14000},
        {"OKSİJEN SENSÖRÜ", "ELEKTRİK", 900, 4800},
        {"KRANK SENSÖRÜ", "ELEKTRİK", 350, 1900},
        {"CAM KRİKOSU", "ELEKTRİK", 500, 2900},
        {"FAR AMPULÜ H7", "AYDINLATMA", 40, 260},
        {"SİS FARI", "AYDINLATMA", 350, 2200},
        {"STOP LAMBASI", "AYDINLATMA", 450, 3200},
        {"ÖN FAR", "AYDINLATMA", 1800, 12500},
        {"SİLECEK SÜPÜRGESİ", "KAPORTA", 90, 520},
        {"DİKİZ AYNASI CAMI", "KAPORTA", 120, 750},
        {"KAPI KOLU", "KAPORTA", 140, 900},
        {"ÖN TAMPON", "KAPORTA", 1500, 8200},
        {"ÇAMURLUK", "KAPORTA", 1100, 6400},
        {"PANJUR", "KAPORTA", 500, 3200},
        {"EGZOZ SUSTURUCU", "EGZOZ", 700, 4200},
        {"KATALİTİK KONVERTÖR", "EGZOZ", 3500, 19000},
        {"KLİMA KOMPRESÖRÜ", "KLİMA", 5500, 26000},
        {"KLİMA KURUTUCUSU", "KLİMA", 300, 1600},
        {"DİREKSİYON KUTUSU", "DİREKSİYON", 4500, 24000},
        {"HİDROLİK DİREKSİYON POMPASI", "DİREKSİYON", 2500, 13000},
        {"EL FRENİ TELİ", "FREN SİSTEMİ", 180, 950},
    };
    return kinds;
}

const QStringList& partSides() {
    static const QStringList sides = {"",       "",         "ÖN",       "ARKA",  "ÖN SAĞ",
                                      "ÖN SOL", "ARKA SAĞ", "ARKA SOL", "TAKIM", "KOMPLE",
                                      "ÜST",    "ALT",      "SAĞ",      "SOL",   "4'LÜ SET"};
    return sides;
}

const QStringList& partBrands() {
    static const QStringList brands = {
        "VARTEK",   "EGEMAX",    "TORKSAN",        "BOSFORPART", "KAPADOKYA OTO",
        "MERİDYEN", "DELTAPART", "YILDIZ MEKANİK", "KUZEYFREN",  "ANATOLİA PARTS",
        "KARDELEN", "TUNA OTO",  "GÜNEYDOĞU",      "MAVİTEK",    "ATLAS MOTOR"};
    return brands;
}

const QStringList& vehicleModels() {
    static const QStringList models = {
        "FIAT DOBLO 1.3 MJT",    "FIAT EGEA 1.4",      "RENAULT CLIO IV 1.5 DCI",
        "RENAULT MEGANE III",    "DACIA DUSTER 1.5",   "FORD FOCUS III 1.6",
        "FORD TRANSIT CUSTOM",   "FORD FIESTA 1.4",    "VW PASSAT B7 1.6 TDI",
        "VW GOLF VII 1.4 TSI",   "VW CADDY 2.0 TDI",   "TOYOTA COROLLA E150",
        "TOYOTA HILUX 2.5",      "HYUNDAI ACCENT ERA", "HYUNDAI I20",
        "OPEL ASTRA J 1.6",      "OPEL CORSA D",       "PEUGEOT 301 1.6 HDI",
        "PEUGEOT PARTNER",       "CITROEN BERLINGO",   "HONDA CIVIC FD6",
        "MERCEDES SPRINTER 313", "BMW 3 E90 320D",     "SKODA OCTAVIA 1.6",
        "KIA RIO 1.4",           "NISSAN QASHQAI 1.5", "FIAT LINEA 1.3"};
    return models;
}

const QStringList& firstNames() {
    static const QStringList names = {"Ahmet", "Mehmet", "Ayşe",   "Fatma",   "Mustafa", "Zeynep",
                                      "Emre",  "Elif",   "Hasan",  "Hüseyin", "Murat",   "Selin",
                                      "Burak", "Derya",  "Serkan", "Gülşen",  "Kemal",   "Özlem"};
    return names;
}

const QStringList& surnames() {
    static const QStringList names = {"Yılmaz", "Kaya",   "Demir", "Çelik",   "Şahin", "Aydın",
                                      "Öztürk", "Arslan", "Doğan", "Koç",     "Kurt",  "Özdemir",
                                      "Aslan",  "Çetin",  "Kılıç", "Erdoğan", "Güneş", "Bulut"};
    return names;
}

const QStringList& firmSuffixes() {
    static const QStringList suffixes = {"Oto Yedek Parça Ltd. Şti.",
                                         "Otomotiv San. ve Tic. A.Ş.",
                                         "Oto Servis",
                                         "Oto Elektrik",
                                         "Motor Yenileme Ltd. Şti.",
                                         "Oto Tamir Garajı",
                                         "Otomotiv Ltd. Şti.",
                                         "Yedek Parça Ticaret"};
    return suffixes;
}

const QList<Place>& places() {
    static const QList<Place> list = {
        {"İZMİR", "Bornova", "0232"},     {"İZMİR", "Karşıyaka", "0232"},
        {"İZMİR", "Buca", "0232"},        {"İZMİR", "Torbalı", "0232"},
        {"ANTALYA", "Muratpaşa", "0242"}, {"ANTALYA", "Kepez", "0242"},
        {"ANTALYA", "Manavgat", "0242"},  {"MANİSA", "Yunusemre", "0236"},
        {"AYDIN", "Efeler", "0256"},      {"MUĞLA", "Menteşe", "0252"},
        {"DENİZLİ", "Pamukkale", "0258"}, {"ISPARTA", "Merkez", "0246"},
        {"BURDUR", "Merkez", "0248"},     {"UŞAK", "Merkez", "0276"}};
    return list;
}

const QStringList& streets() {
    static const QStringList list = {
        "Sanayi Sitesi 1203/4 Sok.", "Atatürk Cad.", "Cumhuriyet Bulvarı", "Küçük Sanayi 14. Blok",
        "Oto Sanayi Sitesi 3. Cad.", "Gazi Bulvarı", "İnönü Cad.",         "Ankara Asfaltı"};
    return list;
}

}  // namespace server::demo
