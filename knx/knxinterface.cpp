#include "knxinterface.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {
const QString routingWord = QStringLiteral("routing");

bool isHost(const QString &host)
{
    static const QRegularExpression name(
        QStringLiteral("^(?=.{1,253}$)[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?"
                       "(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)*$"));
    static const QRegularExpression dottedNumbers(QStringLiteral("^[0-9.]+$"));
    if (dottedNumbers.match(host).hasMatch()) {
        QHostAddress address;
        return host.count(QLatin1Char('.')) == 3 && address.setAddress(host) &&
               address.protocol() == QAbstractSocket::IPv4Protocol;
    }
    return name.match(host).hasMatch();
}

std::optional<quint16> portNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const uint port = text.toUInt();
    if (!digits.match(text).hasMatch() || port < 1 || port > 65535)
        return std::nullopt;
    return quint16(port);
}
} // namespace

QString KnxInterface::text() const
{
    if (kind == Kind::Routing)
        return port == 3671 ? routingWord : QStringLiteral("%1:%2").arg(routingWord).arg(port);
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

std::optional<KnxInterface> parseKnxInterface(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() > 2)
        return std::nullopt;
    KnxInterface interface;
    if (parts.size() == 2) {
        const std::optional<quint16> port = portNumber(parts.at(1));
        if (!port)
            return std::nullopt;
        interface.port = *port;
    }
    if (parts.at(0).compare(routingWord, Qt::CaseInsensitive) == 0) {
        interface.kind = KnxInterface::Kind::Routing;
        return interface;
    }
    if (!isHost(parts.at(0)))
        return std::nullopt;
    interface.host = parts.at(0);
    return interface;
}
