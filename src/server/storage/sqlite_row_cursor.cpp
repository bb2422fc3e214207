#include <sqlite3.h>
#include <QSqlDriver>

#include "server/storage/row_cursor.h"
#include "wire/error.h"

namespace server {
namespace {

/// Reads through the sqlite3 handle of the QtSql connection: the statement is prepared once and
/// kept, values come out of sqlite3_column_* without conversions.
class SqliteRowCursor final : public RowCursor {
public:
    SqliteRowCursor(sqlite3* db, const QString& sql) : db_(db) {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v3(db_, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT,
                               &stmt_, nullptr) != SQLITE_OK)
            fail("prepare");
    }
    ~SqliteRowCursor() override { sqlite3_finalize(stmt_); }

    void exec(std::initializer_list<QVariant> values) override {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        int i = 1;
        for (const QVariant& v : values)
            bind(i++, v);
    }

    bool next() override {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        sqlite3_reset(stmt_);
        if (rc != SQLITE_DONE)
            fail("query", rc);
        return false;
    }

    bool isNull(int col) override { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }
    qint64 integer(int col) override { return sqlite3_column_int64(stmt_, col); }
    double real(int col) override { return sqlite3_column_double(stmt_, col); }
    QByteArrayView utf8(int col) override {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
        if (!text)
            return {};
        return QByteArrayView(text, sqlite3_column_bytes(stmt_, col));
    }
    void finish() override { sqlite3_reset(stmt_); }

private:
    void bind(int i, const QVariant& v) {
        int rc = SQLITE_OK;
        switch (v.metaType().id()) {
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::Bool:
                rc = sqlite3_bind_int64(stmt_, i, v.toLongLong());
                break;
            case QMetaType::Double:
                rc = sqlite3_bind_double(stmt_, i, v.toDouble());
                break;
            default: {
                if (!v.isValid()) {
                    rc = sqlite3_bind_null(stmt_, i);
                    break;
                }
                // Texts are never NULL in this schema: a null QString binds as "".
                const QByteArray text = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt_, i, text.constData(), int(text.size()),
                                       SQLITE_TRANSIENT);
            }
        }
        if (rc != SQLITE_OK)
            fail("bind", rc);
    }

    [[noreturn]] void fail(const char* what, int rc = SQLITE_ERROR) const {
        const QString detail = QString::fromUtf8(sqlite3_errmsg(db_));
        throw wire::Error(
            wire::kDatabaseErrorClass,
            QStringLiteral("database %1 failed: %2 (%3)")
                .arg(QLatin1StringView(what), detail, QString::fromUtf8(sqlite3_errstr(rc))));
    }

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace

/// A cursor through the connection's sqlite3 handle, or the QtSql one when the driver gives none.
std::unique_ptr<RowCursor> makeSqliteRowCursor(QSqlDatabase& db, const QString& sql) {
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        sqlite3* raw = *static_cast<sqlite3* const*>(handle.constData());
        if (raw)
            return std::make_unique<SqliteRowCursor>(raw, sql);
    }
    return makeQtRowCursor(db, sql);
}

}  // namespace server
