#include "server/storage/sql_driver.h"

namespace server {

std::unique_ptr<SqlDriver> makeSqliteDriver();
std::unique_ptr<SqlDriver> makePostgresDriver();

std::unique_ptr<SqlDriver> SqlDriver::forUrl(const DatabaseUrl& url) {
    if (url.backend == DatabaseUrl::Backend::Postgres)
        return makePostgresDriver();
    return makeSqliteDriver();
}

}  // namespace server
