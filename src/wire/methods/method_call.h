#pragma once

#include <QList>

#include "wire/channel.h"
#include "wire/methods/method_catalogue.h"
#include "wire/value.h"

namespace wire {

/// What one call of a remote method brought back: the out parameters in ordinal order and the
/// return value (kind None for a method without result).
struct MethodAnswer {
    QList<Value> outs;
    Value result;
};

/// Checks in-arguments against the method's parameters: one value per parameter that is not out,
/// in ordinal order, each of the parameter's kind. Throws wire::Error (EConversionError).
void checkArguments(const MethodSpec& method, const QList<Value>& inArguments);

/// Splits an answer into out parameters and return value after checking that it carries exactly
/// the values the method declares, each of its kind (a null is allowed for reference kinds).
/// Throws wire::Error (EProtocolError) otherwise.
MethodAnswer splitAnswer(const MethodSpec& method, Response response);

/// The one way a remote method is called: checks the arguments, sends
/// "TServerMethods1." + name with them over the channel, waits for the answer and checks it.
/// Remote failures and transport errors throw wire::Error as Channel::call does.
MethodAnswer callMethod(Channel& channel, const MethodSpec& method,
                        const QList<Value>& inArguments);

/// The out parameters of a method, in ordinal order.
QList<ParamSpec> outParameters(const MethodSpec& method);

}  // namespace wire
