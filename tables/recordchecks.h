#pragma once

#include "telegramrecords.h"

#include <optional>

// The checks a record passes before it enters a table, and the value range
// that a length item allows.

struct ValueRange
{
    int minimum = 0;
    int maximum = 1;
};

// 0 to 2^bits - 1 for the length item of the index; 0 to 1 for an index
// outside 0 to 5 (no item selected).
ValueRange valueRangeOfLength(int lengthIndex);

// A complete telegram of at most 64 bytes, or acknowledgement of at most 32,
// in the field's form; gives the cell form (hyphens turned into spaces).
std::optional<QString> normalisedTelegram(const QString &typed);
std::optional<QString> normalisedAck(const QString &typed);
// A complete group address other than 0/0/0 in the field's form; gives the
// cell form (points turned into slashes).
std::optional<QString> normalisedGroupAddress(const QString &typed);

// The record checks. `typed` holds the editing panel in cell form: the field
// texts as typed, each selection as its item text, each number as a decimal
// text. The result is the normalised record, or nothing when the panel holds
// no well-formed record: an empty telegram or address, an incomplete or
// malformed telegram, acknowledgement or address, the address 0/0/0, or a
// type, length or baud rate that is no item of its list. A "read" record
// carries an empty value.
std::optional<Tele485ToKnxW> checkRecord(const Tele485ToKnxW &typed);
std::optional<Tele1Byte> checkRecord(const Tele1Byte &typed);
std::optional<TeleKnxTo485W> checkRecord(const TeleKnxTo485W &typed);

// The record check on cell texts, column 0 first.
template <typename Record> std::optional<QStringList> checkedCells(const QStringList &typed)
{
    const std::optional<Record> record = checkRecord(recordFromCells<Record>(typed));
    if (!record)
        return std::nullopt;
    return cellsOf(*record);
}
