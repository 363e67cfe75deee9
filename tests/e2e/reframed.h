#pragma once

#include "frame.h"

// The frame with the byte at `offset` (within the payload) changed, framed
// anew with LEN and checksum right, so that only what follows the framing can
// find the fault.
inline QByteArray withByte(const QByteArray &frame, int offset, quint8 byte)
{
    QByteArray payload = frame.mid(4, frame.size() - FrameOverhead);
    payload[offset - 4] = char(byte);
    return buildFrame(quint8(frame.at(3)), payload);
}
