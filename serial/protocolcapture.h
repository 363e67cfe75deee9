#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QIODevice;
struct GroupTelegram;

enum class CaptureDirection { Sent, Received };

// One line of a protocol capture, local time with milliseconds, TX or RX and
// the bytes in hexadecimal: "2026-12-06 14:03:07.125 TX 55 0C 0B 00\n".
QByteArray captureLine(const QDateTime &time, CaptureDirection direction, const QByteArray &bytes);
// A line that says what happened, in UTF-8: "2026-12-06 14:03:07.125 -- text\n".
QByteArray captureNote(const QDateTime &time, const QString &text);

// Writes what goes over a line to a device as capture lines, in order: one
// line per frame sent, and one per burst received (bytes that follow each
// other without a quiet gap of QuietGapMs, stamped with the arrival of their
// first byte; a burst longer than MostBytesPerLine goes on in a new line).
// The device is flushed at least every FlushIntervalMs and when the capture
// finishes. The first failed write stops the capture and is reported.
class ProtocolCapture : public QObject
{
    Q_OBJECT

public:
    static constexpr int QuietGapMs = 50;
    static constexpr int FlushIntervalMs = 1000;
    static constexpr int MostBytesPerLine = 4096;

    // The device must be open for writing; it is not owned.
    explicit ProtocolCapture(QIODevice *device, QObject *parent = nullptr);
    ~ProtocolCapture() override;

    void received(const QByteArray &bytes);
    void sent(const QByteArray &frame);
    void note(const QString &text);
    // A group telegram of the KNX side (knxCaptureLine()), in time order with the line's.
    void groupTelegram(const GroupTelegram &telegram);
    // Writes the burst in progress and flushes; nothing is written after.
    void finish();

    bool isRunning() const { return running; }

signals:
    // A write or flush failed; the capture has stopped.
    void failed(const QString &reason);

private:
    void endBurst();
    void write(const QByteArray &line);
    void flush();
    void fail();

    QIODevice *device;
    QTimer quietTimer;
    QTimer flushTimer;
    QByteArray burst;
    QDateTime burstStart;
    bool running = true;
};
