#include "client/login/ini_dosyasi.h"

#include <QFile>
#include <QSaveFile>

namespace login {
namespace {

QString sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (t.startsWith(u'[') && t.endsWith(u']')) {
        return t.mid(1, t.size() - 2).trimmed();
    }
    return {};
}

}  // namespace

IniDosyasi::IniDosyasi(QString path) : path_(std::move(path)) {
    QFile file(path_);
    exists_ = file.exists();
    if (file.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(file.readAll());
        lines_ = text.split(u'\n');
        for (QString& line : lines_) {
            if (line.endsWith(u'\r')) {
                line.chop(1);
            }
        }
        if (!lines_.isEmpty() && lines_.last().isEmpty()) {
            lines_.removeLast();
        }
    }
}

bool IniDosyasi::exists() const {
    return exists_;
}

int IniDosyasi::findSection(const QString& section) const {
    for (int i = 0; i < lines_.size(); ++i) {
        if (sectionName(lines_[i]).compare(section, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

int IniDosyasi::findKey(const QString& section, const QString& key) const {
    const int start = findSection(section);
    if (start < 0) {
        return -1;
    }
    for (int i = start + 1; i < lines_.size(); ++i) {
        if (!sectionName(lines_[i]).isEmpty()) {
            break;
        }
        const int eq = lines_[i].indexOf(u'=');
        if (eq > 0 && lines_[i].left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QString IniDosyasi::readString(const QString& section, const QString& key,
                               const QString& defaultValue) const {
    const int i = findKey(section, key);
    if (i < 0) {
        return defaultValue;
    }
    return lines_[i].mid(lines_[i].indexOf(u'=') + 1);
}

bool IniDosyasi::readBool(const QString& section, const QString& key, bool defaultValue) const {
    bool ok = false;
    const int value = readString(section, key).trimmed().toInt(&ok);
    return ok ? value != 0 : defaultValue;
}

void IniDosyasi::writeString(const QString& section, const QString& key, const QString& value) {
    const int i = findKey(section, key);
    if (i >= 0) {
        lines_[i] = key + u'=' + value;
        return;
    }
    int start = findSection(section);
    if (start < 0) {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty()) {
            lines_.append(QString());
        }
        lines_.append(u'[' + section + u']');
        start = int(lines_.size()) - 1;
    }
    int end = start + 1;
    while (end < lines_.size() && sectionName(lines_[end]).isEmpty()) {
        ++end;
    }
    while (end > start + 1 && lines_[end - 1].trimmed().isEmpty()) {
        --end;
    }
    lines_.insert(end, key + u'=' + value);
}

void IniDosyasi::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniDosyasi::save() {
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        error_ = file.errorString();
        return false;
    }
    // The file holds a password: only its owner may read it, also when it existed before with
    // wider permissions.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QByteArray bytes;
    for (const QString& line : lines_) {
        bytes += line.toUtf8() + "\r\n";
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error_ = file.errorString();
        return false;
    }
    exists_ = true;
    return true;
}

}  // namespace login
