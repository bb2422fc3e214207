#include "server/storage/session.h"

#include <QSqlError>

#include "wire/error.h"

namespace server {

Session::Session(const DatabaseUrl& url, const SqlDriver& driver, const QString& connectionName)
    : driver_(driver), connectionName_(connectionName) {
    db_ = QSqlDatabase::addDatabase(driver.qtDriverName(), connectionName);
    driver.configure(db_, url);
    if (!db_.open()) {
        const QString text = db_.lastError().text();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        throw wire::Error(wire::kDatabaseErrorClass,
                          QStringLiteral("cannot open %1: %2").arg(url.display(), text));
    }
    driver.prepareConnection(db_);
}

Session::~Session() {
    cursors_.clear();
    for (QSqlQuery* q : std::as_const(statements_))
        delete q;
    statements_.clear();
    if (db_.isOpen()) {
        if (inTransaction_)
            db_.rollback();
        db_.close();
    }
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlQuery& Session::prepared(const QString& sql) {
    auto it = statements_.constFind(sql);
    if (it != statements_.constEnd()) {
        (*it)->finish();
        return **it;
    }
    auto* q = new QSqlQuery(db_);
    q->setForwardOnly(true);
    if (!q->prepare(sql)) {
        const QString text = q->lastError().text();
        delete q;
        throw wire::Error(wire::kDatabaseErrorClass,
                          QStringLiteral("database prepare failed: %1").arg(text));
    }
    statements_.insert(sql, q);
    return *q;
}

namespace {

// A null QString would go in as SQL NULL; texts are never NULL in this schema.
QVariant bindable(const QVariant& v) {
    if (v.typeId() == QMetaType::QString && v.toString().isNull())
        return QStringLiteral("");
    return v;
}

}  // namespace

QSqlQuery& Session::run(const QString& sql, std::initializer_list<QVariant> values) {
    QSqlQuery& q = prepared(sql);
    int i = 0;
    for (const QVariant& v : values)
        q.bindValue(i++, bindable(v));
    if (!q.exec())
        fail(QStringLiteral("query"), q);
    return q;
}

QSqlQuery& Session::run(const QString& sql, const QVariantList& values) {
    QSqlQuery& q = prepared(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, bindable(values[i]));
    if (!q.exec())
        fail(QStringLiteral("query"), q);
    return q;
}

RowCursor& Session::select(const QString& sql, std::initializer_list<QVariant> values) {
    auto it = cursors_.constFind(sql);
    if (it == cursors_.constEnd())
        it = cursors_.insert(sql, std::shared_ptr<RowCursor>(driver_.openCursor(db_, sql)));
    RowCursor& cursor = **it;
    cursor.exec(values);
    return cursor;
}

void Session::execute(const QString& sql) {
    QSqlQuery q(db_);
    if (!q.exec(sql))
        fail(QStringLiteral("statement"), q);
}

QVariant Session::scalar(const QString& sql, std::initializer_list<QVariant> values) {
    QSqlQuery& q = run(sql, values);
    QVariant result;
    if (q.next())
        result = q.value(0);
    q.finish();
    return result;
}

void Session::finishQueries() {
    for (QSqlQuery* q : std::as_const(statements_))
        if (q->isActive())
            q->finish();
    for (const auto& cursor : std::as_const(cursors_))
        cursor->finish();
}

void Session::beginWrite() {
    execute(driver_.beginWrite());
    inTransaction_ = true;
}

void Session::commit() {
    execute(QStringLiteral("COMMIT"));
    inTransaction_ = false;
}

void Session::rollback() {
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    QSqlQuery q(db_);
    q.exec(QStringLiteral("ROLLBACK"));
}

void Session::fail(const QString& what, const QSqlQuery& query) const {
    throw wire::Error(wire::kDatabaseErrorClass,
                      QStringLiteral("database %1 failed: %2").arg(what, query.lastError().text()));
}

}  // namespace server
