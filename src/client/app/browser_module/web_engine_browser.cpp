// The embedded browser module: the only code that links the browser engine. Loaded by the program
// on first use (embedded_browser.h).
#include <QtWebEngineCore/qtwebenginecoreglobal.h>
#include <QUrl>
#include <QWebEngineView>

extern "C" {

Q_DECL_EXPORT QWidget* varlentaCreateBrowser(QWidget* parent) {
    return new QWebEngineView(parent);
}

Q_DECL_EXPORT void varlentaNavigateBrowser(QWidget* browser, const QUrl& url) {
    if (auto* view = qobject_cast<QWebEngineView*>(browser)) {
        view->setUrl(url);
    }
}

Q_DECL_EXPORT int varlentaBrowserVersion() {
    return QString::fromLatin1(qWebEngineChromiumVersion()).section(u'.', 0, 0).toInt();
}
}
