#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Faults the virtual gateway commits on request, for tests. The gateway still
// acts on every frame it takes (a dropped answer to a serial-parameter command
// still switches it); a fault changes only what goes back on the line.

// How an answer is framed wrongly.
enum class WrongFraming {
    None,
    EndByte,      // 0A instead of 0D
    StartBytes,   // 55 0C instead of 0C 55
    OneByteShort, // the byte before the end byte is left out
    OneByteLong,  // an extra 00 before the end byte
};

// Frames numbered from 1 over the valid frames the gateway has received.
struct FrameRange
{
    int first = 0;
    int last = 0;
};

struct GatewayFaults
{
    bool silent = false;       // never answer
    QList<FrameRange> dropped; // answers lost for these frames
    int delayMs = 0;           // wait before answering
    int splitGapMs = 0;        // above 0: the answer goes in two pieces, this far apart
    int splitAt = 0;           // bytes in the first piece; 0 for half
    QByteArray noise;          // sent before each answer
    WrongFraming framing = WrongFraming::None;

    bool drops(int frameNumber) const;
};

// The bytes that go on the line for an answer: the noise, then the answer
// framed as the faults say.
QByteArray answerOnLine(const QByteArray &answer, const GatewayFaults &faults);
// The pieces those bytes are written in: one, or two when split.
QList<QByteArray> answerPieces(const QByteArray &bytes, const GatewayFaults &faults);

// "7", "1-80", "1-3,9": false for anything else.
bool parseFrameRanges(const QString &text, QList<FrameRange> *ranges);
QString frameRangesText(const QList<FrameRange> &ranges);
// "end", "start", "short", "long"
bool parseWrongFraming(const QString &name, WrongFraming *framing);
QStringList wrongFramingNames();

// "silent, drop 1-80, delay 300 ms"; "none" without faults.
QString describeFaults(const GatewayFaults &faults);
