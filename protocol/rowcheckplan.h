#pragma once

#include "checkresults.h"
#include "grouptelegram.h"
#include "telegramtables.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What the check of one row sends and what must come back, in working mode:
// a 485-to-KNX row's telegram must bring its group telegram (and its
// acknowledgement, if any); a 1-byte row's (+) and (-) telegrams each a 1-byte
// write within [min, max], the (-) value below the (+) value or both at a
// bound; a KNX-to-485 row's group telegram must bring its telegram on the
// line, at the row's baud rate.
struct RowCheckPlan
{
    enum class Kind { LineToBus, OneByte, BusToLine, Skipped };

    TableRow where;
    QString name;
    QString rowText; // checkedRowText() of the row
    Kind kind = Kind::Skipped;
    QString skipReason; // why the row cannot be checked, translated

    QByteArray telegram; // put on the line; a 1-byte row's (+) telegram
    QByteArray ack;      // awaited on the line after it, if any
    QByteArray telegramMinus;
    QByteArray ackMinus;
    // Awaited on the bus (LineToBus, OneByte: the address, service and, for a
    // write, the value; a 1-byte row's value is any in [minimum, maximum]) or
    // sent to it (BusToLine).
    GroupTelegram group;
    uint minimum = 0;
    uint maximum = 0;
    QByteArray lineTelegram; // BusToLine: awaited on the line
    qint32 baudRate = 0;     // BusToLine: the line's speed for the check
};

// The checks of the rows given, or of every row when none are given, in
// table order.
QList<RowCheckPlan> rowCheckPlans(const TelegramTables &tables, const QList<TableRow> &rows = {});
