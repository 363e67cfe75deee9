#pragma once

#include "tablescsv.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The telegram tables as one .xlsx workbook: a sheet per table named by its
// English title, its first row the English column titles as the CSV header
// has them, then one row per table row; every cell is text, so that a
// spreadsheet program keeps 1/3/1 and 01 as they are.

// "telegram-tables.xlsx"
QString tablesXlsxFileName();

// "485 to KNX", "485 to KNX(1 Byte)", "KNX to 485"
QString tableSheetName(TelegramTable table);

// Writes the workbook, replacing a file of the path; gives the reason
// (translated) when it cannot.
std::optional<QString> writeTablesXlsx(const TelegramTables &tables, const QString &path);

// The tables of a workbook: one table file for each sheet whose first row
// with text is a table's header, read as readTableCsv() reads a file, its
// lines the sheet's row numbers. Cells are placed by their references; text
// cells (shared, inline, rich text) give their text, number cells the number
// as typed (1, not 1.0), date cells the date (2001-03-01). A sheet named after
// a table whose first row is no header is a fault; other sheets are left out.
// A file that is no workbook, a damaged one, one larger than 16 MiB or whose
// parts unpack to too much, and one without a sheet of a table give one file
// of that fault. Two sheets of one table are refused by readTableFiles().
QList<TableFile> readTablesXlsx(const QByteArray &bytes);
