#pragma once

#include "frame.h"

#include <QObject>
#include <QSerialPort>

// The line to one gateway, as the command-line engine uses it: the one place
// where it opens, configures, reads and writes a serial port.
//
// Line settings are put into effect asynchronously: settingsApplied() follows
// applySettings(), never within the call, so that a line whose settings take
// a while (a remote port) fits the same sequences; it comes once for settings
// applied in a row, when the last of them are in effect. A setting the device
// cannot take (1.5 stop bits on Linux, parity on a pseudo-terminal) is left
// as it was, as the window does.
class SerialLine : public QObject
{
    Q_OBJECT

public:
    explicit SerialLine(QObject *parent = nullptr);

    // Opens the device; on failure openFailure() tells why and what to do.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return port.isOpen(); }
    QString path() const { return port.portName(); }
    // The system's reason, then the remedy where one is known.
    QString openFailure() const { return failure; }

    void applySettings(const SerialSettings &settings);
    // The settings last applied.
    SerialSettings settings() const { return current; }

    void write(const QByteArray &bytes);

signals:
    void received(const QByteArray &bytes);
    void settingsApplied();
    // Everything written has left for the device.
    void allWritten();
    // The device went away (adapter pulled); the line is closed.
    void lost(const QString &reason);

private:
    void readAvailable();
    void portError(QSerialPort::SerialPortError error);

    QSerialPort port;
    SerialSettings current;
    QString failure;
    bool losing = false;
    bool applying = false;
};
