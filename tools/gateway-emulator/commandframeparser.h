#pragma once

#include <QByteArray>
#include <QList>

// Cuts the byte stream from the tool into command frames.
//
// A frame is taken only when it is whole and exact: 55 0C, LEN of at least 3,
// LEN + 4 bytes in all, the byte sum of everything before the checksum, and
// the end byte 0D. A byte at which no such frame starts is noise and is skipped
// on its own, so a valid frame is found right after noise or after a broken
// frame. Bytes that may still become a frame are held back until more arrive.
class CommandFrameParser
{
public:
    // Adds bytes; returns the frames they complete, in order.
    QList<QByteArray> feed(const QByteArray &bytes);
    // The end of a burst: the held-back bytes will not be completed. Returns
    // the frames still found among them; nothing is held back afterwards.
    QList<QByteArray> flush();
    // Forgets the held-back bytes without looking at them.
    void clear();

    // Bytes held back as the possible start of a frame.
    qsizetype pendingSize() const { return buffer.size(); }
    // The bytes skipped as noise since the last call.
    QByteArray takeSkipped();

private:
    QList<QByteArray> parse(bool endOfBurst);

    QByteArray buffer;
    QByteArray skipped;
};
