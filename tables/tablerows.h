#pragma once

#include "telegramrecords.h"

#include <QList>
#include <QTableWidget>

// The cell texts of a table row, column 0 first; a cell without an item
// gives the empty text.
inline QStringList rowCells(const QTableWidget *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem *item = table->item(row, column);
        cells << (item ? item->text() : QString());
    }
    return cells;
}

// Every row of a table as a record of its kind.
template <typename Record> QList<Record> tableRecords(const QTableWidget *table)
{
    QList<Record> records;
    records.reserve(table->rowCount());
    for (int row = 0; row < table->rowCount(); ++row)
        records << recordFromCells<Record>(rowCells(table, row));
    return records;
}
