#include "folders.h"

#include <QDir>
#include <QStandardPaths>

QString AyarKlasoru() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QLatin1String("/varlent");
    QDir().mkpath(folder);
    return folder;
}

QString BelgelerKlasoru() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
