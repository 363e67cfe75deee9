#pragma once

#include "project.h"
#include "telegramtables.h"

#include <QList>
#include <QString>

#include <optional>

// The layout of the three telegram tables, the address book and the site
// details of a project file, shared by the writer and the reader.

// How one cell of a record is kept in the file.
enum class StoredCell {
    Text,   // its text, read back as a text
    Number, // its text, read back as a whole number in the int range
    Value,  // a number, or empty in a "read" row: read back as "0" there
    Absent, // not stored: the length of a 1-byte record, read back as "1 byte"
};

// Column 0 of a table is the id that SQLite assigns; the stored cells of the
// record follow in column order.
struct TableFormat
{
    QString name;
    QString createStatement;
    QString insertStatement;
    const char *insertFailure; // debug line of a failed insert
    QList<StoredCell> cells;   // one per record column
    int typeColumn = -1;       // the record column of the row's type, if it has one
};

const TableFormat &telegramTableFormat(TelegramTable table);

// The address book, one row per entry, every cell a text. Files written
// before it have no such table.
const TableFormat &groupAddressTableFormat();

// The site details, one row of four texts. Files written before it have no
// such table.
const TableFormat &siteTableFormat();
QStringList siteCells(const SiteDetails &site);
// The details of a row's cells; missing cells are empty.
SiteDetails siteOfCells(const QStringList &cells);

// The commissioning check's results, one row each: the table's name in the
// file, the row from 0, the time, "passed", "failed" or "skipped", the words,
// the row's cells when checked and the reaction time in ms. Files written
// before it have no such table.
const TableFormat &checkResultTableFormat();
QStringList checkResultCells(const RowCheckResult &result);
// The result of a row's cells; nothing for cells that name no table, row,
// time or outcome.
std::optional<RowCheckResult> checkResultOfCells(const QStringList &cells);

// The length text of every 1-byte record.
QString oneByteLength();
