#include "client/app/application.h"

#include <QProcessEnvironment>
#include <cstdio>

#include "client/app/configuration.h"
#include "client/app/error_display.h"
#include "client/app/theme.h"
#include "client/server/baglanti_kur.h"
#include "client/ui/mesaj_goster.h"

namespace app {

VarlentaApplication::VarlentaApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VarlentaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showError(std::current_exception());
        return false;
    }
}

void prepareProgram(QApplication& application, const QStringList& arguments) {
    QStringList problems;
    setConfiguration(Configuration::fromOverrides(
        arguments, QProcessEnvironment::systemEnvironment(), &problems));
    for (const QString& problem : problems) {
        std::fprintf(stderr, "varlenta-b2b: %s\n", qPrintable(problem));
    }
    initResources();
    applyTheme(application);
    setConnectionErrorReporter([] { ui::BaglantiHatasiGoster(); });
}

}  // namespace app
