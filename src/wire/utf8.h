#pragma once

#include <QByteArrayView>
#include <QString>

namespace wire {

/// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above
/// U+10FFFF). Runs of ASCII are checked eight bytes at a time.
bool isValidUtf8(QByteArrayView bytes);

/// Validates, then converts; invalid UTF-8 throws wire::Error (EProtocolError) naming `what`.
QString utf8ToString(QByteArrayView bytes, const char* what);

}  // namespace wire
