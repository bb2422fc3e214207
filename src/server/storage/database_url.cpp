#include "server/storage/database_url.h"

#include <QDir>
#include <QStandardPaths>
#include <QUrl>
#include <stdexcept>

namespace server {

DatabaseUrl DatabaseUrl::parse(const QString& text) {
    DatabaseUrl url;
    if (text.startsWith(u"sqlite:")) {
        url.backend = Backend::Sqlite;
        url.path = text.mid(7);
        if (url.path.startsWith(u"//"))
            url.path = url.path.mid(2);
        if (url.path.isEmpty())
            throw std::invalid_argument("sqlite: needs a file path");
        return url;
    }
    if (text.startsWith(u"postgresql://") || text.startsWith(u"postgres://")) {
        const QUrl parsed(text);
        if (!parsed.isValid() || parsed.host().isEmpty())
            throw std::invalid_argument("malformed PostgreSQL URL: " + text.toStdString());
        url.backend = Backend::Postgres;
        url.host = parsed.host();
        url.port = parsed.port(5432);
        url.user = parsed.userName();
        url.password = parsed.password();
        url.databaseName = parsed.path().mid(1);
        if (url.databaseName.isEmpty())
            url.databaseName = QStringLiteral("postgres");
        return url;
    }
    throw std::invalid_argument("unknown database URL (use sqlite:PATH or postgresql://...): " +
                                text.toStdString());
}

DatabaseUrl DatabaseUrl::defaultLocation() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.local/share");
    folder += QStringLiteral("/varlenta-server");
    QDir().mkpath(folder);
    DatabaseUrl url;
    url.path = folder + QStringLiteral("/varlenta.sqlite");
    return url;
}

QString DatabaseUrl::display() const {
    if (backend == Backend::Sqlite)
        return QStringLiteral("sqlite:") + path;
    return QStringLiteral("postgresql://%1@%2:%3/%4").arg(user, host).arg(port).arg(databaseName);
}

}  // namespace server
