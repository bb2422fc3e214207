#include <QDir>
#include <stdexcept>

#include "identity.h"
#include "system_root.h"

namespace {

// Block devices that are no physical disk even when they carry a device link: optical and floppy
// drives, network block devices. Loop, ram, zram, device-mapper and md devices have no device link
// but are named here as well in case a driver adds one.
const QStringList kNonDiskPrefixes = {
    QStringLiteral("loop"), QStringLiteral("ram"), QStringLiteral("zram"), QStringLiteral("dm-"),
    QStringLiteral("md"),   QStringLiteral("sr"),  QStringLiteral("fd"),   QStringLiteral("nbd")};

bool isPhysicalDisk(const QString& name) {
    for (const QString& prefix : kNonDiskPrefixes) {
        if (name.startsWith(prefix)) {
            return false;
        }
    }
    return QDir(systemPath(QLatin1String("sys/block/") + name + QLatin1String("/device"))).exists();
}

QString firstPhysicalDisk() {
    const QStringList names =
        QDir(systemPath(u"sys/block")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        if (isPhysicalDisk(name)) {
            return name;
        }
    }
    return {};
}

/// The serial as the kernel reports it (NVMe, virtio and some SCSI drivers), or as udev recorded it
/// in its database entry for the device number (SATA disks).
QByteArray diskSerial(const QString& disk) {
    const QString blockDir = QLatin1String("sys/block/") + disk;
    for (const QString& file :
         {blockDir + QLatin1String("/device/serial"), blockDir + QLatin1String("/serial")}) {
        if (const auto serial = readSystemFile(file); serial && !serial->trimmed().isEmpty()) {
            return *serial;
        }
    }
    const auto deviceNumber = readSystemFile(blockDir + QLatin1String("/dev"));
    if (!deviceNumber) {
        return {};
    }
    const auto udevEntry = readSystemFile(QLatin1String("run/udev/data/b") +
                                          QString::fromLatin1(deviceNumber->trimmed()));
    if (!udevEntry) {
        return {};
    }
    const QByteArray key = "E:ID_SERIAL_SHORT=";
    for (const QByteArray& line : udevEntry->split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(key.size());
        }
    }
    return {};
}

}  // namespace

QString DiskSeriNoAl() {
    const QString disk = firstPhysicalDisk();
    if (disk.isEmpty()) {
        throw std::runtime_error("No physical disk found under " +
                                 systemPath(u"sys/block").toStdString());
    }
    return QString::fromUtf8(diskSerial(disk)).toUpper();
}
