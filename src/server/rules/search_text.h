#pragma once

#include <QString>
#include <QStringList>

namespace server {

/// The form in which stock texts are indexed and searched: Turkish letters folded to plain
/// upper-case Latin letters (ş→S, ı→I, İ→I …), and blanks, dashes, dots and slashes removed, so
/// "0986 452 041", "0986-452-041" and "0986452041" are the same text.
QString normaliseSearchText(const QString& text);

/// The indexed text of one item: its normalised fields joined by "|", which no search text
/// contains, so a match never spans two fields.
QString stockSearchText(const QStringList& fields);

}  // namespace server

namespace server {

/// A text for LIKE ... ESCAPE '!': the wildcards and the escape character taken literally.
QString escapeLike(const QString& text);

}  // namespace server
