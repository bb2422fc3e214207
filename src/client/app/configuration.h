#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace app {

/// Where the program finds the dealer: fixed in the program, overridable for operations and tests
/// by a command-line option or an environment variable (the option wins):
///
///   --server HOST[:PORT]   VARLENTA_SERVER         the application server (port 9090 by default)
///   --web-base URL         VARLENTA_WEB_BASE       base of the dealer's web pages
///   --download-url URL     VARLENTA_DOWNLOAD_URL   the setup program of a newer version
///   --computer-id ID       VARLENTA_COMPUTER_ID    the computer identifier sent at login
struct Configuration {
    QString serverHost;
    quint16 serverPort = 0;
    QString webBase;      ///< ends with "/"; the request and payment pages are appended to it
    QString downloadUrl;  ///< full address of "VarlentaSetup.exe"
    QString computerId;   ///< empty: computed from the workstation

    /// The fixed values, without any override.
    static Configuration defaults();
    /// The fixed values with the overrides of the arguments (argv without the program name is
    /// fine too) and the environment applied. Malformed values are reported in `problems` and
    /// ignored.
    static Configuration fromOverrides(const QStringList& arguments,
                                       const QProcessEnvironment& environment,
                                       QStringList* problems = nullptr);

    /// The dealer's web site for the general menu: the web base's host with the usual "www."
    /// prefix (not for an address, "localhost" or a name that has it already).
    QString webSiteName() const;
    /// Root page of the dealer's web site ("http://" + site name + "/", or the web base itself
    /// when it was overridden).
    QString webSiteUrl() const;

    bool webBaseOverridden = false;
};

/// The configuration of this run; the defaults until setConfiguration was called.
const Configuration& configuration();
void setConfiguration(const Configuration& configuration);

/// The computer identifier the program logs in with: the configured one, else the workstation's.
QString computerIdentifier();

}  // namespace app
