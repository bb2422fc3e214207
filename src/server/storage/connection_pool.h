#pragma once

#include <QString>
#include <atomic>
#include <memory>

#include "server/storage/database_url.h"
#include "server/storage/session.h"
#include "server/storage/sql_driver.h"

namespace server {

/// One database connection per thread, opened on the thread's first call and closed by
/// releaseThisThread() (a worker calls it before it ends).
class ConnectionPool {
public:
    explicit ConnectionPool(DatabaseUrl url);
    ~ConnectionPool();

    const DatabaseUrl& url() const { return url_; }
    const SqlDriver& driver() const { return *driver_; }

    Session& sessionForThisThread();
    void releaseThisThread();

private:
    DatabaseUrl url_;
    std::unique_ptr<SqlDriver> driver_;
    std::atomic<int> nextConnection_{0};
};

}  // namespace server
