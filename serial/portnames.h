#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What an entry of the port selector opens (portlisting.h lists them).
//
// On Linux an entry is a device path and opens that device. On Windows the
// selector lists the ports whose name begins with "COM" in any letter case;
// "COM1" to "COM9" open by that name, higher numbers in the device namespace
// ("\\.\COM12"); an entry with no number after its first three characters
// cannot be opened.

QStringList windowsPortEntries(const QStringList &foundPortNames);

// The name to open for an entry, or nothing when it cannot be opened.
std::optional<QString> systemPortName(const QString &entry);
std::optional<QString> windowsSystemPortName(const QString &entry);
