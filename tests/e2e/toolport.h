#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QSerialPort>

// The tool's side in the gateway tests: a QSerialPort on the gateway's device
// that keeps every byte it reads and the time each chunk arrived.
class ToolPort
{
public:
    explicit ToolPort(const QString &path)
        : port(path)
    {
        QObject::connect(&port, &QSerialPort::readyRead, [this] {
            const QByteArray chunk = port.readAll();
            received += chunk;
            chunks.append({clock.elapsed(), chunk});
        });
        clock.start();
    }

    bool open(qint32 baudRate = 9600, QSerialPort::StopBits stopBits = QSerialPort::OneStop)
    {
        return port.open(QIODevice::ReadWrite) && setLine(baudRate, stopBits);
    }

    bool setLine(qint32 baudRate, QSerialPort::StopBits stopBits)
    {
        return port.setBaudRate(baudRate) && port.setStopBits(stopBits);
    }

    // Writes the bytes now, before the line settings can change again.
    bool send(const QByteArray &bytes)
    {
        return port.write(bytes) == bytes.size() && port.flush() && port.bytesToWrite() == 0;
    }

    struct Chunk
    {
        qint64 atMs;
        QByteArray bytes;
    };

    QSerialPort port;
    QElapsedTimer clock;
    QByteArray received;
    QList<Chunk> chunks;
};
