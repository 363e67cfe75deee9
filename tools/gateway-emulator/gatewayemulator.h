#pragma once

#include "commandframeparser.h"
#include "gatewayanswers.h"
#include "gatewayfaults.h"
#include "gatewaystate.h"
#include "pseudoterminal.h"
#include "workingrules.h"

#include <QHash>
#include <QObject>
#include <QTextStream>
#include <QTimer>

#include <functional>
#include <memory>

class KnxdLink;
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
//
// In working mode it also does what its tables say (workingrules.h). A
// telegram from the line is a burst: the bytes that arrive without a quiet gap
// of 100 ms, configuration frames taken out; it counts only when it equals a
// row's telegram whole. At the end of the burst each matching row sends its
// group telegram on KNX and then writes its acknowledgement. A group telegram
// from KNX writes the telegram of each matching KNX-to-485 row at once, at the
// gateway's own line settings (a pseudo-terminal has one speed, so the row's
// baud rate is not applied). In debug mode neither happens.
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

    // The KNX side: a link to knxd at its client URL ("local:/run/knx",
    // "ip:HOST:PORT"), kept up while the gateway lives. Without one, working
    // mode logs the group telegrams it would send.
    void connectKnx(const QString &url);
    bool knxConnected() const;

    RowFaults rowFaults() const { return rules.faults(); }
    void setRowFaults(const RowFaults &faults);

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
    // Working mode: a telegram from the line and a group telegram from KNX
    // have been acted on by this many rows (a KNX one in debug mode by none).
    void lineTelegramHandled(const QByteArray &telegram, int rows);
    void groupTelegramHandled(quint16 group, int rows);
    void knxConnectedChanged(bool connected);

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
    void actOnLineTelegram(const QByteArray &telegram);
    void actOnGroupTelegram(const BusTelegram &telegram);
    QString sendToKnx(const RowAction &action);
    void writeToLine(const QByteArray &bytes);
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
    QByteArray lineBurst;      // working mode: the telegram arriving
    qint64 lineBurstBytes = 0; // its size, which may exceed what is kept
    WorkingRules rules;
    KnxdLink *knx = nullptr;

    qint64 receivedBytes = 0;
    int frameCount = 0;
    QHash<quint8, int> framesPerCommand;

    QString linkPath;
    QString error;
    std::unique_ptr<QTextStream> standardError;
    QTextStream *logStream = nullptr;
};
