#include "server/storage/batch_insert.h"

#include <algorithm>

#include "server/storage/session.h"
#include "wire/error.h"

namespace server {

BatchInsert::BatchInsert(Session& session, QString table, QStringList columns, BatchInsert* parent)
    : session_(session), parent_(parent), table_(std::move(table)), columns_(std::move(columns)) {
    rowsPerBatch_ = std::clamp(session_.driver().maxPlaceholders() / int(columns_.size()), 1, 500);
}

BatchInsert::~BatchInsert() = default;

void BatchInsert::add(const QVariantList& row) {
    Q_ASSERT(row.size() == columns_.size());
    pending_ += row;
    if (pending_.size() >= rowsPerBatch_ * columns_.size())
        flush();
}

void BatchInsert::finish() {
    flush();
}

void BatchInsert::flush() {
    if (pending_.isEmpty())
        return;
    if (parent_)
        parent_->flush();
    const int rows = int(pending_.size() / columns_.size());
    QString one = QStringLiteral("(?");
    for (int i = 1; i < columns_.size(); ++i)
        one += QStringLiteral(",?");
    one += u')';
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table_, columns_.join(u','));
    for (int r = 0; r < rows; ++r) {
        if (r)
            sql += u',';
        sql += one;
    }
    try {
        session_.run(sql, pending_);
    } catch (const wire::Error& e) {
        throw wire::Error(e.className(), table_ + QStringLiteral(": ") + e.message());
    }
    written_ += rows;
    pending_.clear();
}

}  // namespace server
