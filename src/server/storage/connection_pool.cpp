#include "server/storage/connection_pool.h"

#include <map>

namespace server {
namespace {

thread_local std::map<const ConnectionPool*, std::unique_ptr<Session>> tSessions;

}  // namespace

ConnectionPool::ConnectionPool(DatabaseUrl url)
    : url_(std::move(url)), driver_(SqlDriver::forUrl(url_)) {}

ConnectionPool::~ConnectionPool() {
    releaseThisThread();
}

Session& ConnectionPool::sessionForThisThread() {
    auto it = tSessions.find(this);
    if (it != tSessions.end())
        return *it->second;
    const QString name = QStringLiteral("varlenta-%1-%2")
                             .arg(reinterpret_cast<quintptr>(this))
                             .arg(nextConnection_.fetch_add(1));
    auto session = std::make_unique<Session>(url_, *driver_, name);
    Session& ref = *session;
    tSessions.emplace(this, std::move(session));
    return ref;
}

void ConnectionPool::releaseThisThread() {
    tSessions.erase(this);
}

}  // namespace server
