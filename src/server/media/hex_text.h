#pragma once

#include <QByteArray>
#include <QString>

namespace media {

/// A picture as it travels inside a record: each byte as two upper-case hexadecimal digits,
/// first byte first, no separators and no prefix. Empty bytes give an empty text.
QString pictureHexText(const QByteArray& bytes);

}  // namespace media
