#pragma once

// Where the media tests leave pictures and PDF pages for a person to look at.

#include <QDir>
#include <QString>

inline QString mediaSampleDir() {
    const QString dir = QStringLiteral(VARLENTA_BINARY_DIR "/screenshots/media");
    QDir().mkpath(dir);
    return dir;
}
