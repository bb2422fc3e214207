#include "wire/error.h"

namespace wire {

Error::Error(QString className, QString message)
    : className_(std::move(className)), message_(std::move(message)), what_(message_.toUtf8()) {}

QString Error::fullText() const { return className_ + QStringLiteral(": ") + message_; }

}  // namespace wire
