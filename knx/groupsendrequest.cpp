#include "groupsendrequest.h"

#include "datapointcodec.h"
#include "groupaddressbook.h"
#include "itemtexts.h"
#include "knxaddresses.h"

#include <QCoreApplication>

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

GroupSendRequest refused(const QString &error)
{
    return {std::nullopt, error};
}

// The bits of a row length: 1, 2, 4, 6 (short data), 8 or 16; 0 for another text.
int lengthBits(const QString &length)
{
    static const int bits[] = {1, 2, 4, 6, 8, 16};
    const qsizetype index = lengthTexts().indexOf(length.trimmed());
    return index < 0 ? 0 : bits[index];
}

GroupSendRequest numberInBits(GroupTelegram telegram, const QString &length, const QString &value)
{
    bool ok = false;
    const QString text = value.trimmed();
    const uint number = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                            ? text.mid(2).toUInt(&ok, 16)
                            : text.toUInt(&ok, 10);
    const std::optional<GroupData> data = ok ? groupDataOfLength(length, number) : std::nullopt;
    if (!data)
        return refused(Text::tr("\"%1\" is not a whole number from 0 to %2")
                           .arg(value)
                           .arg((1u << lengthBits(length)) - 1));
    telegram.data = data->data;
    telegram.shortData = data->shortData;
    return {telegram, QString()};
}

GroupSendRequest valueOfType(GroupTelegram telegram, DatapointType type, const QString &value)
{
    const DatapointEncoding encoding = encodeDatapoint(type, value);
    if (!encoding.bytes)
        return refused(encoding.error);
    telegram.shortData = isShortDatapoint(type);
    telegram.data = *encoding.bytes;
    return {telegram, QString()};
}
} // namespace

std::optional<GroupData> groupDataOfLength(const QString &length, uint number)
{
    const int bits = lengthBits(length);
    if (bits == 0 || number > (1u << bits) - 1)
        return std::nullopt;
    GroupData data;
    data.shortData = bits <= 6;
    if (bits == 16)
        data.data.append(char(number >> 8));
    data.data.append(char(number & 0xFF));
    return data;
}

GroupSendRequest groupSendRequest(const QString &address, GroupService service,
                                  const QString &typeOrLength, const QString &value,
                                  const GroupAddressBook &book)
{
    const std::optional<quint16> destination =
        parseGroupAddress(QString(address).replace(QLatin1Char('.'), QLatin1Char('/')));
    if (!destination)
        return refused(Text::tr("\"%1\" is not a group address such as 1/2/3").arg(address));
    GroupTelegram telegram;
    telegram.destination = *destination;
    telegram.service = service;
    if (service == GroupService::Read)
        return {telegram, QString()};
    if (lengthBits(typeOrLength) > 0)
        return numberInBits(telegram, typeOrLength, value);
    QString typeText = typeOrLength.trimmed();
    if (typeText.isEmpty()) {
        const GroupAddressEntry *entry = book.find(groupAddressText(*destination));
        typeText = entry ? entry->datapointType : QString();
        if (typeText.isEmpty())
            return refused(
                Text::tr("The datapoint type of %1 is not known: choose a type or a length "
                         "for the value.")
                    .arg(groupAddressText(*destination)));
    }
    const std::optional<DatapointType> type = parseDatapointType(typeText);
    if (!type)
        return refused(
            Text::tr("\"%1\" is neither a datapoint type such as 9.001 nor a length such "
                     "as 1 byte")
                .arg(typeOrLength));
    return valueOfType(telegram, *type, value);
}
