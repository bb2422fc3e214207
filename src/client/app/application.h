#pragma once

#include <QApplication>

namespace app {

/// The application object. An exception that escapes an event handler ends up in the default
/// error display (its text in a message box) instead of ending the program.
class VarlentaApplication : public QApplication {
public:
    VarlentaApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

/// Everything the program sets up before its first window: the configuration from `arguments`
/// and the environment (problems are printed on standard error), the look, the artwork and the
/// connection-error message.
void prepareProgram(QApplication& application, const QStringList& arguments);

}  // namespace app
