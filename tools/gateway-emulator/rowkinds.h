#pragma once

#include "telegramrecords.h"

#include <QString>
#include <QStringList>

#include <array>

// What the gateway keeps of each kind of row, for its log and for comparing
// tables: the kind's name and the cells a frame carries (every one but the
// name), in frame order.

enum class CellForm {
    Text,  // compared as text
    Bytes, // a telegram or acknowledgement, compared as the bytes it stands for
    Value, // compared as text where the row carries it: a read row sends none
};

template <typename Record> struct StoredCell
{
    QString Record::*field;
    const char *label;
    CellForm form;
};

template <typename Record> struct RowKind;

template <> struct RowKind<Tele485ToKnxW>
{
    static constexpr const char *name = "485-to-KNX";
    static const std::array<StoredCell<Tele485ToKnxW>, 6> cells;
};

template <> struct RowKind<Tele1Byte>
{
    static constexpr const char *name = "1-byte";
    static const std::array<StoredCell<Tele1Byte>, 9> cells;
};

template <> struct RowKind<TeleKnxTo485W>
{
    static constexpr const char *name = "KNX-to-485";
    static const std::array<StoredCell<TeleKnxTo485W>, 6> cells;
};

// "type write, addr 1/2/3, length 1 byte, value 200, telegram 01 02 03, ack (none)"
template <typename Record> QString describeStoredCells(const Record &record)
{
    QStringList parts;
    for (const StoredCell<Record> &cell : RowKind<Record>::cells) {
        const QString &text = record.*cell.field;
        parts << QStringLiteral("%1 %2").arg(QLatin1String(cell.label),
                                             text.isEmpty() ? QStringLiteral("(none)") : text);
    }
    return parts.join(QStringLiteral(", "));
}
