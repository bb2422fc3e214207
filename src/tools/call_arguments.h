#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>

#include "wire/methods/method_catalogue.h"
#include "wire/value.h"

/// The word that stands for this workstation's login record.
inline constexpr char kLoginPlaceholder[] = "@login";

/// Turns the JSON literals of the command line into the method's in-arguments in wire order:
/// a string for text, a number for integer, real and date, true or false, a record object (or
/// null) for a record. `loginJson` is asked for the login record wherever "@login" stands.
/// Throws UsageError for a wrong count or a literal that does not fit its parameter.
QList<wire::Value> argumentValues(const wire::MethodSpec& method, const QStringList& literals,
                                  const std::function<QByteArray()>& loginJson);
