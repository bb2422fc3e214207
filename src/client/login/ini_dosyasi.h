#pragma once

#include <QList>
#include <QString>

namespace login {

/// A small INI file as Windows programs write it: "[section]" lines and "key=value" lines, keys
/// compared without regard to case, UTF-8 text. Writing keeps every other line as it was.
class IniDosyasi {
public:
    explicit IniDosyasi(QString path);

    bool exists() const;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    /// A number: 0 is false, any other is true; missing or not a number gives the default.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeBool(const QString& section, const QString& key, bool value);  ///< "1" or "0"

    /// Writes the file readable and writable by its owner only. Returns false with the reason
    /// in errorString() when it cannot be written.
    bool save();
    QString errorString() const { return error_; }

private:
    int findSection(const QString& section) const;
    int findKey(const QString& section, const QString& key) const;

    QString path_;
    QList<QString> lines_;
    bool exists_ = false;
    QString error_;
};

}  // namespace login
