#pragma once

#include "commandframeparser.h"
#include "gatewayanswers.h"
#include "gatewayfaults.h"
#include "gatewaystate.h"
#include "pseudoterminal.h"

#include <QHash>
#include <QObject>
#include <QTextStream>
#include <QTimer>

#include <functional>
#include <memory>

class QSocketNotifier;

// The virtual gateway: plays the gateway's side of the serial protocol on the
// master side of a pseudo-terminal; the tool opens portPath() (or the symlink
// published to it) as its serial port.
//
// Everything runs on the event loop of the thread that creates it: a socket
// notifier on the master side reads, timers pace delayed and split answers.
// Bytes that arrive while the tool's line speed or stop bits differ from the
// gateway's own settings are ignored whole, as a real gateway would see only
// garbage. Every frame received and every answer sent is logged in one line.
class GatewayEmulator : public QObject
{
    Q_OBJECT

public:
    explicit GatewayEmulator(const SerialSettings &settings = DefaultGatewaySettings,
                             QObject *parent = nullptr);
    ~GatewayEmulator() override;

    bool isOpen() const { return pty.isOpen(); }
    QString errorString() const { return error; }
    // The slave device, for example /dev/pts/4.
    QString portPath() const { return pty.slavePath(); }

    // Makes linkPath a symbolic link to the slave device; a symbolic link
    // already there is replaced, any other file is left and false returned.
    bool publish(const QString &linkPath);
    QString publishedPath() const { return linkPath; }

    // Goes away like a pulled adapter: closes the pseudo-terminal, so that the
    // tool's port fails, and removes the published link.
    void goAway();

    // Where the log lines go; nullptr for standard error. Not owned.
    void setLog(QTextStream *stream);

    GatewayFaults faults() const { return faultSettings; }
    void setFaults(const GatewayFaults &faults);

    SerialSettings serialSettings() const { return state.serial; }
    void setSerialSettings(const SerialSettings &settings);
    OperatingMode operatingMode() const { return state.mode; }

    // With true, table-size and row frames are refused (not answered) while
    // the gateway is in working mode. Off by default.
    void setRequireDebugMode(bool require);
    bool requiresDebugMode() const { return state.requireDebugMode; }

    // The tables held: the rows the last table-size frame announced, each as
    // its row frame left it (gatewaytables.h); a row not received is empty.
    TelegramTables storedTables() const { return state.tables.tables(); }
    TableSizes announcedTableSizes() const { return state.tables.sizes(); }
    // A table-size frame has been taken and every row it announced stored.
    bool downloadComplete() const { return state.tables.complete(); }

    // Every byte the tool has written, valid or not.
    qint64 bytesReceived() const { return receivedBytes; }
    // Valid frames received at the right settings: all, or of one command.
    int framesReceived() const { return frameCount; }
    int framesReceived(quint8 command) const { return framesPerCommand.value(command); }

signals:
    // A valid frame, numbered from 1 by framesReceived().
    void frameReceived(quint8 command, const QByteArray &frame);
    // The whole answer to a frame is on the line (noise and pieces included);
    // the frame takes effect right after.
    void answerSent(quint8 command, const QByteArray &bytes);
    // A valid frame is not answered: refused, silent or dropped.
    void answerWithheld(quint8 command, const QString &reason);
    // Bytes ignored because the tool's line does not match the own settings.
    void framesIgnored(int byteCount, quint32 toolBaudRate, bool toolTwoStopBits);

private:
    struct OutgoingPiece
    {
        int waitMs = 0; // after the piece before, or after arrival for the first
        QByteArray bytes;
        QString label;
        std::function<void()> written; // after the last piece of an answer
    };

    void readFromTool();
    void takeFrames(const QList<QByteArray> &frames);
    void endBurst();
    void handleFrame(const QByteArray &frame);
    void withhold(int number, quint8 command, const QString &reason);
    void commit(const QByteArray &frame, const FrameReading &reading);
    void sendAnswer(int number, const QByteArray &frame, const FrameReading &reading);
    void sendPieces();
    void logSkipped();
    void log(const QString &line);
    void unpublish();

    PseudoTerminal pty;
    QSocketNotifier *readNotifier = nullptr;
    CommandFrameParser parser;
    GatewayState state;
    GatewayFaults faultSettings;
    QTimer burstTimer;
    QTimer pieceTimer;
    QList<OutgoingPiece> outgoing;
    bool headPieceWaited = false;

    qint64 receivedBytes = 0;
    int frameCount = 0;
    QHash<quint8, int> framesPerCommand;

    QString linkPath;
    QString error;
    std::unique_ptr<QTextStream> standardError;
    QTextStream *logStream = nullptr;
};
