#pragma once

#include <QByteArray>
#include <QJsonValue>

#include "wire/client_table.h"
#include "wire/methods/method_call.h"

/// {"columns":[{"name":…,"type":…},…],"rows":[[…],…]}; null cells are null.
QJsonValue tableJson(const wire::ClientTable& table);

/// A value as varlenta-call prints it, as compact JSON text: a record in its wire form (members
/// and fields in their order; `recordType`, when given, is the class it must have), a JSON array
/// as such, tables as tableJson, a byte stream as {"size":N,"sha256":"…"}, numbers, texts and
/// booleans as such; null for no value. Throws wire::Error for a record the client cannot read.
QByteArray valueText(const wire::Value& value, const QString& recordType = QString());

/// The whole answer as one document: {"result": …, "out": {name: value, …}} with the out
/// parameters in wire order.
QByteArray answerJson(const wire::MethodSpec& method, const wire::MethodAnswer& answer);
