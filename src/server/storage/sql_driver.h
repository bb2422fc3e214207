#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>

#include "server/storage/database_url.h"
#include "server/storage/row_cursor.h"

namespace server {

/// Everything in which SQLite and PostgreSQL differ, in one class per backend. The rest of the
/// server writes portable SQL with "?" placeholders.
class SqlDriver {
public:
    virtual ~SqlDriver() = default;

    static std::unique_ptr<SqlDriver> forUrl(const DatabaseUrl& url);

    virtual QString qtDriverName() const = 0;
    /// Host, file, credentials.
    virtual void configure(QSqlDatabase& db, const DatabaseUrl& url) const = 0;
    /// Per-connection settings run right after opening (journal mode, time-outs).
    virtual void prepareConnection(QSqlDatabase& db) const = 0;
    /// Column definition of a generated integer key.
    virtual QString generatedKey() const = 0;
    /// Starts a transaction that will write; a writer that cannot start waits, it does not fail.
    virtual QString beginWrite() const = 0;
    /// Appended to a SELECT that reads rows the transaction will change.
    virtual QString lockRows() const = 0;
    /// Statements that build the stock search index over stock.search_text.
    virtual QStringList searchIndexDdl() const = 0;
    /// The stock numbers matching a normalised text (first "?"), in ascending order, at most the
    /// second "?" of them.
    virtual QString searchStockNumbersSql() const = 0;
    /// The bound value for the text of searchStockNumbersSql.
    virtual QString searchArgument(const QString& normalised) const = 0;
    /// The rows of `selectList` (over "stock s") of the stock numbers searchStockNumbersSql
    /// finds, in the same order and number; the same two placeholders.
    virtual QString searchStockSql(const QString& selectList) const {
        return QStringLiteral("SELECT %1 FROM stock s WHERE s.stokno IN (%2) ORDER BY s.stokno")
            .arg(selectList, searchStockNumbersSql());
    }
    /// After rows with explicit keys went into a table with a generated key.
    virtual QStringList resetKeySequence(const QString& table, const QString& column) const = 0;
    /// After a bulk load: refresh statistics and derived indexes.
    virtual QStringList afterBulkLoad() const = 0;
    /// Rows of one multi-row INSERT (bounded by the backend's placeholder limit).
    virtual int maxPlaceholders() const = 0;
    /// A typed cursor over a query on an open connection (see RowCursor); the QtSql one unless
    /// the backend reads faster through its own interface.
    virtual std::unique_ptr<RowCursor> openCursor(QSqlDatabase& db, const QString& sql) const {
        return makeQtRowCursor(db, sql);
    }
};

}  // namespace server
