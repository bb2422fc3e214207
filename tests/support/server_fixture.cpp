#include "server_fixture.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>
#include <csignal>

#ifndef VARLENTA_SERVER_BIN
#error "VARLENTA_SERVER_BIN must name the varlenta-server binary"
#endif

namespace {

std::atomic<int> gDatabaseCounter{0};

/// Runs one statement on the maintenance database of the cluster named by VARLENTA_TEST_PG_URL.
bool onMaintenanceDatabase(const QString& sql, QString* error) {
    const QUrl url(qEnvironmentVariable("VARLENTA_TEST_PG_URL"));
    const QString name = QStringLiteral("fixture-%1").arg(gDatabaseCounter.fetch_add(1));
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(url.host());
        db.setPort(url.port(5432));
        db.setUserName(url.userName());
        db.setPassword(url.password());
        db.setDatabaseName(url.path().mid(1).isEmpty() ? QStringLiteral("postgres")
                                                       : url.path().mid(1));
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(sql);
            if (!ok && error)
                *error = q.lastError().text();
            db.close();
        } else if (error) {
            *error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

}  // namespace

ServerFixture::ServerFixture() : ServerFixture(Options{}) {}

ServerFixture::ServerFixture(Options options) : options_(std::move(options)) {}

ServerFixture::~ServerFixture() {
    if (process_ && process_->state() != QProcess::NotRunning)
        stop();
    dropPostgresDatabase();
}

ServerFixture::Backend ServerFixture::backendFromEnvironment() {
    return qEnvironmentVariable("VARLENTA_TEST_BACKEND") == u"postgresql" ? Backend::Postgres
                                                                          : Backend::Sqlite;
}

bool ServerFixture::postgresAvailable() {
    return !qEnvironmentVariableIsEmpty("VARLENTA_TEST_PG_URL");
}

bool ServerFixture::createPostgresDatabase() {
    postgresDatabase_ = QStringLiteral("varlenta_test_%1_%2_%3")
                            .arg(QCoreApplication::applicationPid())
                            .arg(QDateTime::currentMSecsSinceEpoch())
                            .arg(gDatabaseCounter.fetch_add(1));
    if (!onMaintenanceDatabase(QStringLiteral("CREATE DATABASE %1").arg(postgresDatabase_),
                               &error_)) {
        postgresDatabase_.clear();
        return false;
    }
    QUrl url(qEnvironmentVariable("VARLENTA_TEST_PG_URL"));
    url.setPath(u'/' + postgresDatabase_);
    databaseUrl_ = url.toString();
    return true;
}

void ServerFixture::dropPostgresDatabase() {
    if (postgresDatabase_.isEmpty())
        return;
    onMaintenanceDatabase(
        QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(postgresDatabase_), nullptr);
    postgresDatabase_.clear();
}

bool ServerFixture::start() {
    error_.clear();
    if (databaseUrl_.isEmpty()) {
        if (options_.backend == Backend::Postgres) {
            if (!postgresAvailable()) {
                error_ = QStringLiteral("VARLENTA_TEST_PG_URL is not set");
                return false;
            }
            if (!createPostgresDatabase())
                return false;
        } else {
            if (!dir_.isValid()) {
                error_ = QStringLiteral("no temporary folder");
                return false;
            }
            databaseUrl_ =
                QStringLiteral("sqlite:") + dir_.filePath(QStringLiteral("varlenta.sqlite"));
        }
    }
    process_ = std::make_unique<QProcess>();
    process_->setProgram(QStringLiteral(VARLENTA_SERVER_BIN));
    QStringList args = {QStringLiteral("--listen"),    QStringLiteral("127.0.0.1:0"),
                        QStringLiteral("--database"),  databaseUrl_,
                        QStringLiteral("--demo-data"), QString::number(options_.demoItems)};
    args += options_.extraArguments;
    process_->setArguments(args);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    process_->start();
    if (!process_->waitForStarted(10000)) {
        error_ =
            QStringLiteral("cannot start %1: %2").arg(VARLENTA_SERVER_BIN, process_->errorString());
        return false;
    }
    QByteArray out;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 120000) {
        process_->waitForReadyRead(200);
        out += process_->readAllStandardOutput();
        log_ += process_->readAllStandardError();
        const int at = out.indexOf("listening on ");
        const int end = at >= 0 ? out.indexOf('\n', at) : -1;
        if (end > 0) {
            const QByteArray line = out.mid(at, end - at);
            port_ = quint16(line.mid(line.lastIndexOf(':') + 1).toUInt());
            return port_ != 0;
        }
        if (process_->state() == QProcess::NotRunning)
            break;
    }
    error_ = QStringLiteral("the server did not come up: ") + QString::fromUtf8(log_);
    return false;
}

int ServerFixture::stop() {
    if (!process_ || process_->state() == QProcess::NotRunning)
        return process_ ? process_->exitCode() : 0;
    ::kill(pid_t(process_->processId()), SIGTERM);
    if (!process_->waitForFinished(30000)) {
        process_->kill();
        process_->waitForFinished(5000);
        return -1;
    }
    log_ += process_->readAllStandardError();
    return process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
}

void ServerFixture::kill() {
    if (!process_ || process_->state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(process_->processId()), SIGKILL);
    process_->waitForFinished(10000);
}

QString ServerFixture::serverLog() {
    if (process_)
        log_ += process_->readAllStandardError();
    return QString::fromUtf8(log_);
}

QString ServerFixture::admin(const QStringList& arguments, int* exitCode) const {
    QProcess p;
    p.start(QStringLiteral(VARLENTA_SERVER_BIN),
            QStringList{QStringLiteral("admin"), QStringLiteral("--database"), databaseUrl_} +
                arguments);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}
