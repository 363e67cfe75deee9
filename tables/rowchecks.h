#pragma once

#include "telegramtables.h"

#include <QString>
#include <QStringList>

#include <optional>

// The editors' checks on whole rows of cell texts, for rows that come from
// elsewhere than an editor: a file, a spreadsheet, a download's copy.

// The first cell of a row that its editor would refuse, and why (translated).
struct CellFault
{
    int column = 0;
    QString reason;
};

// A row typed as cell texts, checked cell by cell in column order as its
// editor checks what is typed into it, and normalised as the editor stores
// it: telegrams may separate their bytes with hyphens, addresses their
// numbers with points; types, lengths and baud rates must be items of their
// lists; a value must be a decimal number in the range its length allows, or
// is dropped for a "read" row; minimum and maximum run from 0 to 255, the
// interval from 1 to 255. Letters of telegrams and acknowledgements keep their
// case as the editors keep it, or are made upper case.
struct RowCheck
{
    QStringList cells; // normalised; empty when there is a fault
    std::optional<CellFault> fault;
};
enum class HexLetters { AsTyped, UpperCase };
RowCheck checkRow(TelegramTable table, const QStringList &typed,
                  HexLetters letters = HexLetters::AsTyped);

// A stored row's first cell that a download cannot send as meant: a cell its
// editor would refuse, or a telegram or address not in the form a table keeps.
std::optional<CellFault> storedRowFault(TelegramTable table, const QStringList &cells);

struct TableRowFault
{
    TelegramTable table;
    int row; // from 0
    CellFault fault;
};
// The first faulty row of the tables, in download order.
std::optional<TableRowFault> firstRowFault(const TelegramTables &tables);
