#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include "wire/value.h"

namespace wire {

struct ParamSpec {
    QString name;          ///< declared name, e.g. "carino"
    Kind kind;             ///< Record for a login record (recordType tells which)
    bool out = false;      ///< out parameters are not sent; they come back in the answer
    QString recordType;    ///< for Record parameters: e.g. "baglantiu.TSonucBilgisi"
};

struct MethodSpec {
    QString name;              ///< letter for letter, e.g. "SAnalPosPdfVer"
    QList<ParamSpec> params;   ///< wire order
    Kind result = Kind::None;
    QString resultRecordType;  ///< for Record results
    bool calledByClient = false;  ///< in the desktop client's own table of methods
};

/// Every method of the server interface, in the proxy's declaration order (the methods the client
/// calls first, then the further ones). The one description shared by the proxy, the server's
/// dispatch and varlenta-call.
const QList<MethodSpec>& methodCatalogue();

/// Looks a method up by its name without the "TServerMethods1." prefix; nullptr if unknown.
const MethodSpec* findMethod(QStringView name);

inline constexpr char kServerClassPrefix[] = "TServerMethods1.";

}  // namespace wire
