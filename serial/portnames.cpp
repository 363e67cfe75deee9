#include "portnames.h"

#include <QUrl>

namespace {
const QLatin1String rfc2217Scheme("rfc2217://");
const QLatin1String rawTcpScheme("tcp://");
} // namespace

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

LineKind lineKindOf(const QString &portName)
{
    if (portName.startsWith(rfc2217Scheme, Qt::CaseInsensitive))
        return LineKind::Rfc2217;
    if (portName.startsWith(rawTcpScheme, Qt::CaseInsensitive))
        return LineKind::RawTcp;
    return LineKind::Local;
}

std::optional<NetworkPort> networkPortOf(const QString &portName)
{
    const LineKind kind = lineKindOf(portName);
    if (kind == LineKind::Local)
        return std::nullopt;
    const QUrl url(portName, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.port() < 1 || !url.userInfo().isEmpty() ||
        !url.path().isEmpty() || url.hasQuery() || url.hasFragment())
        return std::nullopt;
    return NetworkPort{kind, url.host(), quint16(url.port())};
}

QString networkPortName(const NetworkPort &port)
{
    const QString host = port.host.contains(QLatin1Char(':'))
                             ? QLatin1Char('[') + port.host + QLatin1Char(']')
                             : port.host;
    return (port.kind == LineKind::RawTcp ? rawTcpScheme : rfc2217Scheme) + host +
           QLatin1Char(':') + QString::number(port.port);
}
