#pragma once

#include <QByteArray>
#include <QJsonValue>

#include "wire/client_table.h"
#include "wire/methods/method_call.h"

/// {"columns":[{"name":…,"type":…},…],"rows":[[…],…]}; null cells are null.
QJsonValue tableJson(const wire::ClientTable& table);

/// A value as varlenta-call prints it: records and JSON arrays in their JSON form, tables as
/// tableJson, a byte stream as {"size": N, "sha256": "…"}, numbers, texts and booleans as such;
/// null for no value.
QJsonValue valueJson(const wire::Value& value);

/// The whole answer as one document: {"result": …, "out": {name: value, …}} with the out
/// parameters in wire order.
QByteArray answerJson(const wire::MethodSpec& method, const wire::MethodAnswer& answer);
