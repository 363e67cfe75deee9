#pragma once

#include "telegramrecords.h"

#include <QList>
#include <QStringList>

#include <optional>

// The three telegram tables, in the window's order.
enum class TelegramTable { Tele485ToKnxW, Tele1Byte, TeleKnxTo485W };

inline constexpr TelegramTable telegramTables[] = {
    TelegramTable::Tele485ToKnxW, TelegramTable::Tele1Byte, TelegramTable::TeleKnxTo485W};

// The most rows a table of the window and of the gateway holds.
int mostRows(TelegramTable table);

// The rows of the three tables, each a record of its table's kind: what the
// window's tables hold, a project file keeps and a download sends.
struct TelegramTables
{
    QList<Tele485ToKnxW> rows485ToKnxW;
    QList<Tele1Byte> rows1Byte;
    QList<TeleKnxTo485W> rowsKnxTo485W;

    int rowCount(TelegramTable table) const;
    // The cell texts of every row of the table, column 0 first.
    QList<QStringList> cells(TelegramTable table) const;
    // Makes the table hold the records of these cell texts.
    void setCells(TelegramTable table, const QList<QStringList> &rows);
    // The first table holding more rows than mostRows(), if any.
    std::optional<TelegramTable> oversizedTable() const;
};

// The columns of a row's group address and length cells.
int addressColumn(TelegramTable table);
int lengthColumn(TelegramTable table);
// The column of a row's value; -1 for a 1-byte row, which has none.
int valueColumn(TelegramTable table);

// The cell texts of each record, column 0 first.
template <typename Record> QList<QStringList> cellsOfRecords(const QList<Record> &records)
{
    QList<QStringList> rows;
    rows.reserve(records.size());
    for (const Record &record : records)
        rows << cellsOf(record);
    return rows;
}

// The records of rows of cell texts.
template <typename Record> QList<Record> recordsFromCells(const QList<QStringList> &rows)
{
    QList<Record> records;
    records.reserve(rows.size());
    for (const QStringList &cells : rows)
        records << recordFromCells<Record>(cells);
    return records;
}
