#include "call_output.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray compact(const QJsonValue& value) {
    if (value.isObject())
        return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    if (value.isArray())
        return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
    // A scalar written as the one element of an array, without the brackets.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QJsonValue parsedJson(const QByteArray& json) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (document.isObject())
        return document.object();
    if (document.isArray())
        return document.array();
    return QString::fromUtf8(json);  // kept as text when the peer sent something else
}

QJsonValue cellJson(const wire::ClientTable& table, int row, int col) {
    if (table.isNull(row, col))
        return QJsonValue::Null;
    switch (table.column(col).type) {
        case wire::FieldType::Integer:
            return table.integerAt(row, col);
        case wire::FieldType::LongInteger:
            return table.longIntegerAt(row, col);
        case wire::FieldType::Real:
        case wire::FieldType::Date:
            return table.realAt(row, col);
        case wire::FieldType::Boolean:
            return table.booleanAt(row, col);
        case wire::FieldType::Text:
            return table.textAt(row, col);
    }
    return QJsonValue::Null;
}

}  // namespace

QJsonValue tableJson(const wire::ClientTable& table) {
    QJsonArray columns;
    for (const wire::ColumnDef& column : table.columns())
        columns.append(
            QJsonObject{{u"name"_qs, column.name}, {u"type"_qs, wire::fieldTypeName(column.type)}});
    QJsonArray rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QJsonArray cells;
        for (int col = 0; col < table.columnCount(); ++col)
            cells.append(cellJson(table, row, col));
        rows.append(cells);
    }
    return QJsonObject{{u"columns"_qs, columns}, {u"rows"_qs, rows}};
}

QJsonValue valueJson(const wire::Value& value) {
    using wire::Kind;
    if (value.isNull())
        return QJsonValue::Null;
    switch (value.kind()) {
        case Kind::Text:
            return value.toText();
        case Kind::Integer:
            return value.toInteger();
        case Kind::LongInteger:
            return value.toLongInteger();
        case Kind::Real:
        case Kind::Date:
            return value.toReal();
        case Kind::Boolean:
            return value.toBoolean();
        case Kind::Record:
        case Kind::JsonArray:
        case Kind::Any:
            return parsedJson(value.bytes());
        case Kind::RowReader:
        case Kind::TablePacket:
            return tableJson(*value.toTable());
        case Kind::Stream:
            return QJsonObject{
                {u"size"_qs, qint64(value.bytes().size())},
                {u"sha256"_qs,
                 QString::fromLatin1(
                     QCryptographicHash::hash(value.bytes(), QCryptographicHash::Sha256).toHex())}};
        default:
            return QJsonValue::Null;
    }
}

QByteArray answerJson(const wire::MethodSpec& method, const wire::MethodAnswer& answer) {
    QByteArray outs;
    qsizetype next = 0;
    for (const wire::ParamSpec& param : method.params) {
        if (!param.out)
            continue;
        if (!outs.isEmpty())
            outs += ',';
        outs += compact(param.name) + ':' + compact(valueJson(answer.outs.at(next++)));
    }
    return "{\"result\":" + compact(valueJson(answer.result)) + ",\"out\":{" + outs + "}}";
}
