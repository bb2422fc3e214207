#include "server/handlers/media_cache.h"

#include <QHash>
#include <mutex>

namespace server {
namespace {

constexpr qsizetype kMaxBytes = 64 << 20;

std::mutex gMutex;
QHash<QString, QByteArray> gItems;
qsizetype gBytes = 0;

}  // namespace

QByteArray cachedMedia(const QString& key, const std::function<QByteArray()>& render) {
    {
        std::lock_guard lock(gMutex);
        auto it = gItems.constFind(key);
        if (it != gItems.constEnd())
            return *it;
    }
    QByteArray bytes = render();
    std::lock_guard lock(gMutex);
    if (gBytes + bytes.size() > kMaxBytes) {
        gItems.clear();
        gBytes = 0;
    }
    if (!gItems.contains(key)) {
        gItems.insert(key, bytes);
        gBytes += bytes.size();
    }
    return bytes;
}

}  // namespace server
