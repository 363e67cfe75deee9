#include "portnames.h"

QStringList windowsPortEntries(const QStringList &foundPortNames)
{
    QStringList entries;
    for (const QString &name : foundPortNames) {
        if (name.toLower().startsWith("com"))
            entries << name;
    }
    return entries;
}

std::optional<QString> systemPortName(const QString &entry)
{
#ifdef Q_OS_WIN
    return windowsSystemPortName(entry);
#else
    if (entry.isEmpty())
        return std::nullopt;
    return entry;
#endif
}

std::optional<QString> windowsSystemPortName(const QString &entry)
{
    const QString number = entry.mid(3);
    bool ok = false;
    const int value = number.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return (value <= 9 ? QString("COM") : QString("\\\\.\\COM")) + number;
}
