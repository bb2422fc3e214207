#include "server/dispatch/dispatcher.h"

#include <exception>

#include "server/dispatch/call_context.h"
#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/storage/connection_pool.h"
#include "wire/methods/method_call.h"
#include "wire/methods/method_catalogue.h"

namespace server {

Dispatcher::Dispatcher(ConnectionPool& pool, ServerSettings settings)
    : pool_(pool), settings_(settings) {}

QByteArray Dispatcher::handle(QByteArrayView requestPayload) {
    Session* session = nullptr;
    try {
        const wire::Request request = wire::decodeRequestPayload(requestPayload);
        const QLatin1StringView prefix(wire::kServerClassPrefix);
        const QStringView full(request.method);
        const QStringView name = full.startsWith(prefix) ? full.mid(prefix.size()) : QStringView();
        const wire::MethodSpec* spec = name.isEmpty() ? nullptr : wire::findMethod(name);
        const Handler handler = spec ? MethodTable::instance().find(name) : nullptr;
        if (!handler)
            throw wire::Error(kMethodNotFoundClass,
                              QStringLiteral("the method \"%1\" is not offered by this server")
                                  .arg(request.method));
        wire::checkArguments(*spec, request.params);
        session = &pool_.sessionForThisThread();
        CallContext call(*session, settings_, request.params);
        const wire::Response response = handler(call);
        session->finishQueries();
        return wire::encodeResponseFrame(response);
    } catch (const wire::Error& e) {
        if (session)
            session->finishQueries();
        // A connection that failed (a database restart, a dropped link) is not trusted again:
        // the thread's next call opens a new one.
        if (session && e.className() == QLatin1StringView(wire::kDatabaseErrorClass))
            pool_.releaseThisThread();
        return wire::encodeErrorFrame(wire::Failure{e.className(), e.message()});
    } catch (const std::exception& e) {
        if (session)
            session->finishQueries();
        return wire::encodeErrorFrame(
            wire::Failure{QString::fromLatin1(kServerErrorClass), QString::fromUtf8(e.what())});
    }
}

void Dispatcher::threadFinished() {
    pool_.releaseThisThread();
}

}  // namespace server
