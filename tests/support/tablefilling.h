#pragma once

#include "downloadframes.h"
#include "windowundertest.h"

#include <type_traits>

// Sets the panel widget of each column of the page, named
// <class>_<page>_<field> after the fields, to the cell's text and presses
// Add, as a user would.
void addCells(WindowUnderTest &w, const QString &page, const QString &fields,
              const QStringList &cells);

// Adds the record through its page's panel; it must pass the page's check.
template <typename Record> void addRecord(WindowUnderTest &w, const Record &record)
{
    if constexpr (std::is_same_v<Record, Tele485ToKnxW>)
        addCells(w, "485toknx_w", "name telegram ack type addr length value", cellsOf(record));
    else if constexpr (std::is_same_v<Record, Tele1Byte>)
        addCells(w, "1byte", "name telegram1 ack1 telegram2 ack2 addr length min max interval",
                 cellsOf(record));
    else
        addCells(w, "knxto485_w", "name type baudrate addr length value telegram", cellsOf(record));
}

// Adds every row of the tables through the panels.
void fillTables(WindowUnderTest &w, const TelegramTables &tables);
