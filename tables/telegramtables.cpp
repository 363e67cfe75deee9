#include "telegramtables.h"

#include <algorithm>

namespace {
template <typename Record> int columnOf(QString Record::*field)
{
    const auto &columns = Record::columns;
    return int(std::find(columns.begin(), columns.end(), field) - columns.begin());
}

// The column of the field of the table's kind of record.
int columnOf(TelegramTable table, QString Tele485ToKnxW::*field485ToKnxW,
             QString Tele1Byte::*field1Byte, QString TeleKnxTo485W::*fieldKnxTo485W)
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        return columnOf(field485ToKnxW);
    case TelegramTable::Tele1Byte:
        return columnOf(field1Byte);
    case TelegramTable::TeleKnxTo485W:
        return columnOf(fieldKnxTo485W);
    }
    Q_UNREACHABLE();
}
} // namespace

int mostRows(TelegramTable table)
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        return Tele485ToKnxW::mostRows;
    case TelegramTable::Tele1Byte:
        return Tele1Byte::mostRows;
    case TelegramTable::TeleKnxTo485W:
        return TeleKnxTo485W::mostRows;
    }
    Q_UNREACHABLE();
}

int TelegramTables::rowCount(TelegramTable table) const
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        return int(rows485ToKnxW.size());
    case TelegramTable::Tele1Byte:
        return int(rows1Byte.size());
    case TelegramTable::TeleKnxTo485W:
        return int(rowsKnxTo485W.size());
    }
    Q_UNREACHABLE();
}

QList<QStringList> TelegramTables::cells(TelegramTable table) const
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        return cellsOfRecords(rows485ToKnxW);
    case TelegramTable::Tele1Byte:
        return cellsOfRecords(rows1Byte);
    case TelegramTable::TeleKnxTo485W:
        return cellsOfRecords(rowsKnxTo485W);
    }
    Q_UNREACHABLE();
}

void TelegramTables::setCells(TelegramTable table, const QList<QStringList> &rows)
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        rows485ToKnxW = recordsFromCells<Tele485ToKnxW>(rows);
        break;
    case TelegramTable::Tele1Byte:
        rows1Byte = recordsFromCells<Tele1Byte>(rows);
        break;
    case TelegramTable::TeleKnxTo485W:
        rowsKnxTo485W = recordsFromCells<TeleKnxTo485W>(rows);
        break;
    }
}

std::optional<TelegramTable> TelegramTables::oversizedTable() const
{
    for (const TelegramTable table : telegramTables)
        if (rowCount(table) > mostRows(table))
            return table;
    return std::nullopt;
}

int addressColumn(TelegramTable table)
{
    return columnOf(table, &Tele485ToKnxW::addr, &Tele1Byte::addr, &TeleKnxTo485W::addr);
}

int lengthColumn(TelegramTable table)
{
    return columnOf(table, &Tele485ToKnxW::length, &Tele1Byte::length, &TeleKnxTo485W::length);
}

int valueColumn(TelegramTable table)
{
    if (table == TelegramTable::Tele1Byte)
        return -1;
    return columnOf(table, &Tele485ToKnxW::value, &Tele1Byte::min, &TeleKnxTo485W::value);
}
