#pragma once

#include "checkresults.h"
#include "telegramtables.h"

#include <QList>
#include <QString>

// The rows a check is given on the command line: "485-to-KNX:1-20,KNX-to-485:3".

// "485-to-KNX", "1-byte", "KNX-to-485": a table as --rows and the check's
// report name it.
QString tableArgument(TelegramTable table);

// The rows of TABLE:ROWS items separated by commas, ROWS a row counted from 1
// or a range (1-20); an item without a table goes on with the table before.
// Each row once, in table order. Tables are named in any case.
struct RowSelection
{
    QList<TableRow> rows;
    QString error; // what is wrong with the text; empty when read
};
RowSelection parseRowSelection(const QString &text);

// Why the rows do not all lie in the tables, the first one outside named;
// empty when they do.
QString rowsOutsideTables(const QList<TableRow> &rows, const TelegramTables &tables);
