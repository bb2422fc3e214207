#include "call_options.h"

#include "wire/server_address.h"

QString usageText() {
    return QStringLiteral(
        "usage: varlenta-call [--host H] [--port P] [--computer-id ID] [--save FILE] "
        "[--repeat N --concurrency C] METHOD [ARG ...] | varlenta-call --list");
}

namespace {

int positiveNumber(const QString& option, const QString& text, int max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > max)
        throw UsageError(QStringLiteral("%1 needs a number from 1 to %2, not \"%3\"")
                             .arg(option)
                             .arg(max)
                             .arg(text));
    return value;
}

}  // namespace

CallOptions parseCallOptions(const QStringList& words) {
    CallOptions options;
    const wire::ServerAddress server = wire::defaultServerAddress();
    options.host = server.host;
    options.port = server.port;

    bool optionsEnded = false;
    bool concurrencyGiven = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        QString word = words[i];
        if (optionsEnded || !word.startsWith(u"--")) {
            if (options.method.isEmpty())
                options.method = word;
            else
                options.arguments << word;
            continue;
        }
        if (word == u"--") {
            optionsEnded = true;
            continue;
        }
        QString value;
        bool hasValue = false;
        if (const qsizetype equals = word.indexOf(u'='); equals > 0) {
            value = word.mid(equals + 1);
            word.truncate(equals);
            hasValue = true;
        }
        auto takeValue = [&]() -> QString {
            if (hasValue)
                return value;
            if (i + 1 == words.size())
                throw UsageError(word + QStringLiteral(" needs a value"));
            return words[++i];
        };
        if (word == u"--list") {
            options.list = true;
        } else if (word == u"--help") {
            options.help = true;
        } else if (word == u"--host") {
            options.host = takeValue();
            if (options.host.isEmpty())
                throw UsageError(QStringLiteral("--host needs a host name"));
        } else if (word == u"--port") {
            options.port = quint16(positiveNumber(word, takeValue(), 65535));
        } else if (word == u"--computer-id") {
            options.computerId = takeValue();
        } else if (word == u"--save") {
            options.saveFile = takeValue();
        } else if (word == u"--repeat") {
            options.repeat = positiveNumber(word, takeValue(), 100000000);
        } else if (word == u"--concurrency") {
            options.concurrency = positiveNumber(word, takeValue(), 1024);
            concurrencyGiven = true;
        } else {
            throw UsageError(QStringLiteral("unknown option %1").arg(word));
        }
    }
    if (options.help || options.list)
        return options;
    if (options.method.isEmpty())
        throw UsageError(QStringLiteral("no METHOD given"));
    if (concurrencyGiven && options.repeat == 0)
        throw UsageError(QStringLiteral("--concurrency goes with --repeat"));
    if (options.repeat > 0 && !options.saveFile.isEmpty())
        throw UsageError(QStringLiteral("--save goes with a single call"));
    return options;
}
