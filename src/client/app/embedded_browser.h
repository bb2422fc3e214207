#pragma once

#include <QUrl>

class QWidget;

namespace app {

// The embedded web browser lives in a module of its own (libvarlenta_browser.so, built when the
// browser engine is available) that is loaded on first use, so that starting the program does not
// pay for loading the browser engine.

/// A new browser widget, or nullptr when the program has no embedded browser.
QWidget* createEmbeddedBrowser(QWidget* parent);
/// Opens `url` in a widget made by createEmbeddedBrowser.
void navigateEmbeddedBrowser(QWidget* browser, const QUrl& url);
/// The major version of the browser engine, 0 without one. Loads the module.
int embeddedBrowserVersion();

}  // namespace app
