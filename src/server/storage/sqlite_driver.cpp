#include <sqlite3.h>
#include <QSqlQuery>

#include "server/storage/sql_driver.h"

namespace server {

std::unique_ptr<RowCursor> makeSqliteRowCursor(QSqlDatabase& db, const QString& sql);

namespace {

class SqliteDriver final : public SqlDriver {
public:
    QString qtDriverName() const override { return QStringLiteral("QSQLITE"); }

    void configure(QSqlDatabase& db, const DatabaseUrl& url) const override {
        db.setDatabaseName(url.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
    }

    void prepareConnection(QSqlDatabase& db) const override {
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        // NORMAL keeps every committed transaction after a process crash in WAL mode; only a
        // power loss may lose the last ones.
        q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        q.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
        q.exec(QStringLiteral("PRAGMA busy_timeout=15000"));
        q.exec(QStringLiteral("PRAGMA cache_size=-32000"));
        // Pages read through a shared mapping: a worker whose own cache has not seen a page yet
        // (a search over a large stock touches one page per row) costs no read call.
        q.exec(QStringLiteral("PRAGMA mmap_size=1073741824"));
    }

    // AUTOINCREMENT: a deleted line's number is never given to a new line, so a client holding an
    // old number cannot reach someone else's new line with it.
    QString generatedKey() const override {
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    // IMMEDIATE takes the write lock at the start, so two writers queue on the busy time-out
    // instead of one failing when it upgrades a read lock.
    QString beginWrite() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    QString lockRows() const override { return {}; }

    QStringList searchIndexDdl() const override {
        return {
            QStringLiteral("CREATE VIRTUAL TABLE stock_search USING fts5(search_text, "
                           "content='stock', content_rowid='stokno', tokenize='trigram')"),
            QStringLiteral("CREATE TRIGGER stock_search_ai AFTER INSERT ON stock BEGIN "
                           "INSERT INTO stock_search(rowid, search_text) "
                           "VALUES (new.stokno, new.search_text); END"),
            QStringLiteral("CREATE TRIGGER stock_search_ad AFTER DELETE ON stock BEGIN "
                           "INSERT INTO stock_search(stock_search, rowid, search_text) "
                           "VALUES ('delete', old.stokno, old.search_text); END"),
            QStringLiteral("CREATE TRIGGER stock_search_au AFTER UPDATE OF search_text ON stock "
                           "BEGIN INSERT INTO stock_search(stock_search, rowid, search_text) "
                           "VALUES ('delete', old.stokno, old.search_text); "
                           "INSERT INTO stock_search(rowid, search_text) "
                           "VALUES (new.stokno, new.search_text); END"),
        };
    }

    QString searchStockNumbersSql() const override {
        return QStringLiteral(
            "SELECT rowid FROM stock_search WHERE stock_search MATCH ? ORDER BY rowid LIMIT ?");
    }

    // A join in the index's own rowid order stops after the limit without building the list of
    // numbers first and sorting the rows again.
    QString searchStockSql(const QString& selectList) const override {
        return QStringLiteral(
                   "SELECT %1 FROM stock_search f JOIN stock s ON s.stokno = f.rowid "
                   "WHERE stock_search MATCH ? ORDER BY f.rowid LIMIT ?")
            .arg(selectList);
    }

    QString searchArgument(const QString& normalised) const override {
        // One quoted phrase: the trigram tokenizer then matches it as a substring.
        QString quoted = normalised;
        quoted.replace(u'"', QStringLiteral("\"\""));
        return u'"' + quoted + u'"';
    }

    QStringList resetKeySequence(const QString&, const QString&) const override { return {}; }
    QStringList afterBulkLoad() const override { return {QStringLiteral("ANALYZE")}; }
    int maxPlaceholders() const override { return 32000; }
    std::unique_ptr<RowCursor> openCursor(QSqlDatabase& db, const QString& sql) const override {
        return makeSqliteRowCursor(db, sql);
    }
};

}  // namespace

std::unique_ptr<SqlDriver> makeSqliteDriver() {
    // Every connection belongs to one thread (QtSql's rule, one Session per thread), so SQLite
    // needs no lock of its own around each call. Only possible before SQLite is first used; later
    // the call is refused and nothing changes.
    sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
    return std::make_unique<SqliteDriver>();
}

}  // namespace server
