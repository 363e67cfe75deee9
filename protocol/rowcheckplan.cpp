#include "rowcheckplan.h"

#include "byteforms.h"
#include "groupsendrequest.h"
#include "itemtexts.h"
#include "knxaddresses.h"

#include <QCoreApplication>

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

GroupService serviceOf(const QString &type)
{
    if (type == QLatin1String("read"))
        return GroupService::Read;
    return type == QLatin1String("response") ? GroupService::Response : GroupService::Write;
}

// The row's group telegram: its address, service and value in its length.
bool setGroup(RowCheckPlan &check, const QString &address, const QString &type,
              const QString &length, const QString &value)
{
    const std::optional<quint16> destination = parseGroupAddress(address);
    if (!destination)
        return false;
    check.group.destination = *destination;
    check.group.service = serviceOf(type);
    if (check.group.service == GroupService::Read)
        return true;
    bool ok = false;
    const std::optional<GroupData> data = groupDataOfLength(length, value.toUInt(&ok));
    if (!ok || !data)
        return false;
    check.group.data = data->data;
    check.group.shortData = data->shortData;
    return true;
}

RowCheckPlan skipped(RowCheckPlan check, const QString &reason)
{
    check.kind = RowCheckPlan::Kind::Skipped;
    check.skipReason = reason;
    return check;
}

RowCheckPlan lineToBus(TableRow where, const Tele485ToKnxW &row)
{
    RowCheckPlan check;
    check.where = where;
    check.name = row.name;
    check.kind = RowCheckPlan::Kind::LineToBus;
    check.telegram = telegramBytes(row.telegram);
    check.ack = telegramBytes(row.ack);
    if (check.telegram.isEmpty() || !setGroup(check, row.addr, row.ntype, row.length, row.value))
        return skipped(check, Text::tr("its telegram, address or value cannot be sent"));
    return check;
}

RowCheckPlan oneByte(TableRow where, const Tele1Byte &row)
{
    RowCheckPlan check;
    check.where = where;
    check.name = row.name;
    check.kind = RowCheckPlan::Kind::OneByte;
    check.telegram = telegramBytes(row.telegram_p);
    check.ack = telegramBytes(row.ack_p);
    check.telegramMinus = telegramBytes(row.telegram_n);
    check.ackMinus = telegramBytes(row.ack_n);
    check.minimum = row.min.toUInt();
    check.maximum = row.max.toUInt();
    if (check.telegram.isEmpty() || check.telegramMinus.isEmpty() ||
        !setGroup(check, row.addr, QStringLiteral("write"), row.length, QStringLiteral("0")))
        return skipped(check, Text::tr("its telegrams or address cannot be sent"));
    return check;
}

RowCheckPlan busToLine(TableRow where, const TeleKnxTo485W &row)
{
    RowCheckPlan check;
    check.where = where;
    check.name = row.name;
    check.kind = RowCheckPlan::Kind::BusToLine;
    check.lineTelegram = telegramBytes(row.telegram);
    check.baudRate = baudRateTexts().contains(row.baudrate) ? row.baudrate.toInt() : 0;
    if (row.ntype != QLatin1String("read") && row.value.isEmpty())
        return skipped(check, Text::tr("it has no value to send"));
    if (check.lineTelegram.isEmpty() || check.baudRate == 0 ||
        !setGroup(check, row.addr, row.ntype, row.length, row.value))
        return skipped(check, Text::tr("its address, value or baud rate cannot be used"));
    return check;
}

RowCheckPlan checkOf(const TelegramTables &tables, TableRow where)
{
    switch (where.table) {
    case TelegramTable::Tele485ToKnxW:
        return lineToBus(where, tables.rows485ToKnxW.at(where.row));
    case TelegramTable::Tele1Byte:
        return oneByte(where, tables.rows1Byte.at(where.row));
    case TelegramTable::TeleKnxTo485W:
        break;
    }
    return busToLine(where, tables.rowsKnxTo485W.at(where.row));
}
} // namespace

QList<RowCheckPlan> rowCheckPlans(const TelegramTables &tables, const QList<TableRow> &rows)
{
    QList<TableRow> wanted = rows;
    if (wanted.isEmpty()) {
        for (const TelegramTable table : telegramTables) {
            for (int row = 0; row < tables.rowCount(table); ++row)
                wanted << TableRow{table, row};
        }
    }
    QList<RowCheckPlan> checks;
    for (const TableRow where : wanted) {
        if (where.row < 0 || where.row >= tables.rowCount(where.table))
            continue;
        RowCheckPlan check = checkOf(tables, where);
        check.rowText = checkedRowText(tables, where);
        checks << check;
    }
    return checks;
}
