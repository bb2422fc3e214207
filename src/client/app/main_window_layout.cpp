// The fixed regions of the main window: header, search bar, legend, bottom strip, general menu.
#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "client/app/artwork.h"
#include "client/app/main_window.h"
#include "client/app/theme.h"
#include "client/app/upper_case_edit.h"
#include "client/app/wait_animation.h"
#include "client/ui/stock_state.h"

namespace app {
namespace {

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

QWidget* TForm1::buildHeader() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(100);
    panel->setStyleSheet(QStringLiteral(
        "#Panel1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #ffffff, "
        "stop:0.55 #f1fafa, stop:1 #d5f0f1); border-bottom: 3px solid #14a0a6; }"));

    Image1 = namedLabel(QStringLiteral("Image1"), QString(), panel);
    Image1->setFixedSize(330, 100);
    Image1->setPixmap(artwork(QStringLiteral("logo"), QSize(330, 100), devicePixelRatioF()));

    auto* gridPanel = new QWidget(panel);
    gridPanel->setObjectName(QStringLiteral("GridPanel1"));
    auto* grid = new QGridLayout(gridPanel);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 18);
    grid->setColumnStretch(1, 82);
    kullanicilbl = namedLabel(QStringLiteral("kullanicilbl"), QString(), gridPanel);
    cariadilbl = namedLabel(QStringLiteral("cariadilbl"), QString(), gridPanel);
    saticilbl = namedLabel(QStringLiteral("saticilbl"), QString(), gridPanel);
    const QList<std::pair<QString, QLabel*>> rows = {{QStringLiteral("Kullanıcı: "), kullanicilbl},
                                                     {QStringLiteral("Firma: "), cariadilbl},
                                                     {QStringLiteral("Temsilci: "), saticilbl}};
    for (int row = 0; row < rows.size(); ++row) {
        auto* caption = new QLabel(rows[row].first, gridPanel);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setStyleSheet(QStringLiteral("color: #546e7a;"));
        rows[row].second->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        rows[row].second->setStyleSheet(QStringLiteral("color: #0d7f86;"));
        rows[row].second->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Long names are cut at the window's edge rather than widening the window.
        rows[row].second->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        grid->addWidget(caption, row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }

    RxGIFAnimator1 = namedLabel(QStringLiteral("RxGIFAnimator1"), QString(), panel);
    RxGIFAnimator1->setFixedSize(409, 100);
    RxGIFAnimator1->setScaledContents(true);

    Button3 = new QToolButton(panel);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setIcon(artworkIcon(QStringLiteral("menu"), QSize(32, 32)));
    Button3->setIconSize(QSize(32, 32));
    Button3->setMenu(Genelmenu);
    Button3->setPopupMode(QToolButton::MenuButtonPopup);
    Button3->setToolTip(QStringLiteral("Menü"));
    Button3->setFixedSize(72, 56);
    Button3->setStyleSheet(QStringLiteral(
        "QToolButton { background: #14a0a6; border: 1px solid #0d7f86; border-radius: 6px; }"
        "QToolButton:hover { background: #1bb3b9; }"
        "QToolButton::menu-button { border-left: 1px solid #0d7f86; width: 18px; }"));

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 10, 0);
    layout->setSpacing(0);
    layout->addWidget(Image1);
    layout->addWidget(gridPanel, 1);
    layout->addWidget(RxGIFAnimator1);
    layout->addSpacing(10);
    layout->addWidget(Button3);

    // The upper banner strip sits right under the header; it takes no room while empty.
    RxGIFAnimator2 = namedLabel(QStringLiteral("RxGIFAnimator2"), QString(), this);
    RxGIFAnimator2->setFixedHeight(0);
    RxGIFAnimator2->setScaledContents(true);
    return panel;
}

QWidget* TForm1::buildSearchBar() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedHeight(35);
    panel->setStyleSheet(
        QStringLiteral("#Panel2 { background: #eceff1; border-bottom: 1px solid #cfd8dc; }"));

    auto* image2 = namedLabel(QStringLiteral("Image2"), QString(), panel);
    image2->setPixmap(artwork(QStringLiteral("search"), QSize(26, 26), devicePixelRatioF()));

    araedit = new QLineEdit(panel);
    araedit->setObjectName(QStringLiteral("araedit"));
    araedit->setFont(uiFont(20));
    araedit->setFixedSize(340, 29);
    araedit->setPlaceholderText(QStringLiteral("Stok kodu veya adı"));
    forceUpperCase(araedit);

    auto toolButton = [panel](const QString& name, const QString& hint, const QString& icon) {
        auto* b = new QToolButton(panel);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setIcon(artworkIcon(icon, QSize(22, 22)));
        b->setIconSize(QSize(22, 22));
        b->setFixedSize(34, 29);
        b->setStyleSheet(QStringLiteral("QToolButton { padding: 2px; }"));
        return b;
    };
    SpeedButton2 =
        toolButton(QStringLiteral("SpeedButton2"), QStringLiteral("Ara"), QStringLiteral("go"));
    SpeedButton1 = toolButton(QStringLiteral("SpeedButton1"), QStringLiteral("Temizle"),
                              QStringLiteral("clear"));

    musteritus = new QPushButton(QStringLiteral("Başka Cari Seç"), panel);
    musteritus->setObjectName(QStringLiteral("musteritus"));
    musteritus->setFixedHeight(29);
    musteritus->hide();

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->setSpacing(4);
    layout->addWidget(image2);
    layout->addWidget(araedit);
    layout->addWidget(SpeedButton2);
    layout->addWidget(SpeedButton1);
    layout->addSpacing(8);
    layout->addWidget(musteritus);
    for (auto [field, name] :
         {std::pair{&gifstokara, "gifstokara"}, std::pair{&gifyeniler, "gifyeniler"},
          std::pair{&gifkampanyali, "gifkampanyali"}, std::pair{&gifduyuru, "gifduyuru"},
          std::pair{&gifoncekiler, "gifoncekiler"}, std::pair{&gifekstre, "gifekstre"}}) {
        *field = new WaitAnimation(panel, QSize(28, 27));
        (*field)->setObjectName(QString::fromLatin1(name));
        (*field)->hide();
        layout->addWidget(*field);
    }
    layout->addStretch(1);
    return panel;
}

QWidget* TForm1::buildLegend() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel3"));
    panel->setFixedHeight(27);
    panel->setStyleSheet(
        QStringLiteral("#Panel3 { background: #f4f6f7; border-top: 1px solid #cfd8dc; }"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:    "), panel));
    // Fixed order and texts: in stock, call us, on the way, being supplied, special order, none.
    const QList<std::pair<int, QString>> entries = {
        {1, QStringLiteral(" Stok mevcut  ")},  {2, QStringLiteral(" Telefon Açınız  ")},
        {3, QStringLiteral(" Yolda  ")},        {5, QStringLiteral(" Tedarik Sürecinde ")},
        {4, QStringLiteral(" Özel Sipariş  ")}, {0, QStringLiteral(" Yok  ")}};
    for (const auto& [state, text] : entries) {
        auto* icon = new QLabel(panel);
        icon->setPixmap(ui::stockStateIcon(state).pixmap(QSize(24, 24)));
        layout->addWidget(icon);
        auto* label = new QLabel(text, panel);
        label->setObjectName(u"legend"_qs + QString::number(state));
        label->setStyleSheet(QStringLiteral("font-weight: normal;"));
        layout->addWidget(label);
    }
    layout->addStretch(1);
    return panel;
}

QWidget* TForm1::buildBottomStrip() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel5"));
    panel->setFixedHeight(40);
    panel->setStyleSheet(QStringLiteral(
        "#Panel5 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a5a63, "
        "stop:1 #37474f); }"));
    kayanyazi = namedLabel(QStringLiteral("kayanyazi"), QString(), panel);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(24);
    kayanyazi->setFont(arial);
    kayanyazi->setStyleSheet(QStringLiteral("color: #ffffff;"));
    RealTimeMarquee1 = new QWidget(panel);
    RealTimeMarquee1->setObjectName(QStringLiteral("RealTimeMarquee1"));
    RealTimeMarquee1->hide();
    Image3 = namedLabel(QStringLiteral("Image3"), QString(), panel);
    Image3->hide();
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(kayanyazi, 1);
    layout->addWidget(RealTimeMarquee1, 1);
    return panel;
}

void TForm1::buildGeneralMenu() {
    Genelmenu = new QMenu(this);
    Genelmenu->setObjectName(QStringLiteral("Genelmenu"));
    auto item = [this](const QString& name, const QString& caption) {
        QAction* a = Genelmenu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    M1 = item(QStringLiteral("M1"), QStringLiteral("Mail Gönder"));
    Genelmenu->addSeparator();
    N4 = item(QStringLiteral("N4"), QStringLiteral("Şifre Değiştirme İsteği"));
    Genelmenu->addSeparator();
    webadresi1 = item(QStringLiteral("webadresi1"), QString());
    Genelmenu->addSeparator();
    G1 = item(QStringLiteral("G1"), QStringLiteral("Çıkış"));
    Genelmenu->addSeparator();
    R1 = item(QStringLiteral("R1"), QStringLiteral("Raporlar"));
    R1->setVisible(false);
    connect(M1, &QAction::triggered, this, &TForm1::M1Click);
    connect(N4, &QAction::triggered, this, &TForm1::N4Click);
    connect(webadresi1, &QAction::triggered, this, &TForm1::webadresi1Click);
    connect(G1, &QAction::triggered, this, &TForm1::G1Click);
}

}  // namespace app
