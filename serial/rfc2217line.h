#pragma once

#include "tcpline.h"
#include "telnetoptions.h"
#include "telnetreader.h"

#include <QHash>

// A port of a serial device server over telnet with the com port control of
// RFC 2217, "rfc2217://HOST:PORT". The line opens once the server has taken
// up the option and binary transmission both ways; each line setting counts
// as applied once the server has acknowledged it, or after
// AcknowledgementTimeoutMs without (ser2net leaves 1.5 stop bits unanswered).
// Flow control is sent and not awaited; modem lines are left as they are. The
// server's notifications never reach the data.
class Rfc2217Line : public TcpLine
{
    Q_OBJECT

public:
    static constexpr int AcknowledgementTimeoutMs = 1000;

    explicit Rfc2217Line(const QString &portName, QObject *parent = nullptr);

    LineKind kind() const override { return LineKind::Rfc2217; }

protected:
    void startSession() override;
    QByteArray dataOf(const QByteArray &bytes) override;
    QByteArray bytesOf(const QByteArray &data) override;
    bool putSettings(const PortSettings &settings) override;
    void closeLine() override;

private:
    void take(const TelnetCommand &command);
    void checkSession();
    void acknowledged(quint8 command);

    TelnetReader reader;
    TelnetOptions options;
    QHash<quint8, QByteArray> requested; // the value last sent, by command
    QHash<quint8, int> unacknowledged;   // commands sent and not yet acknowledged
    QTimer acknowledgementTimer;
};
