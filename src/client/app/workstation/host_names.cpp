#include <pwd.h>
#include <unistd.h>

#include <QList>
#include <QSysInfo>
#include <vector>

#include "host_name.h"
#include "identity.h"
#include "system_root.h"

namespace {

// The system hands both names over in a buffer of 16 characters: a longer name does not fit and
// the call fails.
constexpr int kNameBufferChars = 16;

QString fittingName(const QString& name) {
    return name.size() < kNameBufferChars ? name : QString();
}

QString liveUserName(uid_t uid) {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
        return {};
    }
    return QString::fromLocal8Bit(found->pw_name);
}

// Looks the uid up in the passwd file of the system root.
QString passwdFileUserName(uid_t uid) {
    const auto passwdFile = readSystemFile(u"etc/passwd");
    if (!passwdFile) {
        return {};
    }
    const QByteArray uidText = QByteArray::number(uid);
    for (const QByteArray& line : passwdFile->split('\n')) {
        const QList<QByteArray> fields = line.split(':');
        if (fields.size() > 2 && fields[2] == uidText) {
            return QString::fromLocal8Bit(fields[0]);
        }
    }
    return {};
}

}  // namespace

QString localHostName() {
    if (const auto name = readSystemFile(u"proc/sys/kernel/hostname")) {
        return QString::fromLocal8Bit(name->trimmed());
    }
    return isLiveSystemRoot() ? QSysInfo::machineHostName() : QString();
}

QString BilgisayarAdiAl() {
    return fittingName(localHostName());
}

QString KullaniciAdiAl() {
    const uid_t uid = geteuid();
    return fittingName(isLiveSystemRoot() ? liveUserName(uid) : passwdFileUserName(uid));
}
