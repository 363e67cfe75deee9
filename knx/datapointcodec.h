#pragma once

#include "datapointid.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Group values in a datapoint type's terms, as texts a user reads and types.
//
// The data form: a type of at most 6 bits (1.x, 2.x, 3.x) travels in the low
// 6 bits of the APCI byte ("short" data) and is one byte here, the value in
// its low bits; decoding reads only the type's bits, so the APCI byte's low
// part may be given whole. Every other type is the bytes that follow the APCI,
// most significant first. A type the tool does not know is its bytes in
// hexadecimal ("0C 1A").
//
// Known: 1.x, 2.x, 3.x, 5.x, 6.x, 7.x, 8.x, 9.x, 12.x, 13.x, 14.x, 16.x,
// 17.001, 18.001, 20.x (20.102 by name), 232.600.

// Whether the type's value travels in the low 6 bits of the APCI byte.
bool isShortDatapoint(DatapointType type);
// The bytes of a value: 1 for a short type; 0 for an unknown type (any number).
int datapointSize(DatapointType type);
// The value bits: 1, 2 or 4 for a short type, 8 per byte otherwise, 0 when unknown.
int datapointBits(DatapointType type);

// The text of a value with its unit ("21.0 °C", "On", "45 %"), translated;
// nothing when the bytes are no value of the type (wrong size, a reserved
// code, a byte an ASCII text cannot hold). Exact: the text encodes to the
// same bytes, but for bits the type ignores and a 9.x value's other forms;
// 14.x's NaN and infinities and a 9.x value below its subtype's lowest
// (-1.0 lx) do not encode.
std::optional<QString> decodeDatapoint(DatapointType type, const QByteArray &data);

struct DatapointEncoding
{
    std::optional<QByteArray> bytes;
    QString error; // why the text was refused, translated
};

// The bytes of what a user typed: a number with or without the unit and with
// a decimal point or comma; the decoder's texts, case-insensitive, in English
// or translated. A number is rounded to the type's resolution; what lies out of
// range or cannot be read is refused with a reason.
DatapointEncoding encodeDatapoint(DatapointType type, const QString &typed);
