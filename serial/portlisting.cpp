#include "portlisting.h"

#include "portnames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {
PortEntry entryOf(const QSerialPortInfo &info, const QString &path)
{
    PortEntry entry;
    entry.path = path;
    entry.description = info.description();
    entry.manufacturer = info.manufacturer();
    entry.serialNumber = info.serialNumber();
    if (info.hasVendorIdentifier())
        entry.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier())
        entry.productId = info.productIdentifier();
    return entry;
}
} // namespace

QString usbIdText(quint16 id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

bool PortEntry::operator==(const PortEntry &other) const
{
    return path == other.path && description == other.description &&
           manufacturer == other.manufacturer && serialNumber == other.serialNumber &&
           vendorId == other.vendorId && productId == other.productId;
}

QList<PortEntry> listPorts(const QString &extraPorts)
{
    QList<PortEntry> entries;
#ifdef Q_OS_WIN
    Q_UNUSED(extraPorts);
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        if (!windowsPortEntries({info.portName()}).isEmpty())
            entries << entryOf(info, info.portName());
#else
    QStringList listed;
    for (const QString &path : extraPorts.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QFileInfo::exists(path) && !listed.contains(path)) {
            entries << entryOf(QSerialPortInfo(), path);
            listed << path;
        }
    }
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        if (!listed.contains(info.systemLocation()))
            entries << entryOf(info, info.systemLocation());
    }
#endif
    return entries;
}

PortEntry networkPortEntry(const QString &name)
{
    PortEntry entry;
    entry.path = name;
    entry.description = QCoreApplication::translate(
        "MainWindow", lineKindOf(name) == LineKind::RawTcp
                          ? QT_TRANSLATE_NOOP("MainWindow", "Serial device server, raw TCP: the "
                                                            "server fixes the line settings")
                          : QT_TRANSLATE_NOOP("MainWindow", "Serial device server, RFC 2217: the "
                                                            "line settings reach its port"));
    return entry;
}

QString portDetails(const PortEntry &entry)
{
    QStringList lines{entry.path};
    const auto add = [&lines](const char *label, const QString &value) {
        if (!value.isEmpty())
            lines << QCoreApplication::translate("MainWindow", label).arg(value);
    };
    add(QT_TRANSLATE_NOOP("MainWindow", "Description: %1"), entry.description);
    add(QT_TRANSLATE_NOOP("MainWindow", "Manufacturer: %1"), entry.manufacturer);
    add(QT_TRANSLATE_NOOP("MainWindow", "Serial number: %1"), entry.serialNumber);
    if (entry.vendorId || entry.productId)
        add(QT_TRANSLATE_NOOP("MainWindow", "USB vendor:product: %1"),
            usbIdText(entry.vendorId.value_or(0)) + QLatin1Char(':') +
                usbIdText(entry.productId.value_or(0)));
    return lines.join(QLatin1Char('\n'));
}
