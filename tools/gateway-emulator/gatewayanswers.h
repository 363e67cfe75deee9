#pragma once

#include "gatewaystate.h"
#include "rowdecoding.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the gateway makes of a valid command frame, and its answer.
//
// An answer is framed like a command with the start bytes swapped:
//
//   0C 55 LEN CMD data SUM_HI SUM_LO 0D
//
// LEN counts the bytes from 55 to the last data byte (data size + 3), SUM is
// the byte sum of everything before it, modulo 65536, high byte first, and CMD
// repeats the command answered. The data:
//
//   0x00 scan probe           baud-rate, stop-bit, parity index (offsets 4, 5, 6)  10 bytes
//   0x01 operating mode       the mode now in effect, 01 debug or 02 working         8 bytes
//   0x02 serial parameters    00                                                     8 bytes
//   0x0A table sizes          00                                                     8 bytes
//   0x03, 0x04, 0x05 rows     bytes 4 and 5 of the row frame (its row index), 00    10 bytes
//
// A frame whose command is unknown or whose payload does not fit its command
// is refused: it changes nothing and is not answered. So is a malformed row
// frame (rowdecoding.h), a row outside the rows the last table-size frame
// announced, and, while the gateway requires debug mode for a download, a
// table-size or row frame in working mode.

struct FrameReading
{
    QString name;    // "scan probe", "mode command (debug)" ...
    QString refusal; // why the frame is not taken; empty when it is
    QByteArray answer;
    std::optional<AnyDecodedRow> row; // of a row frame taken
};

// Reads a valid command frame (as CommandFrameParser returns it).
FrameReading readFrame(const QByteArray &frame, const GatewayState &state);

// Puts a frame that readFrame() did not refuse into effect; returns what
// changed, a log line each ("mode now debug", "stored 485-to-KNX row 3: ...").
QStringList applyFrame(const QByteArray &frame, const FrameReading &reading, GatewayState *state);
