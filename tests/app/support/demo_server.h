#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <functional>

#include "server_fixture.h"

/// The shared server fixture (a real varlenta-server on an ephemeral loopback port with a small
/// demo database in a temporary SQLite file) as the client's GUI tests use it. Demo workstations
/// DEMO-1 … DEMO-4 log in as TEMSILCI/TEMSILCI1 (role 1), MUDUR/MUDUR2 (2), MUSTERI/MUSTERI3
/// (3), BAYI/BAYI4 (4); DEMO-PASIF as PASIF/PASIF is not active.
class DemoServer {
public:
    DemoServer() { started_ = fixture_.start(); }

    bool started() const { return started_; }
    QString error() const { return fixture_.error(); }
    QString host() const { return fixture_.host(); }
    quint16 port() const { return fixture_.port(); }
    QString address() const { return host() + u':' + QString::number(port()); }

    /// Runs one SQL statement on the server's database (settings the demo has no command for).
    bool execSql(const QString& statement) {
        bool ok = false;
        withDatabase([&](QSqlQuery& query) { ok = query.exec(statement); });
        return ok;
    }
    /// The first column of the first row of a query; invalid when there is none.
    QVariant queryValue(const QString& statement) {
        QVariant value;
        withDatabase([&](QSqlQuery& query) {
            if (query.exec(statement) && query.next()) {
                value = query.value(0);
            }
        });
        return value;
    }

private:
    void withDatabase(const std::function<void(QSqlQuery&)>& use) {
        const QString name = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(fixture_.databaseUrl().section(u':', 1));
            if (db.open()) {
                QSqlQuery query(db);
                use(query);
            }
        }
        QSqlDatabase::removeDatabase(name);
    }

    ServerFixture fixture_;
    bool started_ = false;
};
