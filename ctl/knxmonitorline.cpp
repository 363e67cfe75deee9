#include "knxmonitorline.h"

#include "consoleoutput.h"
#include "datapointcodec.h"
#include "groupaddressbook.h"
#include "grouptelegramtext.h"
#include "knxaddresses.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
QString timeText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}
} // namespace

std::optional<QString> knxValueText(const GroupTelegram &telegram,
                                    std::optional<DatapointType> type)
{
    if (!type || telegram.service == GroupService::Read ||
        isShortDatapoint(*type) != telegram.shortData)
        return std::nullopt;
    return decodeDatapoint(*type, telegram.data);
}

std::optional<DatapointType> bookDatapointType(quint16 address, const GroupAddressBook &book)
{
    const GroupAddressEntry *entry = book.find(groupAddressText(address));
    return entry ? parseDatapointType(entry->datapointType) : std::nullopt;
}

QString knxMonitorLine(const QDateTime &time, const GroupTelegram &telegram,
                       const GroupAddressBook &book)
{
    QString line =
        QStringLiteral("%1 %2 \u2192 %3 %4")
            .arg(timeText(time), individualAddressText(telegram.source),
                 groupAddressText(telegram.destination), groupServiceWord(telegram.service));
    if (telegram.service != GroupService::Read)
        line += QLatin1Char(' ') + groupDataHex(telegram);
    const QString name = groupAddressName(telegram.destination, book);
    if (!name.isEmpty())
        line += QStringLiteral(" \"%1\"").arg(visible(name));
    if (const auto value = knxValueText(telegram, bookDatapointType(telegram.destination, book)))
        line += QLatin1Char(' ') + *value;
    return line + QLatin1Char('\n');
}

QByteArray knxMonitorJson(const QDateTime &time, const GroupTelegram &telegram,
                          const GroupAddressBook &book)
{
    QJsonObject object{{"time", timeText(time)},
                       {"source", individualAddressText(telegram.source)},
                       {"destination", groupAddressText(telegram.destination)},
                       {"service", groupServiceWord(telegram.service)},
                       {"data", groupDataHex(telegram)}};
    const QString name = groupAddressName(telegram.destination, book);
    if (!name.isEmpty())
        object.insert("name", name);
    const std::optional<DatapointType> type = bookDatapointType(telegram.destination, book);
    if (type)
        object.insert("type", dottedDatapointType(*type));
    if (const auto value = knxValueText(telegram, type))
        object.insert("value", *value);
    return visibleJson(QJsonDocument(object).toJson(QJsonDocument::Compact)) + '\n';
}
