#include "client/app/embedded_browser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>
#include <QWidget>

namespace app {
namespace {

using CreateFn = QWidget* (*)(QWidget*);
using NavigateFn = void (*)(QWidget*, const QUrl&);
using VersionFn = int (*)();

struct BrowserModule {
    CreateFn create = nullptr;
    NavigateFn navigate = nullptr;
    VersionFn version = nullptr;
};

/// Next to the program, else where the build put it.
QString modulePath() {
    const QString besideProgram =
        QCoreApplication::applicationDirPath() + u"/libvarlenta_browser.so"_qs;
    if (QFileInfo::exists(besideProgram)) {
        return besideProgram;
    }
#ifdef VARLENTA_BROWSER_MODULE
    return QStringLiteral(VARLENTA_BROWSER_MODULE);
#else
    return {};
#endif
}

const BrowserModule& browserModule() {
    static QMutex mutex;
    static BrowserModule module;
    static bool loaded = false;
    QMutexLocker lock(&mutex);
    if (!loaded) {
        loaded = true;
        const QString path = modulePath();
        if (!path.isEmpty()) {
            QLibrary library(path);
            if (library.load()) {
                module.create =
                    reinterpret_cast<CreateFn>(library.resolve("varlentaCreateBrowser"));
                module.navigate =
                    reinterpret_cast<NavigateFn>(library.resolve("varlentaNavigateBrowser"));
                module.version =
                    reinterpret_cast<VersionFn>(library.resolve("varlentaBrowserVersion"));
            }
        }
    }
    return module;
}

}  // namespace

QWidget* createEmbeddedBrowser(QWidget* parent) {
    const BrowserModule& m = browserModule();
    return m.create && m.navigate ? m.create(parent) : nullptr;
}

void navigateEmbeddedBrowser(QWidget* browser, const QUrl& url) {
    const BrowserModule& m = browserModule();
    if (browser && m.navigate) {
        m.navigate(browser, url);
    }
}

int embeddedBrowserVersion() {
    const BrowserModule& m = browserModule();
    return m.version ? m.version() : 0;
}

}  // namespace app
