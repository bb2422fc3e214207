#include "browser.h"

#include <QFileInfo>
#include <QUrl>
#include <atomic>

#include "system_root.h"

namespace {

std::atomic<int> embeddedEngineMajorVersion{0};

// The places where the Chrome and Chromium packages of the usual distributions put their program.
const char* const kChromePaths[] = {
    "usr/bin/google-chrome-stable", "usr/bin/google-chrome",
    "opt/google/chrome/chrome",     "usr/bin/chromium",
    "usr/bin/chromium-browser",     "snap/bin/chromium",
};

}  // namespace

QString UrlKodla(const QString& address) {
    const QUrl url(address, QUrl::TolerantMode);
    if (url.isValid()) {
        return QString::fromLatin1(url.toEncoded());
    }
    return QString::fromLatin1(QUrl::toPercentEncoding(address, ":/?#[]@!$&'()*+,;=%"));
}

QString ChromeYolu() {
    for (const char* path : kChromePaths) {
        const QString fullPath = systemPath(QString::fromLatin1(path));
        if (QFileInfo(fullPath).isFile()) {
            return fullPath;
        }
    }
    return {};
}

int IeSurumu() {
    return embeddedEngineMajorVersion.load();
}

void IeSurumuAyarla(int majorVersion) {
    embeddedEngineMajorVersion.store(majorVersion);
}
