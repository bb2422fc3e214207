#pragma once

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <memory>

namespace server {

/// One prepared query whose rows are read forward with typed access, straight from the backend's
/// own interface where its driver has one (no QVariant per value). For result sets read in bulk
/// (the stock lists); Session::run stays the way for everything else.
///
/// Texts are UTF-8 views valid until the next call of next() or finish(). A NULL reads as 0 or
/// as a null view (QByteArrayView::isNull); isNull tells it apart for numbers.
class RowCursor {
public:
    virtual ~RowCursor() = default;

    /// Binds the values to the "?" placeholders in order and runs the query. Throws wire::Error
    /// (EDatabaseError) when the database fails.
    virtual void exec(std::initializer_list<QVariant> values) = 0;
    /// Moves to the next row; false after the last one (the query is then finished).
    virtual bool next() = 0;
    virtual bool isNull(int col) = 0;
    virtual qint64 integer(int col) = 0;
    virtual double real(int col) = 0;
    virtual QByteArrayView utf8(int col) = 0;
    /// Ends the query early so it holds no read lock.
    virtual void finish() = 0;
};

/// The portable cursor over QtSql (any driver).
std::unique_ptr<RowCursor> makeQtRowCursor(QSqlDatabase& db, const QString& sql);

}  // namespace server
