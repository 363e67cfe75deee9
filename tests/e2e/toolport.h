#pragma once

#include <QElapsedTimer>
#include <QSerialPort>

// The tool's side in the gateway tests: a QSerialPort on the gateway's device
// that keeps every byte it reads and the time each chunk arrived.
struct ToolPort
{
    explicit ToolPort(const QString &path)
        : port(path)
    {
        QObject::connect(&port, &QSerialPort::readyRead, [this] {
            arrivalsMs.append(clock.elapsed());
            chunks.append(port.readAll());
            received += chunks.last();
        });
        clock.start();
    }

    bool open(qint32 baudRate = 9600, bool twoStopBits = false)
    {
        return port.open(QIODevice::ReadWrite) && setLine(baudRate, twoStopBits);
    }

    bool setLine(qint32 baudRate, bool twoStopBits = false)
    {
        return port.setBaudRate(baudRate) &&
               port.setStopBits(twoStopBits ? QSerialPort::TwoStop : QSerialPort::OneStop);
    }

    // Writes the bytes now, before the line settings can change again.
    bool send(const QByteArray &bytes)
    {
        return port.write(bytes) == bytes.size() && port.flush() && port.bytesToWrite() == 0;
    }

    QSerialPort port;
    QElapsedTimer clock;
    QByteArray received;
    QByteArrayList chunks;
    QList<qint64> arrivalsMs;
};
