// The yardstick: a minimal Qt Widgets program showing one dialog (a label, an edit and a button),
// ending at its first paint.
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
class ExitOnPaint : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && qobject_cast<QDialog*>(o)) {
            ::_exit(0);
        }
        return false;
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ExitOnPaint probe;
    application.installEventFilter(&probe);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Kullanıcı Adı:")));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QPushButton(QStringLiteral("Giriş")));
    dialog.setWindowTitle(QStringLiteral("Giriş"));
    return dialog.exec();
}
