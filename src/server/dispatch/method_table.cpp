#include "server/dispatch/method_table.h"

#include "wire/methods/method_catalogue.h"

namespace server {

const MethodTable& MethodTable::instance() {
    static const MethodTable table = [] {
        MethodTable t;
        registerLoginHandlers(t);
        registerCatalogueHandlers(t);
        registerBasketHandlers(t);
        registerOrderHandlers(t);
        registerBalanceHandlers(t);
        registerAccountHandlers(t);
        registerSalesRepHandlers(t);
        registerPromoHandlers(t);
        registerMailHandlers(t);
        registerEchoHandlers(t);
        return t;
    }();
    return table;
}

void MethodTable::add(const char* name, Handler handler) {
    const QString key = QString::fromLatin1(name);
    Q_ASSERT_X(wire::findMethod(key), "MethodTable::add", name);
    Q_ASSERT(!handlers_.contains(key));
    handlers_.insert(key, handler);
}

Handler MethodTable::find(QStringView name) const {
    return handlers_.value(name.toString());
}

QStringList MethodTable::names() const {
    return handlers_.keys();
}

}  // namespace server
