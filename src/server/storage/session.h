#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <memory>

#include "server/storage/row_cursor.h"
#include "server/storage/sql_driver.h"

namespace server {

/// One open database connection, used by one thread. Queries are prepared once per connection
/// and kept; every value goes in through a placeholder. Failures throw wire::Error with the class
/// EDatabaseError.
class Session {
public:
    Session(const DatabaseUrl& url, const SqlDriver& driver, const QString& connectionName);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const SqlDriver& driver() const { return driver_; }
    QSqlDatabase& database() { return db_; }

    /// A prepared, executed query; read it forward, it is reset when the next run starts.
    QSqlQuery& run(const QString& sql, std::initializer_list<QVariant> values = {});
    QSqlQuery& run(const QString& sql, const QVariantList& values);
    /// A prepared, executed typed cursor for reading many rows fast (see RowCursor); kept per
    /// connection like the queries of run().
    RowCursor& select(const QString& sql, std::initializer_list<QVariant> values = {});
    /// Executes a statement without placeholders (schema changes).
    void execute(const QString& sql);
    /// First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, std::initializer_list<QVariant> values = {});

    /// Ends every query left open by a call, so no read lock outlives it.
    void finishQueries();

    void beginWrite();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

private:
    QSqlQuery& prepared(const QString& sql);
    [[noreturn]] void fail(const QString& what, const QSqlQuery& query) const;

    const SqlDriver& driver_;
    QString connectionName_;
    QSqlDatabase db_;
    QHash<QString, QSqlQuery*> statements_;
    QHash<QString, std::shared_ptr<RowCursor>> cursors_;
    bool inTransaction_ = false;
};

/// Every change happens inside one of these: it commits when asked and rolls back when it goes
/// out of scope without a commit (an exception on the way).
class WriteTransaction {
public:
    explicit WriteTransaction(Session& session) : session_(session) { session_.beginWrite(); }
    ~WriteTransaction() {
        if (!done_)
            session_.rollback();
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void commit() {
        session_.commit();
        done_ = true;
    }

private:
    Session& session_;
    bool done_ = false;
};

}  // namespace server
