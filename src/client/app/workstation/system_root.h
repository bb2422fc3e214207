#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

/// Every file the workstation routines read from the operating system (/sys, /run, /proc, /etc,
/// /usr, /opt) is looked up under one root folder. It is "/" on a running machine; tests point it
/// at a fixture tree. The environment variable VARLENTA_SYSTEM_ROOT sets it at start, setSystemRoot
/// overrides it. Safe to use from any thread.

/// Sets the root folder; an empty text returns to VARLENTA_SYSTEM_ROOT, or "/" when that is unset.
void setSystemRoot(const QString& root);
QString systemRoot();
/// True while the root is the machine's own "/" (the routines may then also ask the system itself).
bool isLiveSystemRoot();
/// The absolute path of a system path such as "sys/class/net" under the root.
QString systemPath(QStringView relativePath);
/// Contents of a system file without its trailing line end; nullopt when it cannot be read.
std::optional<QByteArray> readSystemFile(QStringView relativePath);
