#include "server/media/hex_text.h"

namespace media {

QString pictureHexText(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

}  // namespace media
