#pragma once

#include <QString>

/// The address encoded for use as a URL: characters that may not stand in an address (blanks,
/// letters outside ASCII, ...) are percent-encoded as UTF-8, the address structure
/// (scheme, host, path, "?", "&", "=", "#") is kept.
QString UrlKodla(const QString& address);
/// The full path of the installed Chrome or Chromium executable under the system root, or empty
/// text when none is installed.
QString ChromeYolu();
/// The major version of the embedded browser engine, 0 when the program has none. The program
/// registers it at start with IeSurumuAyarla.
int IeSurumu();
void IeSurumuAyarla(int majorVersion);
