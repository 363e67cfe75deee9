#include "workingrules.h"

#include "itemtexts.h"
#include "rowkinds.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {
constexpr int ByteBits = 8;
constexpr int OneByteItem = 4; // "1 byte" in the length list

const char *tableName(TelegramTable table)
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        return RowKind<Tele485ToKnxW>::name;
    case TelegramTable::Tele1Byte:
        return RowKind<Tele1Byte>::name;
    case TelegramTable::TeleKnxTo485W:
        break;
    }
    return RowKind<TeleKnxTo485W>::name;
}

QByteArray bytesOf(const QString &hex)
{
    return QByteArray::fromHex(hex.toLatin1());
}

// The service of a type item: write, read, response, as the type lists order them.
std::optional<BusService> serviceOfType(const QStringList &types, const QString &type)
{
    constexpr BusService services[] = {BusService::Write, BusService::Read, BusService::Response};
    const qsizetype item = types.indexOf(type);
    if (item < 0 || item >= qsizetype(std::size(services)))
        return std::nullopt;
    return services[item];
}

// The group telegram of a row, or why it cannot be sent.
std::optional<BusTelegram> groupTelegram(BusService service, std::optional<quint16> address,
                                         const QString &length, uint value, QString *text)
{
    const std::optional<QByteArray> apdu = busApdu(service, length, value);
    if (!address) {
        *text = QStringLiteral("no KNX telegram: no group address");
        return std::nullopt;
    }
    if (!apdu) {
        *text = QStringLiteral("no KNX telegram: value %1 does not fit length %2")
                    .arg(value)
                    .arg(length);
        return std::nullopt;
    }
    *text = QStringLiteral("KNX %1 %2").arg(busServiceWord(service), busGroupText(*address));
    if (service != BusService::Read)
        *text += QStringLiteral(" value %1 (%2)").arg(value).arg(length);
    return BusTelegram{0, *address, *apdu};
}
} // namespace

bool parseGatewayRow(const QString &text, GatewayRow *row)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const int index = text.mid(colon + 1).toInt(&ok);
    if (colon < 0 || !ok || index < 0)
        return false;
    for (TelegramTable table : telegramTables) {
        if (text.left(colon).compare(QLatin1String(tableName(table)), Qt::CaseInsensitive) == 0) {
            *row = {table, index};
            return true;
        }
    }
    return false;
}

QString tableRowText(const GatewayRow &row)
{
    return QStringLiteral("%1 row %2").arg(QLatin1String(tableName(row.table))).arg(row.row);
}

QString describeRowFaults(const RowFaults &faults)
{
    QStringList parts;
    for (const GatewayRow &row : faults.misrouted)
        parts << QStringLiteral("misroute ") + tableRowText(row);
    for (const GatewayRow &row : faults.wrongValues)
        parts << QStringLiteral("wrong value ") + tableRowText(row);
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}

std::optional<quint16> WorkingRules::addressOf(const QString &text, GatewayRow row) const
{
    std::optional<quint16> address = busGroupAddress(text);
    if (address && rowFaults.misrouted.contains(row))
        address = quint16((*address & 0xFF00) | ((*address + 1) & 0xFF));
    return address;
}

uint WorkingRules::valueOf(uint value, int bits, GatewayRow row) const
{
    if (!rowFaults.wrongValues.contains(row))
        return value;
    return bits == 0 ? value + 1 : (value + 1) & ((1u << bits) - 1);
}

RowAction WorkingRules::sendOf(const Tele485ToKnxW &record, int row) const
{
    const GatewayRow where{TelegramTable::Tele485ToKnxW, row};
    RowAction action;
    action.row = tableRowText(where);
    action.line = bytesOf(record.ack);
    const std::optional<BusService> service = serviceOfType(type485ToKnxTexts(), record.ntype);
    if (!service) {
        action.busText = QStringLiteral("no KNX telegram: type %1 unknown").arg(record.ntype);
        return action;
    }
    const uint value = valueOf(record.value.toUInt(), busValueBits(record.length), where);
    action.bus = groupTelegram(*service, addressOf(record.addr, where), record.length, value,
                               &action.busText);
    return action;
}

RowAction WorkingRules::stepOf(const Tele1Byte &record, int row, int direction)
{
    const GatewayRow where{TelegramTable::Tele1Byte, row};
    const int lowest = record.min.toInt();
    const int highest = std::max(lowest, record.max.toInt());
    const int value =
        std::clamp(steps.value(row, lowest) + direction * record.interval.toInt(), lowest, highest);
    steps.insert(row, value);
    RowAction action;
    action.row =
        tableRowText(where) + (direction > 0 ? QStringLiteral(" (+)") : QStringLiteral(" (-)"));
    action.line = bytesOf(direction > 0 ? record.ack_p : record.ack_n);
    action.bus = groupTelegram(BusService::Write, addressOf(record.addr, where),
                               lengthTexts().at(OneByteItem), valueOf(uint(value), ByteBits, where),
                               &action.busText);
    return action;
}

QList<RowAction> WorkingRules::lineTelegram(const TelegramTables &tables,
                                            const QByteArray &telegram)
{
    QList<RowAction> actions;
    for (int row = 0; row < tables.rows485ToKnxW.size(); ++row) {
        if (bytesOf(tables.rows485ToKnxW.at(row).telegram) == telegram)
            actions << sendOf(tables.rows485ToKnxW.at(row), row);
    }
    for (int row = 0; row < tables.rows1Byte.size(); ++row) {
        const Tele1Byte &record = tables.rows1Byte.at(row);
        if (bytesOf(record.telegram_p) == telegram)
            actions << stepOf(record, row, +1);
        else if (bytesOf(record.telegram_n) == telegram)
            actions << stepOf(record, row, -1);
    }
    return actions;
}

QList<RowAction> WorkingRules::busTelegram(const TelegramTables &tables,
                                           const BusTelegram &telegram) const
{
    QList<RowAction> actions;
    const std::optional<BusService> service = busServiceOf(telegram.apdu);
    for (int row = 0; service && row < tables.rowsKnxTo485W.size(); ++row) {
        const TeleKnxTo485W &record = tables.rowsKnxTo485W.at(row);
        const GatewayRow where{TelegramTable::TeleKnxTo485W, row};
        if (serviceOfType(typeKnxTo485Texts(), record.ntype) != service ||
            addressOf(record.addr, where) != telegram.group)
            continue;
        if (*service != BusService::Read &&
            busValueOf(telegram.apdu, record.length) !=
                valueOf(record.value.toUInt(), busValueBits(record.length), where))
            continue;
        RowAction action;
        action.row = tableRowText(where);
        action.line = bytesOf(record.telegram);
        actions << action;
    }
    return actions;
}
