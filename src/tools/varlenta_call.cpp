// varlenta-call: calls one remote method of the application server from the command line and
// prints its answer as JSON (usageText() gives the interface).

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "call_arguments.h"
#include "call_login.h"
#include "call_options.h"
#include "call_output.h"
#include "call_repeat.h"
#include "wire/error.h"
#include "wire/records/sonuc_bilgisi.h"

namespace {

enum ExitCode { kSuccess = 0, kRemoteError = 1, kNoConnection = 2, kBadArguments = 64 };

void write(FILE* to, const QByteArray& text) {
    std::fwrite(text.constData(), 1, std::size_t(text.size()), to);
    std::fputc('\n', to);
    std::fflush(to);
}

int badArguments(const QString& problem) {
    write(stderr, ("varlenta-call: " + problem).toUtf8());
    write(stderr, usageText().toUtf8());
    return kBadArguments;
}

int failed(const wire::Error& error) {
    write(stderr, error.fullText().toUtf8());
    return error.className() == QLatin1String(wire::kTransportErrorClass) ? kNoConnection
                                                                          : kRemoteError;
}

QString signature(const wire::MethodSpec& method) {
    auto kindText = [](wire::Kind kind, const QString& recordType) {
        return recordType.isEmpty() ? wire::kindName(kind)
                                    : wire::kindName(kind) + u' ' + recordType;
    };
    QStringList params;
    for (const wire::ParamSpec& param : method.params)
        params << (param.out ? u"out "_qs : QString()) + param.name + u": "_qs +
                      kindText(param.kind, param.recordType);
    return method.name + u'(' + params.join(u", ") + u"): "_qs +
           kindText(method.result, method.resultRecordType);
}

int listMethods() {
    for (const wire::MethodSpec& method : wire::methodCatalogue())
        write(stdout, signature(method).toUtf8());
    return kSuccess;
}

bool takesLogin(const QStringList& arguments) {
    return arguments.contains(QLatin1String(kLoginPlaceholder));
}

int run(const CallOptions& options) {
    QString name = options.method;
    if (name.startsWith(QLatin1String(wire::kServerClassPrefix)))
        name.remove(0, int(qstrlen(wire::kServerClassPrefix)));
    const wire::MethodSpec* method = wire::findMethod(name);
    if (!method)
        return badArguments(QStringLiteral("no method %1 (--list shows them)").arg(options.method));
    if (!options.saveFile.isEmpty() && method->result != wire::Kind::Stream)
        return badArguments(QStringLiteral("--save needs a method that returns a byte stream"));

    // Every argument is checked before the server is asked for anything.
    try {
        argumentValues(*method, options.arguments,
                       [] { return wire::recordToJson(TSonucBilgisi()); });
    } catch (const UsageError& error) {
        return badArguments(QString::fromStdString(error.what()));
    }

    wire::Channel channel;
    try {
        channel.open(options.host, options.port);
    } catch (const wire::Error& error) {
        write(stderr, error.fullText().toUtf8());
        return kNoConnection;
    }
    try {
        QByteArray login;
        if (takesLogin(options.arguments))
            login = fetchLoginJson(channel, loginComputerId(options.computerId));
        const QList<wire::Value> arguments =
            argumentValues(*method, options.arguments, [&login] { return login; });

        if (options.repeat > 0) {
            channel.close();
            const RepeatFigures figures =
                repeatCalls(options.host, options.port, *method, arguments, options.repeat,
                            options.concurrency);
            write(stdout, figuresJson(figures, options.concurrency));
            if (figures.failed == 0)
                return kSuccess;
            write(stderr, figures.firstError.toUtf8());
            return figures.connectionFailed ? kNoConnection : kRemoteError;
        }

        const wire::MethodAnswer answer = wire::callMethod(channel, *method, arguments);
        channel.close();
        if (!options.saveFile.isEmpty() && !answer.result.isNull()) {
            QFile file(options.saveFile);
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(answer.result.bytes()) != answer.result.bytes().size()) {
                write(stderr, QStringLiteral("varlenta-call: cannot write %1: %2")
                                  .arg(options.saveFile, file.errorString())
                                  .toUtf8());
                return kRemoteError;
            }
        }
        write(stdout, answerJson(*method, answer));
        return kSuccess;
    } catch (const wire::Error& error) {
        return failed(error);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList words = application.arguments();
    words.removeFirst();
    CallOptions options;
    try {
        options = parseCallOptions(words);
    } catch (const UsageError& error) {
        return badArguments(QString::fromStdString(error.what()));
    }
    if (options.help) {
        write(stdout, usageText().toUtf8());
        return kSuccess;
    }
    if (options.list)
        return listMethods();
    return run(options);
}
