#include "call_output.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "wire/records/transfer_record.h"

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

QByteArray valueText(const wire::Value& value, const QString& recordType) {
    using wire::Kind;
    if (value.isNull())
        return "null";
    switch (value.kind()) {
        case Kind::Text:
            return compact(value.toText());
        case Kind::Integer:
            return compact(value.toInteger());
        case Kind::LongInteger:
            return compact(value.toLongInteger());
        case Kind::Real:
        case Kind::Date:
            return compact(value.toReal());
        case Kind::Boolean:
            return value.toBoolean() ? "true" : "false";
        case Kind::Record: {
            // Read and written again: the record form fixes the order of its members and fields,
            // which a JSON object of Qt would sort. What the client could not read fails here too.
            const std::unique_ptr<wire::TransferRecord> record =
                wire::recordFromJson(value.bytes());
            if (!record)
                return "null";
            if (!recordType.isEmpty() && record->typeName() != recordType)
                wire::throwUnexpectedRecordType(record->typeName(), recordType);
            return wire::recordToJson(*record);
        }
        case Kind::JsonArray:
        case Kind::Any:
            return compact(parsedJson(value.bytes()));
        case Kind::RowReader:
        case Kind::TablePacket:
            return compact(tableJson(*value.toTable()));
        case Kind::Stream:
            return "{\"size\":" + QByteArray::number(value.bytes().size()) + ",\"sha256\":\"" +
                   QCryptographicHash::hash(value.bytes(), QCryptographicHash::Sha256).toHex() +
                   "\"}";
        default:
            return "null";
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
        outs += compact(param.name) + ':' + valueText(answer.outs.at(next++), param.recordType);
    }
    return "{\"result\":" + valueText(answer.result, method.resultRecordType) + ",\"out\":{" +
           outs + "}}";
}
