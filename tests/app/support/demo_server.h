#pragma once

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <functional>

/// A real varlenta-server on an ephemeral loopback port with a small demo database in a temporary
/// folder, for the client's GUI tests. Demo workstations DEMO-1 … DEMO-4 log in as
/// TEMSILCI/TEMSILCI1 (role 1), MUDUR/MUDUR2 (2), MUSTERI/MUSTERI3 (3), BAYI/BAYI4 (4);
/// DEMO-PASIF as PASIF/PASIF is not active.
class DemoServer {
public:
    /// Starts the server; check started() (the reason is in error()).
    DemoServer() {
        databasePath_ = folder_.filePath(QStringLiteral("demo.sqlite"));
        process_.setProgram(QStringLiteral(VARLENTA_SERVER_BIN));
        process_.setArguments({QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                               QStringLiteral("--database"), u"sqlite:"_qs + databasePath_,
                               QStringLiteral("--demo-data"), QStringLiteral("300")});
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (!process_.waitForStarted(10000)) {
            error_ = process_.errorString();
            return;
        }
        QByteArray out;
        QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
            process_.waitForReadyRead(200);
            out += process_.readAllStandardOutput();
            const qsizetype at = out.indexOf("listening on ");
            const qsizetype end = out.indexOf('\n', at);
            if (at >= 0 && end > at) {
                const QByteArray address = out.mid(at + 13, end - at - 13).trimmed();
                port_ = quint16(address.mid(address.lastIndexOf(':') + 1).toUInt());
                return;
            }
        }
        error_ = u"varlenta-server did not start: "_qs +
                 QString::fromUtf8(process_.readAllStandardError());
    }
    ~DemoServer() {
        if (process_.state() == QProcess::Running) {
            process_.terminate();
            if (!process_.waitForFinished(5000)) {
                process_.kill();
                process_.waitForFinished(2000);
            }
        }
    }

    bool started() const { return port_ != 0; }
    QString error() const { return error_; }
    QString host() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return port_; }
    QString address() const { return host() + u':' + QString::number(port_); }

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
            db.setDatabaseName(databasePath_);
            if (db.open()) {
                QSqlQuery query(db);
                use(query);
            }
        }
        QSqlDatabase::removeDatabase(name);
    }

    QTemporaryDir folder_;
    QString databasePath_;
    QProcess process_;
    quint16 port_ = 0;
    QString error_;
};
