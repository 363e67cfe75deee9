#pragma once

#include "csvtext.h"
#include "telegramtables.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The telegram tables as spreadsheet files: one CSV file per table, its first
// line the English column titles of the window's table, then one line per row.
// The table files of a workbook (tablesxlsx.h) are read by the same rules.

// "485-to-knx.csv", "485-to-knx-1byte.csv", "knx-to-485.csv"
QString tableCsvFileName(TelegramTable table);

// The header, then the cells as the table shows them (see csvText).
QByteArray tableCsv(const TelegramTables &tables, TelegramTable table);

// Writes the three files into the folder, replacing files of the same names;
// gives the path of a file that could not be written.
std::optional<QString> writeTableFiles(const TelegramTables &tables, const QString &folder);

// A line that cannot be taken, and why.
struct TableFault
{
    int line = 0;    // from 1 (a sheet's row number); 0 for the file as a whole
    int column = -1; // from 0; -1 for the line as a whole
    QString reason;  // translated
};

// One table read from a CSV file or a workbook's sheet. Its header names the
// table, with any of the separators and line ends csvRecords() reads,
// trailing empty fields and empty lines left out. Each row passes its
// editor's checks and normalisations (see checkRow()), telegrams made upper
// case. Any fault leaves no rows.
struct TableFile
{
    QString file;  // the file's name, for the user
    QString sheet; // the workbook's sheet; empty for a CSV file
    int headerLine = 1;
    std::optional<TelegramTable> table;
    QList<QStringList> rows;
    QList<TableFault> faults;
};
using CsvFault = TableFault;
using TableCsv = TableFile;

TableFile readTableCsv(const QByteArray &text);

// The files read, CSV files and workbooks (by the name's .xlsx or the
// content); a file that cannot be read, one larger than 16 MiB and a second
// file or sheet of the same table are faults too.
QList<TableFile> readTableFiles(const QStringList &paths);

// Every fault of the files, one line of text each: file, sheet, line, column, reason.
QStringList faultLines(const QList<TableFile> &files);

// The tables with the rows of the files instead of, or after, their own.
enum class ImportMode { Replace, Append };
TelegramTables withImported(TelegramTables tables, const QList<TableFile> &files, ImportMode mode);

// For the readers of table files.

// The table whose English column titles the cells are, in any letter case,
// trailing empty cells left out; "Type" stands for the title "Tyte".
std::optional<TelegramTable> tableOfHeader(const QStringList &cells);
// The header lines of the three tables, named, for a fault's reason.
QString expectedHeaders();
// Takes a record after the header: its checked row, or its fault. A record
// without text is left out.
void takeRecord(TableFile &file, const CsvRecord &record);
