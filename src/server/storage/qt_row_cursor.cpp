#include <QSqlError>
#include <QSqlQuery>

#include "server/storage/row_cursor.h"
#include "wire/error.h"

namespace server {
namespace {

class QtRowCursor final : public RowCursor {
public:
    QtRowCursor(QSqlDatabase& db, const QString& sql) : query_(db) {
        query_.setForwardOnly(true);
        if (!query_.prepare(sql))
            fail("prepare");
    }

    void exec(std::initializer_list<QVariant> values) override {
        query_.finish();
        int i = 0;
        for (const QVariant& v : values)
            query_.bindValue(i++, v);
        if (!query_.exec())
            fail("query");
    }

    bool next() override {
        if (query_.next())
            return true;
        query_.finish();
        return false;
    }

    bool isNull(int col) override { return query_.isNull(col); }
    qint64 integer(int col) override { return query_.value(col).toLongLong(); }
    double real(int col) override { return query_.value(col).toDouble(); }
    QByteArrayView utf8(int col) override {
        const QVariant value = query_.value(col);
        if (value.isNull())
            return {};
        text_ = value.toString().toUtf8();
        return text_;
    }
    void finish() override { query_.finish(); }

private:
    [[noreturn]] void fail(const char* what) const {
        throw wire::Error(wire::kDatabaseErrorClass,
                          QStringLiteral("database %1 failed: %2")
                              .arg(QLatin1StringView(what), query_.lastError().text()));
    }

    QSqlQuery query_;
    QByteArray text_;
};

}  // namespace

std::unique_ptr<RowCursor> makeQtRowCursor(QSqlDatabase& db, const QString& sql) {
    return std::make_unique<QtRowCursor>(db, sql);
}

}  // namespace server
