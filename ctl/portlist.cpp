#include "portlist.h"

#include "consoleoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QString usbId(const std::optional<quint16> &id)
{
    return id ? usbIdText(*id) : QString();
}

QString shown(const QString &field)
{
    return field.isEmpty() ? QStringLiteral("-") : field;
}
} // namespace

QString portListText(const QList<PortEntry> &ports)
{
    QString text;
    for (const PortEntry &port : ports) {
        const QString ids = port.vendorId || port.productId
                                ? usbId(port.vendorId) + QLatin1Char(':') + usbId(port.productId)
                                : QString();
        text += visible(QStringList{port.path, shown(port.description), shown(port.manufacturer),
                                    shown(port.serialNumber), shown(ids)}
                            .join(QLatin1String("  "))) +
                QLatin1Char('\n');
    }
    return text;
}

QByteArray portListJson(const QList<PortEntry> &ports)
{
    QJsonArray array;
    for (const PortEntry &port : ports)
        array.append(QJsonObject{{"path", port.path},
                                 {"description", port.description},
                                 {"manufacturer", port.manufacturer},
                                 {"serialNumber", port.serialNumber},
                                 {"vendorId", usbId(port.vendorId)},
                                 {"productId", usbId(port.productId)}});
    return visibleJson(QJsonDocument(array).toJson());
}
