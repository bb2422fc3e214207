// The program's own start-up up to the login dialog, ending the process at its first paint.
#include <unistd.h>
#include <QDialog>

#include "client/app/application.h"
#include "client/app/main_window.h"
#include "client/login/giris_form.h"

namespace {
class ExitOnPaint : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && qobject_cast<login::Tgirisform*>(o)) {
            ::_exit(0);
        }
        return false;
    }
};
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    app::VarlentaApplication application(argc, argv);
    ExitOnPaint probe;
    application.installEventFilter(&probe);
    app::prepareProgram(application, application.arguments().mid(1));
    app::TForm1 form;
    if (!form.FormCreate()) {
        return 0;
    }
    form.showMaximized();
    return application.exec();
}
