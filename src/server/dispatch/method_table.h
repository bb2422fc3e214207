#pragma once

#include <QHash>
#include <QString>

#include "server/dispatch/call_context.h"

namespace server {

/// The one table of the methods this server offers: name (without "TServerMethods1.") →
/// handler. Parameters and result kinds come from the shared method catalogue.
class MethodTable {
public:
    /// Every handler of every subject.
    static const MethodTable& instance();

    void add(const char* name, Handler handler);
    Handler find(QStringView name) const;
    QStringList names() const;

private:
    QHash<QString, Handler> handlers_;
};

// Each subject registers its handlers (handlers/*.cpp).
void registerLoginHandlers(MethodTable& table);
void registerCatalogueHandlers(MethodTable& table);
void registerBasketHandlers(MethodTable& table);
void registerOrderHandlers(MethodTable& table);
void registerBalanceHandlers(MethodTable& table);
void registerAccountHandlers(MethodTable& table);
void registerSalesRepHandlers(MethodTable& table);
void registerPromoHandlers(MethodTable& table);
void registerMailHandlers(MethodTable& table);
void registerEchoHandlers(MethodTable& table);

}  // namespace server
