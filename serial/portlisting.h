#pragma once

#include <QList>
#include <QString>

#include <optional>

// The serial ports that can be chosen now, with what the system knows of each.
struct PortEntry
{
    QString path; // what the port list shows and what opens the device
    QString description;
    QString manufacturer;
    QString serialNumber;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;

    bool operator==(const PortEntry &other) const;
};

// On Linux: every path of the colon-separated extraPorts that exists now,
// then the machine's serial ports by device path (a path already listed is
// not repeated). On Windows: the "COM" ports by name.
QList<PortEntry> listPorts(const QString &extraPorts);

// A port of a serial device server (portnames.h), described by its kind.
PortEntry networkPortEntry(const QString &name);

// A USB vendor or product id as four lower-case hexadecimal digits: "0403".
QString usbIdText(quint16 id);

// What is known of the port, one "Label: value" line each (translated); the
// path alone when nothing is known.
QString portDetails(const PortEntry &entry);
