#include "wire/methods/method_call.h"

#include "wire/error.h"

namespace wire {

namespace {

[[noreturn]] void fail(const char* errorClass, const QString& message) {
    throw Error(QString::fromLatin1(errorClass), message);
}

}  // namespace

QList<ParamSpec> outParameters(const MethodSpec& method) {
    QList<ParamSpec> outs;
    for (const ParamSpec& param : method.params) {
        if (param.out)
            outs.append(param);
    }
    return outs;
}

void checkArguments(const MethodSpec& method, const QList<Value>& inArguments) {
    qsizetype next = 0;
    for (const ParamSpec& param : method.params) {
        if (param.out)
            continue;
        if (next == inArguments.size()) {
            fail(kConversionErrorClass,
                 QStringLiteral("%1: parameter %2 is missing").arg(method.name, param.name));
        }
        const Value& value = inArguments[next++];
        if (value.kind() != param.kind) {
            fail(kConversionErrorClass,
                 QStringLiteral("%1: parameter %2 must be %3, not %4")
                     .arg(method.name, param.name, kindName(param.kind), kindName(value.kind())));
        }
    }
    if (next != inArguments.size()) {
        fail(kConversionErrorClass, QStringLiteral("%1 takes %2 arguments, not %3")
                                        .arg(method.name)
                                        .arg(next)
                                        .arg(inArguments.size()));
    }
}

MethodAnswer splitAnswer(const MethodSpec& method, Response response) {
    QList<Kind> expected;
    for (const ParamSpec& param : method.params) {
        if (param.out)
            expected.append(param.kind);
    }
    if (method.result != Kind::None)
        expected.append(method.result);

    if (response.values.size() != expected.size()) {
        fail(kProtocolErrorClass, QStringLiteral("The answer of %1 carries %2 values instead of %3")
                                      .arg(method.name)
                                      .arg(response.values.size())
                                      .arg(expected.size()));
    }
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const Kind got = response.values[i].kind();
        if (got != expected[i]) {
            fail(kProtocolErrorClass, QStringLiteral("The answer of %1 carries %2 where %3 belongs")
                                          .arg(method.name, kindName(got), kindName(expected[i])));
        }
    }

    MethodAnswer answer;
    if (method.result != Kind::None)
        answer.result = response.values.takeLast();
    answer.outs = std::move(response.values);
    return answer;
}

MethodAnswer callMethod(Channel& channel, const MethodSpec& method,
                        const QList<Value>& inArguments) {
    checkArguments(method, inArguments);
    Request request{QLatin1String(kServerClassPrefix) + method.name, inArguments};
    return splitAnswer(method, channel.call(request));
}

}  // namespace wire
