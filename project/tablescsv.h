#pragma once

#include "telegramtables.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The telegram tables as spreadsheet files: one CSV file per table, its first
// line the English column titles of the window's table, then one line per row.

// "485-to-knx.csv", "485-to-knx-1byte.csv", "knx-to-485.csv"
QString tableCsvFileName(TelegramTable table);

// The header, then the cells as the table shows them (see csvText).
QByteArray tableCsv(const TelegramTables &tables, TelegramTable table);

// Writes the three files into the folder, replacing files of the same names;
// gives the path of a file that could not be written.
std::optional<QString> writeTableFiles(const TelegramTables &tables, const QString &folder);

// A line that cannot be taken, and why.
struct CsvFault
{
    int line = 0;    // from 1; 0 for the file as a whole
    int column = -1; // from 0; -1 for the line as a whole
    QString reason;  // translated
};

// One file read. Its header names the table, with any of the separators and
// line ends csvRecords() reads, trailing empty fields and empty lines left
// out. Each row passes its editor's checks and normalisations (see
// checkRow()), telegrams made upper case. Any fault leaves no rows.
struct TableCsv
{
    QString file; // the file's name, for the user
    std::optional<TelegramTable> table;
    QList<QStringList> rows;
    QList<CsvFault> faults;
};
TableCsv readTableCsv(const QByteArray &text);

// The files read; a file that cannot be read, one larger than 16 MiB and a
// second file of the same table are faults too.
QList<TableCsv> readTableFiles(const QStringList &paths);

// Every fault of the files, one line of text each: file, line, column, reason.
QStringList faultLines(const QList<TableCsv> &files);

// The tables with the rows of the files instead of, or after, their own.
enum class ImportMode { Replace, Append };
TelegramTables withImported(TelegramTables tables, const QList<TableCsv> &files, ImportMode mode);
