#pragma once

#include <QSerialPort>

// The tool's side of the gateway's line at 9600 baud: what it sends goes out
// at once, and every byte it reads is kept.
struct ToolPort
{
    explicit ToolPort(const QString &path)
        : port(path)
    {
        QObject::connect(&port, &QSerialPort::readyRead, [this] { received += port.readAll(); });
    }

    bool open() { return port.open(QIODevice::ReadWrite) && port.setBaudRate(9600); }

    bool send(const QByteArray &bytes)
    {
        return port.write(bytes) == bytes.size() && port.flush() && port.bytesToWrite() == 0;
    }

    QSerialPort port;
    QByteArray received;
};
