#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the port selector lists and what an entry opens.
//
// On Linux the selector lists first every device path of the colon-separated
// variable RS485CONFIG_EXTRA_PORTS, then the serial ports found on the
// machine by port name; an entry opens the device it shows.
//
// On Windows it lists the ports whose name begins with "COM" in any letter
// case; "COM1" to "COM9" open by that name, higher numbers in the device
// namespace ("\\.\COM12"); an entry with no number after its first three
// characters cannot be opened.

QStringList portEntries(const QString &extraPorts, const QStringList &foundPortNames);
QStringList windowsPortEntries(const QStringList &foundPortNames);

// The name to open for an entry, or nothing when it cannot be opened.
std::optional<QString> systemPortName(const QString &entry);
std::optional<QString> windowsSystemPortName(const QString &entry);
