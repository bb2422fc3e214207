#include "client/ui/stock_state.h"

#include <QHash>

// The artwork is compiled into the static client library; registering it by hand keeps the
// linker from dropping it.
static void registerIconResources() {
    Q_INIT_RESOURCE(ui_icons);
}

namespace ui {

namespace {

QIcon cachedIcon(const QString& path) {
    static const bool registered = (registerIconResources(), true);
    Q_UNUSED(registered);
    static QHash<QString, QIcon> icons;
    auto it = icons.find(path);
    if (it == icons.end())
        it = icons.insert(path, QIcon(path));
    return *it;
}

}  // namespace

bool isStockState(int code) {
    return code >= 0 && code < kStockStateCount;
}

QString stockStateDescription(int code) {
    switch (code) {
        case 0:
            return QStringLiteral("Yok");
        case 1:
            return QStringLiteral("Var");
        case 2:
            return QStringLiteral("Telefon Açınız");
        case 3:
            return QStringLiteral("Yolda");
        case 4:
            return QStringLiteral("Özel Sipariş");
        case 5:
            return QStringLiteral("Tedarik Sürecinde");
        default:
            return {};
    }
}

QColor stockStateColour(int code) {
    static const QColor colours[kStockStateCount] = {
        QColor(0xD3, 0x2F, 0x2F),  // red
        QColor(0x1B, 0x7F, 0x3B),  // dark green
        QColor(0xF5, 0x7C, 0x00),  // orange
        QColor(0x7D, 0x86, 0x90),  // grey
        QColor(0x1E, 0x6F, 0xD9),  // blue
        QColor(0xF2, 0xC2, 0x00),  // yellow
    };
    return isStockState(code) ? colours[code] : QColor();
}

QIcon stockStateIcon(int code) {
    if (!isStockState(code))
        return {};
    return cachedIcon(QStringLiteral(":/ui/icons/stock_state_%1.svg").arg(code));
}

QIcon pictureIcon() {
    return cachedIcon(QStringLiteral(":/ui/icons/picture.svg"));
}

QIcon flagIcon() {
    return cachedIcon(QStringLiteral(":/ui/icons/flag.svg"));
}

}  // namespace ui
