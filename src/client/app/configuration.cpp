#include "client/app/configuration.h"

#include <QHostAddress>
#include <QUrl>

#include "client/app/workstation/identity.h"
#include "wire/defaults.h"
#include "wire/server_address.h"

namespace app {
namespace {

Configuration& current() {
    static Configuration c = Configuration::defaults();
    return c;
}

bool isWebUrl(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") &&
           !url.host().isEmpty();
}

/// The value of --name VALUE / --name=VALUE, else of the environment variable.
QString overrideValue(const QStringList& arguments, const QString& option,
                      const QProcessEnvironment& environment, const QString& variable) {
    QString value;
    bool found = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == option && i + 1 < arguments.size()) {
            value = arguments.at(++i);
            found = true;
        } else if (a.startsWith(option + u'=')) {
            value = a.mid(option.size() + 1);
            found = true;
        }
    }
    if (!found) {
        value = environment.value(variable);
    }
    return value;
}

}  // namespace

Configuration Configuration::defaults() {
    Configuration c;
    c.serverHost = QString::fromLatin1(wire::kDefaultServerHost);
    c.serverPort = wire::kDefaultServerPort;
    c.webBase = u"https://"_qs + c.serverHost + u'/';
    c.downloadUrl = QStringLiteral("http://indir.varlenta.example/exe/VarlentaSetup.exe");
    return c;
}

Configuration Configuration::fromOverrides(const QStringList& arguments,
                                           const QProcessEnvironment& environment,
                                           QStringList* problems) {
    Configuration c = defaults();
    auto problem = [problems](const QString& text) {
        if (problems) {
            problems->append(text);
        }
    };

    const QString server =
        overrideValue(arguments, u"--server"_qs, environment, u"VARLENTA_SERVER"_qs);
    if (!server.isEmpty()) {
        wire::ServerAddress address;
        if (wire::parseServerAddress(server, address)) {
            c.serverHost = address.host;
            c.serverPort = address.port;
            c.webBase = u"https://"_qs + c.serverHost + u'/';
        } else {
            problem(u"--server: HOST or HOST:PORT expected, got \""_qs + server + u'"');
        }
    }
    // The two web addresses: an http or https address, or the override is refused.
    auto webAddress = [&](const QString& option, const QString& variable) {
        const QString value = overrideValue(arguments, option, environment, variable);
        if (!value.isEmpty() && !isWebUrl(value)) {
            problem(option + u": an http or https address expected, got \""_qs + value + u'"');
            return QString();
        }
        return value;
    };
    const QString webBase = webAddress(u"--web-base"_qs, u"VARLENTA_WEB_BASE"_qs);
    if (!webBase.isEmpty()) {
        c.webBase = webBase.endsWith(u'/') ? webBase : webBase + u'/';
        c.webBaseOverridden = true;
    }
    const QString download = webAddress(u"--download-url"_qs, u"VARLENTA_DOWNLOAD_URL"_qs);
    if (!download.isEmpty()) {
        c.downloadUrl = download;
    }
    const QString id =
        overrideValue(arguments, u"--computer-id"_qs, environment, u"VARLENTA_COMPUTER_ID"_qs);
    c.computerId = QString(id).remove(u' ');
    return c;
}

QString Configuration::webSiteName() const {
    const QString host = QUrl(webBase).host();
    const bool plain = host.startsWith(u"www."_qs) || host == u"localhost" ||
                       !QHostAddress(host).isNull() || !host.contains(u'.');
    return plain ? host : u"www."_qs + host;
}

QString Configuration::webSiteUrl() const {
    return webBaseOverridden ? webBase : u"http://"_qs + webSiteName() + u'/';
}

const Configuration& configuration() {
    return current();
}

void setConfiguration(const Configuration& configuration) {
    current() = configuration;
}

QString computerIdentifier() {
    const QString& configured = configuration().computerId;
    return configured.isEmpty() ? BilgisayarIdAl() : configured;
}

}  // namespace app
