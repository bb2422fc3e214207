#include "wire/byte_reader.h"

#include "wire/error.h"

namespace wire {

void throwProtocolError(const QString& message) {
    throw Error(QString::fromLatin1(kProtocolErrorClass), message);
}

void ByteReader::throwShort(qint64 count) const {
    throwProtocolError(QStringLiteral("Truncated data: %1 bytes needed at offset %2, %3 left")
                           .arg(count)
                           .arg(pos_)
                           .arg(remaining()));
}

void ByteReader::expectEnd(const char* what) const {
    if (!atEnd())
        throwProtocolError(QStringLiteral("%1 bytes left over after the %2")
                               .arg(remaining())
                               .arg(QLatin1String(what)));
}

void ByteWriter::lengthPrefixed(QByteArrayView data) {
    if (quint64(data.size()) > 0xffffffffu)
        throwProtocolError(
            QStringLiteral("A value of %1 bytes is too long to send").arg(data.size()));
    u32(quint32(data.size()));
    bytes(data);
}

}  // namespace wire
