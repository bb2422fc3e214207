#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace server {

class Session;

/// Inserts many rows with multi-row INSERT statements (one round trip per batch), for the demo
/// data and imports. Call finish() before the transaction commits.
class BatchInsert {
public:
    /// Rows of a child table may refer to rows of `parent` added before them: the parent's
    /// pending rows are written first.
    BatchInsert(Session& session, QString table, QStringList columns,
                BatchInsert* parent = nullptr);
    ~BatchInsert();

    void add(const QVariantList& row);
    void finish();
    qint64 rowsWritten() const { return written_; }

private:
    void flush();

    Session& session_;
    BatchInsert* parent_;
    QString table_;
    QStringList columns_;
    int rowsPerBatch_;
    QVariantList pending_;
    qint64 written_ = 0;
};

}  // namespace server
