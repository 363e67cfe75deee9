#pragma once

#include "datapointid.h"

#include <QString>

#include <optional>

// The gateway's 485-to-KNX and KNX-to-485 rows carry a value as one unsigned
// number of the row's length: the value's bits as the bus carries them, the
// first byte most significant (9.001's 21.0 °C is 0x0C1A, 3098). Only types of
// at most 2 bytes fit a row.

// The bits of the type's number in a row: 1, 2 or 4 for 1.x, 2.x and 3.x; 6 for
// 17.x (the scene number, its two top bits reserved); 8 for 5.x, 6.x, 18.x and
// 20.x; 16 for 7.x, 8.x and 9.x. 0 for any other type: no row can carry it.
int gatewayValueBits(DatapointType type);

struct GatewayValue
{
    std::optional<uint> number;
    QString error; // why the text was refused, translated
};

// The number of a value typed in the type's terms ("21", "21,0 °C", "On"), as
// encodeDatapoint() reads it.
GatewayValue gatewayValue(DatapointType type, const QString &typed);

// The text of a row's number in the type's terms ("21.0 °C"), as
// decodeDatapoint() gives it; nothing for a number beyond the type's bits or
// no value of the type.
std::optional<QString> gatewayValueText(DatapointType type, uint number);
