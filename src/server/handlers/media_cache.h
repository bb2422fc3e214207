#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace server {

/// Pictures and banners are pure functions of their inputs, so each is drawn once and kept (up to
/// a bound) for the process's life. Thread-safe; two threads may draw the same item once each.
QByteArray cachedMedia(const QString& key, const std::function<QByteArray()>& render);

}  // namespace server
