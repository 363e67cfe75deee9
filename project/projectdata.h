#pragma once

#include "telegramrecords.h"

#include <QList>
#include <QStringList>

// The content of a project file as an import reads it. The record fields
// that the file keeps as numbers (value, min, max, interval) hold the decimal
// text of the int read; a 1-byte record's length is "1 byte".
struct ProjectData
{
    // "Serial Options" item indexes
    int baud_rate = 0;
    int stop_bit = 0;
    int parity = 0;
    // The numbers of rows the file claims for its three telegram tables.
    int num_485_to_knx_w = 0;
    int num_1byte = 0;
    int num_knx_to_485_w = 0;

    QList<Tele485ToKnxW> list_485_to_knx_w;
    QList<Tele1Byte> list_1byte;
    QList<TeleKnxTo485W> list_knx_to_485_w;
};

// The rows an import shows in a table, as cell texts: every record read when
// their number is the count the file claims, none otherwise.
template <typename Record> QList<QStringList> shownRows(int count, const QList<Record> &records)
{
    QList<QStringList> rows;
    if (count != records.size())
        return rows;
    rows.reserve(records.size());
    for (const Record &record : records)
        rows << cellsOf(record);
    return rows;
}
