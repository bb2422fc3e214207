#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace server {

class Session;
class SqlDriver;

/// One step of the schema's history. Steps are applied in order, each in its own transaction,
/// and recorded in schema_version; a database is never changed by a step twice.
struct Migration {
    int version;
    QString description;
    std::function<QStringList(const SqlDriver&)> statements;
};

const QList<Migration>& migrations();

/// Applies the missing steps; returns the number applied. Throws wire::Error on failure (the
/// failed step leaves nothing behind).
int migrate(Session& session);
int schemaVersion(Session& session);

}  // namespace server
