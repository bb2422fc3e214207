#include "call_arguments.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

#include "call_options.h"
#include "wire/error.h"
#include "wire/records/transfer_record.h"

namespace {

[[noreturn]] void unfit(const wire::ParamSpec& param, const QString& literal,
                        const QString& wanted) {
    throw UsageError(QStringLiteral("argument %1 (%2) must be %3, not %4")
                         .arg(param.name, wire::kindName(param.kind), wanted, literal));
}

/// Any JSON literal, scalars included.
QJsonValue parseLiteral(const wire::ParamSpec& param, const QString& literal) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson("[" + literal.toUtf8() + "]", &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1)
        throw UsageError(
            QStringLiteral("argument %1 is no JSON literal: %2").arg(param.name, literal));
    return document.array().first();
}

/// A record message read and written again, so the server gets the complete form.
QByteArray recordJson(const wire::ParamSpec& param, const QString& literal,
                      const QJsonValue& value) {
    if (!value.isObject())
        unfit(param, literal, QStringLiteral("a record object"));
    std::unique_ptr<wire::TransferRecord> record;
    try {
        record =
            wire::recordFromJson(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    } catch (const wire::Error& error) {
        throw UsageError(QStringLiteral("argument %1: %2").arg(param.name, error.message()));
    }
    if (!param.recordType.isEmpty() && record->typeName() != param.recordType)
        unfit(param, literal, QStringLiteral("a %1").arg(param.recordType));
    return wire::recordToJson(*record);
}

wire::Value argumentValue(const wire::ParamSpec& param, const QString& literal,
                          const std::function<QByteArray()>& loginJson) {
    using wire::Kind;
    if (literal == QLatin1String(kLoginPlaceholder)) {
        if (param.kind != Kind::Record && param.kind != Kind::Any)
            unfit(param, literal, wire::kindName(param.kind));
        return param.kind == Kind::Any ? wire::Value::any(loginJson())
                                       : wire::Value::record(loginJson());
    }
    const QJsonValue value = parseLiteral(param, literal);
    switch (param.kind) {
        case Kind::Text:
            if (!value.isString())
                unfit(param, literal, QStringLiteral("a JSON string"));
            return wire::Value::text(value.toString());
        case Kind::Integer: {
            const double number = value.toDouble(NAN);
            if (!value.isDouble() || number != std::trunc(number) ||
                number < std::numeric_limits<qint32>::min() ||
                number > std::numeric_limits<qint32>::max())
                unfit(param, literal, QStringLiteral("a whole number"));
            return wire::Value::integer(qint32(number));
        }
        case Kind::LongInteger:
            if (!value.isDouble() || value.toDouble() != std::trunc(value.toDouble()))
                unfit(param, literal, QStringLiteral("a whole number"));
            return wire::Value::longInteger(value.toInteger());
        case Kind::Real:
        case Kind::Date:
            if (!value.isDouble())
                unfit(param, literal, QStringLiteral("a number"));
            return param.kind == Kind::Date ? wire::Value::date(value.toDouble())
                                            : wire::Value::real(value.toDouble());
        case Kind::Boolean:
            if (!value.isBool())
                unfit(param, literal, QStringLiteral("true or false"));
            return wire::Value::boolean(value.toBool());
        case Kind::Record:
        case Kind::Any:
            if (value.isNull())
                return wire::Value::null(param.kind);
            return param.kind == Kind::Any ? wire::Value::any(recordJson(param, literal, value))
                                           : wire::Value::record(recordJson(param, literal, value));
        default:
            throw UsageError(
                QStringLiteral("argument %1 is a %2, which cannot be given on the command line")
                    .arg(param.name, wire::kindName(param.kind)));
    }
}

}  // namespace

QList<wire::Value> argumentValues(const wire::MethodSpec& method, const QStringList& literals,
                                  const std::function<QByteArray()>& loginJson) {
    QList<const wire::ParamSpec*> inParams;
    for (const wire::ParamSpec& param : method.params) {
        if (!param.out)
            inParams << &param;
    }
    if (inParams.size() != literals.size()) {
        QStringList names;
        for (const wire::ParamSpec* param : inParams)
            names << param->name;
        throw UsageError(QStringLiteral("%1 takes %2 arguments (%3), not %4")
                             .arg(method.name)
                             .arg(inParams.size())
                             .arg(names.join(u", "))
                             .arg(literals.size()));
    }
    QList<wire::Value> values;
    for (qsizetype i = 0; i < literals.size(); ++i)
        values << argumentValue(*inParams[i], literals[i], loginJson);
    return values;
}
