#pragma once

#include "telegramrecords.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

// The gateway's reading of the download's row frames: each frame back into
// the cell texts of its table row, plus what a frame carries that no cell
// holds. The name column never goes to the gateway and stays empty.
//
// The cell texts:
// - type, length and baud rate: the item text of the index in its list
//   (tables/itemtexts.h); an index outside the list gives "#" and the number,
//   for example "#255" for a length the tool could not match;
// - value: the decimal number, or the empty text when the type byte is 1
//   ("read"), as the table holds it for a read row;
// - min, max and interval: decimal numbers;
// - group address: "main/middle/sub" in decimal;
// - telegrams and acknowledgements: the bytes of the block in upper-case
//   hexadecimal, a space between bytes, "01 0A FF"; a count of 0 gives the
//   empty text.
//
// A frame is malformed, and nothing is returned, when any part of it does not
// fit its layout: a size, start, LEN, command or end byte other than its
// kind's (the checksum is the frame parser's), a count above its block (64
// telegram, 32 acknowledgement slots), a slot after the count holding another
// byte than the block's filler, a telegram sum other than the sum of the
// block's bytes, a value other than 0 in a read row, or a 1-byte row whose
// byte 4 is not 00. Nothing is read outside the frame.

template <typename Record> struct DecodedRow
{
    // The row index as the frame carries it: in a 1-byte row only its low 8 bits.
    int row = 0;
    // The telegram sums in frame order: the telegram's in a 485-to-KNX row,
    // the plus and the minus telegram's in a 1-byte row, none in a KNX-to-485
    // row. Each equals the sum of its block's bytes.
    QList<quint16> telegramSums;
    Record record;
};

using AnyDecodedRow =
    std::variant<DecodedRow<Tele485ToKnxW>, DecodedRow<Tele1Byte>, DecodedRow<TeleKnxTo485W>>;

// Each takes a whole frame, 55 0C ... 0D; on a malformed one it returns
// nothing and says why in `error`.
std::optional<DecodedRow<Tele485ToKnxW>> decodeRow485ToKnxW(const QByteArray &frame,
                                                            QString *error);
std::optional<DecodedRow<Tele1Byte>> decodeRow1Byte(const QByteArray &frame, QString *error);
std::optional<DecodedRow<TeleKnxTo485W>> decodeRowKnxTo485W(const QByteArray &frame,
                                                            QString *error);

// A row frame of any of the three kinds, by its command byte.
std::optional<AnyDecodedRow> decodeRowFrame(const QByteArray &frame, QString *error);
