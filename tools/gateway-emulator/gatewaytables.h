#pragma once

#include "downloadframes.h"
#include "rowdecoding.h"

#include <QMap>

#include <optional>
#include <tuple>

// The row counts a table-size frame announces.
struct TableSizes
{
    int rows485ToKnxW = 0;
    int rows1Byte = 0;
    int rowsKnxTo485W = 0;
};

// The telegram tables the gateway holds. A table-size frame announces the
// three row counts and forgets the rows held; each row frame then stores its
// decoded row at its row index, below its table's announced count.
//
// A 1-byte row frame carries only the low 8 bits of its row index. Such a row
// goes to the first index below the count with those low bits that holds no
// row yet, so that rows sent in order land at their own index even beyond 255;
// with 256 rows or fewer this is the row index itself. When every such index
// holds a row, the last of them is replaced.
class GatewayTables
{
public:
    void announce(const TableSizes &sizes);
    // Whether a table-size frame has been taken.
    bool announced() const { return wasAnnounced; }
    TableSizes sizes() const { return announcedSizes; }

    // The index the row goes to; nothing when it lies outside the announced rows.
    std::optional<int> placeOf(const AnyDecodedRow &row) const;
    // Stores the row at placeOf() and returns that index.
    std::optional<int> store(const AnyDecodedRow &row);

    // The announced rows of each table; a row not received yet is empty.
    TelegramTables tables() const;
    int rowsStored() const;
    // A table-size frame has been taken and every row it announced stored.
    bool complete() const;

private:
    template <typename Record> int sizeOf() const;
    template <typename Record> std::optional<int> placeOfRow(const DecodedRow<Record> &row) const;
    template <typename Record> QList<Record> tableOf() const;

    TableSizes announcedSizes;
    bool wasAnnounced = false;
    // The rows stored, by row index.
    std::tuple<QMap<int, Tele485ToKnxW>, QMap<int, Tele1Byte>, QMap<int, TeleKnxTo485W>> rows;
};

// "2 + 0 + 1"
QString describeTableSizes(const TableSizes &sizes);
// "485-to-KNX row 3: type write, addr 1/2/3, ..."
QString describeRow(const AnyDecodedRow &row, int index);
