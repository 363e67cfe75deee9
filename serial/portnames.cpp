#include "portnames.h"

#include <QFileInfo>
#include <QHostAddress>
#include <QUrl>

#include <algorithm>

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

namespace {
std::optional<quint16> portNumberOf(const QString &text)
{
    bool ok = false;
    const uint number = text.toUInt(&ok, 10);
    if (!ok || number < 1 || number > 65535 || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return quint16(number);
}

bool isHostName(const QString &host)
{
    static const QString forbidden = QStringLiteral(" /?#@[]:\\");
    return !host.isEmpty() &&
           std::none_of(host.cbegin(), host.cend(), [](QChar c) { return forbidden.contains(c); });
}
} // namespace

std::optional<HostField> hostFieldOf(const QString &text)
{
    const QString field = text.trimmed();
    if (field.startsWith(QLatin1Char('['))) {
        const qsizetype close = field.indexOf(QLatin1Char(']'));
        const QString address = field.mid(1, close - 1);
        const QString rest = close < 0 ? QString() : field.mid(close + 1);
        if (close < 0 || QHostAddress(address).protocol() != QAbstractSocket::IPv6Protocol)
            return std::nullopt;
        if (rest.isEmpty())
            return HostField{address, std::nullopt};
        const std::optional<quint16> port =
            rest.startsWith(QLatin1Char(':')) ? portNumberOf(rest.mid(1)) : std::nullopt;
        if (!port)
            return std::nullopt;
        return HostField{address, port};
    }
    if (field.count(QLatin1Char(':')) > 1) {
        if (QHostAddress(field).protocol() != QAbstractSocket::IPv6Protocol)
            return std::nullopt;
        return HostField{field, std::nullopt};
    }
    const qsizetype colon = field.indexOf(QLatin1Char(':'));
    const QString host = colon < 0 ? field : field.left(colon);
    if (!isHostName(host))
        return std::nullopt;
    if (colon < 0)
        return HostField{host, std::nullopt};
    const std::optional<quint16> port = portNumberOf(field.mid(colon + 1));
    if (!port)
        return std::nullopt;
    return HostField{host, port};
}

QString deviceIdentity(const QString &portName)
{
    if (const std::optional<NetworkPort> port = networkPortOf(portName)) {
        const QHostAddress address(port->host);
        const QString host = address.isNull() ? port->host.toLower() : address.toString();
        return QStringLiteral("%1:%2").arg(host).arg(port->port);
    }
    const QFileInfo device(portName);
    const QString resolved = device.canonicalFilePath();
    return resolved.isEmpty() ? device.absoluteFilePath() : resolved;
}
