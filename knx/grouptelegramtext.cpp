#include "grouptelegramtext.h"

#include "datapointcodec.h"
#include "groupaddressbook.h"
#include "knxaddresses.h"

#include <QCoreApplication>

namespace {
const GroupAddressEntry *entryOf(quint16 address, const GroupAddressBook &book)
{
    return book.find(groupAddressText(address));
}
} // namespace

QString groupServiceText(GroupService service)
{
    switch (service) {
    case GroupService::Read:
        return QCoreApplication::translate("MainWindow", "Read");
    case GroupService::Response:
        return QCoreApplication::translate("MainWindow", "Response");
    case GroupService::Write:
        break;
    }
    return QCoreApplication::translate("MainWindow", "Write");
}

QString groupDataHex(const GroupTelegram &telegram)
{
    return QString::fromLatin1(telegram.data.toHex(' ').toUpper());
}

QString groupValueText(const GroupTelegram &telegram, const GroupAddressBook &book)
{
    if (telegram.service == GroupService::Read)
        return QString();
    const GroupAddressEntry *entry = entryOf(telegram.destination, book);
    const std::optional<DatapointType> type =
        entry ? parseDatapointType(entry->datapointType) : std::nullopt;
    if (type && isShortDatapoint(*type) != telegram.shortData)
        return groupDataHex(telegram);
    const std::optional<QString> value =
        type ? decodeDatapoint(*type, telegram.data) : std::nullopt;
    return value ? *value : groupDataHex(telegram);
}

QString groupAddressName(quint16 address, const GroupAddressBook &book)
{
    const GroupAddressEntry *entry = entryOf(address, book);
    return entry ? entry->name : QString();
}

QByteArray knxCaptureLine(const QDateTime &time, const GroupTelegram &telegram)
{
    QString line =
        time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) +
        QStringLiteral(" KNX %1 \u2192 %2 %3")
            .arg(individualAddressText(telegram.source), groupAddressText(telegram.destination),
                 groupServiceWord(telegram.service));
    if (telegram.service != GroupService::Read)
        line += ' ' + groupDataHex(telegram);
    return line.toUtf8() + '\n';
}
