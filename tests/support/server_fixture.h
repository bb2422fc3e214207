#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

/// Starts the real varlenta-server binary on an ephemeral loopback port with a fresh database
/// (a temporary SQLite file, or a new PostgreSQL database when asked and
/// VARLENTA_TEST_PG_URL is set) and small demo data, and stops it again.
class ServerFixture {
public:
    enum class Backend { Sqlite, Postgres };

    struct Options {
        Backend backend = Backend::Sqlite;
        int demoItems = 400;
        QStringList extraArguments;  ///< e.g. {"--idle-timeout", "2"}
    };

    ServerFixture();
    explicit ServerFixture(Options options);
    ~ServerFixture();
    ServerFixture(const ServerFixture&) = delete;
    ServerFixture& operator=(const ServerFixture&) = delete;

    /// The backend named by VARLENTA_TEST_BACKEND ("postgresql" or anything else for SQLite).
    static Backend backendFromEnvironment();
    /// True when PostgreSQL tests can run (VARLENTA_TEST_PG_URL set).
    static bool postgresAvailable();

    /// Starts the server and waits for its "listening on" line; false with error() set when it
    /// does not come up. Starting again after stop() or kill() reuses the same database.
    bool start();
    /// SIGTERM, then waits for the process to end; returns its exit code (-1 if it crashed).
    int stop();
    /// SIGKILL: no chance to finish anything.
    void kill();

    QString host() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return port_; }
    QString databaseUrl() const { return databaseUrl_; }
    const QString& error() const { return error_; }
    /// What the server wrote to stderr so far.
    QString serverLog();

    /// Runs "varlenta-server admin --database URL ARGS…"; returns stdout, sets *exitCode.
    QString admin(const QStringList& arguments, int* exitCode = nullptr) const;

private:
    bool createPostgresDatabase();
    void dropPostgresDatabase();

    Options options_;
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> process_;
    QString databaseUrl_;
    QString postgresDatabase_;
    QString error_;
    QByteArray log_;
    quint16 port_ = 0;
};
