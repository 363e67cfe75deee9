#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The three kinds of telegram record. A record is one table row; every field
// is the text its cell holds, and `columns` lists the fields in column order.

// An RS485 telegram that makes the gateway send a KNX group telegram.
struct Tele485ToKnxW
{
    QString name;
    QString telegram; // hex telegram text, 1 to 64 bytes
    QString ack;      // hex telegram text, 1 to 32 bytes, or empty
    QString ntype;    // "write" or "read"
    QString addr;     // group address text
    QString length;   // length item text
    QString value;    // decimal text; empty for "read"

    static constexpr int mostRows = 512;
    static const std::array<QString Tele485ToKnxW::*, 7> columns;
};

// Two RS485 telegrams that step a 1-byte KNX value up (+) and down (-).
struct Tele1Byte
{
    QString name;
    QString telegram_p;
    QString ack_p;
    QString telegram_n;
    QString ack_n;
    QString addr;
    QString length; // "1 byte"
    QString min;    // decimal texts
    QString max;
    QString interval;

    static constexpr int mostRows = 256;
    static const std::array<QString Tele1Byte::*, 10> columns;
};

// A KNX group telegram that makes the gateway send an RS485 telegram.
struct TeleKnxTo485W
{
    QString name;
    QString ntype;    // "write", "read" or "response"
    QString baudrate; // baud-rate item text
    QString addr;
    QString length;
    QString value; // decimal text; empty for "read"
    QString telegram;

    static constexpr int mostRows = 512;
    static const std::array<QString TeleKnxTo485W::*, 7> columns;
};

// The cell texts of a record, column 0 first.
template <typename Record> QStringList cellsOf(const Record &record)
{
    QStringList cells;
    for (QString Record::*field : Record::columns)
        cells << record.*field;
    return cells;
}

// The record of a row's cell texts; a missing cell gives an empty field.
template <typename Record> Record recordFromCells(const QStringList &cells)
{
    Record record;
    for (int column = 0; column < int(Record::columns.size()); ++column)
        record.*Record::columns[column] = cells.value(column);
    return record;
}
