#pragma once

#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace testsupport {

/// Saves what `widget` shows as <build>/screenshots/<name>.png, so the program's windows can be
/// looked at without a display. Returns the path written (empty on failure).
inline QString saveScreenshot(QWidget* widget, const QString& name) {
    const QString folder = QStringLiteral(VARLENTA_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    const QString path = folder + u'/' + name + u".png"_qs;
    return widget->grab().save(path) ? path : QString();
}

}  // namespace testsupport
