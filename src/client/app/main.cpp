// varlenta-b2b: the dealer's ordering client.
#include "client/app/application.h"
#include "client/app/main_window.h"

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // the embedded browser needs it
    app::VarlentaApplication application(argc, argv);
    app::prepareProgram(application, application.arguments().mid(1));

    app::TForm1 form;
    if (!form.FormCreate()) {
        return 0;
    }
    form.showMaximized();
    return application.exec();
}
