#include "client/app/theme.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

inline void initAppResources() {
    Q_INIT_RESOURCE(app_resources);
}

namespace app {
namespace {

/// The layouts name Windows fonts; on a machine without them the DejaVu families stand in.
void mapWindowsFonts() {
    const QStringList families = QFontDatabase::families();
    auto substitute = [&](const QString& wanted, const QString& standIn) {
        if (!families.contains(wanted, Qt::CaseInsensitive) && families.contains(standIn)) {
            QFont::insertSubstitution(wanted, standIn);
        }
    };
    substitute(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    substitute(QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"));
    substitute(QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans"));
}

QPalette lightPalette() {
    QPalette p;
    const QColor window(0xf4, 0xf6, 0xf7);
    const QColor text(kGreyText);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xf0, 0xf8, 0xf8));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0xe7, 0xec, 0xee));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(kTurquoise));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(kTurquoiseDark));
    p.setColor(QPalette::ToolTipBase, QColor(kTurquoiseLight));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x90, 0xa4, 0xae));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9e, 0xa7, 0xab));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x9e, 0xa7, 0xab));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9e, 0xa7, 0xab));
    return p;
}

const char* const kStyleSheet = R"(
QTabWidget::pane { border: 1px solid #b0bec5; border-top: 3px solid #0d7f86; background: #ffffff; }
QTabBar::tab {
    color: #ffffff; font-weight: bold; min-width: 120px; min-height: 39px; padding: 0px 8px;
    margin-right: 2px; border-top-left-radius: 5px; border-top-right-radius: 5px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5fb9bd, stop:1 #3e979c);
}
QTabBar::tab:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3fc3c8, stop:1 #14a0a6); }
QTabBar::tab:selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #14a0a6, stop:1 #0d7f86); }
QPushButton, QToolButton {
    border: 1px solid #90a4ae; border-radius: 4px; padding: 4px 12px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e3e9ec);
}
QPushButton:hover, QToolButton:hover { border-color: #14a0a6; background: #e6f6f7; }
QPushButton:pressed, QToolButton:pressed { background: #c8ecee; }
QPushButton:default { border: 2px solid #14a0a6; }
QPushButton:disabled { color: #9ea7ab; border-color: #cfd8dc; }
QLineEdit { border: 1px solid #b0bec5; border-radius: 3px; padding: 2px 4px; background: #ffffff;
            selection-background-color: #14a0a6; }
QLineEdit:focus { border: 1px solid #14a0a6; }
QProgressBar { border: 1px solid #b0bec5; border-radius: 3px; background: #ffffff; text-align: center; }
QProgressBar::chunk { background: #14a0a6; }
QMenu { background: #ffffff; border: 1px solid #b0bec5; }
QMenu::item { padding: 6px 24px; }
QMenu::item:selected { background: #14a0a6; color: #ffffff; }
QMenu::separator { height: 1px; background: #cfd8dc; margin: 3px 8px; }
QHeaderView::section { background: #e3eaed; color: #37474f; border: none;
                       border-right: 1px solid #cfd8dc; border-bottom: 1px solid #b0bec5; padding: 4px; }
)";

}  // namespace

void applyTheme(QApplication& application) {
    mapWindowsFonts();
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        application.setStyle(fusion);
    }
    application.setPalette(lightPalette());
    application.setFont(uiFont(13));
    application.setStyleSheet(QString::fromLatin1(kStyleSheet));
}

QFont uiFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive)) {
        font.setStretch(QFont::SemiCondensed);
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void initResources() {
    initAppResources();
}

}  // namespace app
