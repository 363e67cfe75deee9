#include "telegramtables.h"

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
