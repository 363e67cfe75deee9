#pragma once

#include "serialline.h"

#include <QTcpSocket>
#include <QTimer>

// A port of a serial device server over raw TCP, "tcp://HOST:PORT": the bytes
// go as they are and the line runs at the settings the server gives it.
// Also the connection under the RFC 2217 line, whose protocol takes the hooks.
class TcpLine : public SerialLine
{
    Q_OBJECT

public:
    // Connecting, and setting up a session on the connection, end in time.
    static constexpr int OpenTimeoutMs = 5000;
    // A server that turns a client away ("Port already in use") says so and
    // closes at once: the line opens once its session has stood this long.
    static constexpr int SettleMs = 250;

    explicit TcpLine(const QString &portName, QObject *parent = nullptr);

    LineKind kind() const override { return LineKind::RawTcp; }
    void openLine() override;
    void setReadBufferSize(qint64 size) override { readLimit = size; }
    qint64 bytesAvailable() const override;

protected:
    // The session on a new connection; raw TCP has none.
    virtual void startSession() { sessionReady(); }
    // The data bytes in bytes received, and the bytes that carry data to send.
    virtual QByteArray dataOf(const QByteArray &bytes) { return bytes; }
    virtual QByteArray bytesOf(const QByteArray &data) { return data; }

    bool putSettings(const PortSettings &) override { return false; }
    void closeLine() override;
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

    // The session is set up; the line opens once it has settled.
    void sessionReady();
    // Bytes of the protocol's own, sent at once.
    void send(const QByteArray &bytes);
    // "HOST:PORT", as the user named it.
    QString address() const;
    // What the user can do about a line that cannot be opened (translated).
    static QString openRemedy();

private:
    static constexpr int MaxReasonBytes = 200;

    void takeReceived();
    void socketError();
    void openTimedOut();
    void settled();

    QTcpSocket socket;
    QTimer openTimer;
    QTimer settleTimer;
    int rechecks = 0;
    // A reply to the server may find the connection closed while what it
    // sent is being taken; the error is handled once that is done.
    bool taking = false;
    bool errorWhileTaking = false;
    QByteArray received; // data bytes not yet read
    qint64 readLimit = 0;
};
