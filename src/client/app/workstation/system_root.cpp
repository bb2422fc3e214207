#include "system_root.h"

#include <QDir>
#include <QFile>
#include <mutex>

namespace {

std::mutex rootMutex;
QString explicitRoot;

QString cleanRoot(const QString& root) {
    if (root.isEmpty()) {
        return QStringLiteral("/");
    }
    return QDir::cleanPath(root);
}

}  // namespace

void setSystemRoot(const QString& root) {
    std::lock_guard lock(rootMutex);
    explicitRoot = root;
}

QString systemRoot() {
    {
        std::lock_guard lock(rootMutex);
        if (!explicitRoot.isEmpty()) {
            return cleanRoot(explicitRoot);
        }
    }
    return cleanRoot(qEnvironmentVariable("VARLENTA_SYSTEM_ROOT"));
}

bool isLiveSystemRoot() {
    return systemRoot() == QLatin1String("/");
}

QString systemPath(QStringView relativePath) {
    QString root = systemRoot();
    if (!root.endsWith(QLatin1Char('/'))) {
        root += QLatin1Char('/');
    }
    while (relativePath.startsWith(QLatin1Char('/'))) {
        relativePath = relativePath.mid(1);
    }
    return root + relativePath.toString();
}

std::optional<QByteArray> readSystemFile(QStringView relativePath) {
    QFile file(systemPath(relativePath));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray contents = file.readAll();
    while (contents.endsWith('\n') || contents.endsWith('\r')) {
        contents.chop(1);
    }
    return contents;
}
