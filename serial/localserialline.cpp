#include "localserialline.h"

#include "openfailure.h"

LocalSerialLine::LocalSerialLine(const QString &systemName, QObject *parent)
    : SerialLine(systemName, parent)
    , port(systemName)
{
    connect(&port, &QSerialPort::readyRead, this, &SerialLine::readyRead);
    connect(&port, &QSerialPort::errorOccurred, this, &LocalSerialLine::portError);
    connect(&port, &QSerialPort::bytesWritten, this, [this] {
        if (port.bytesToWrite() == 0)
            emit allWritten();
    });
}

void LocalSerialLine::openLine()
{
    beginOpening();
    if (port.open(QIODevice::ReadWrite))
        finishOpening();
    else
        failOpening(port.errorString(), openFailureRemedy(port.error(), portName()));
}

qint64 LocalSerialLine::bytesAvailable() const
{
    return port.bytesAvailable() + SerialLine::bytesAvailable();
}

// Each setting takes effect on the open port at once.
bool LocalSerialLine::putSettings(const PortSettings &settings)
{
    port.setBaudRate(settings.baudRate);
    port.setDataBits(settings.dataBits);
    port.setParity(settings.parity);
    port.setStopBits(settings.stopBits);
    port.setFlowControl(settings.flowControl);
    port.setDataTerminalReady(settings.dataTerminalReady);
    port.setRequestToSend(settings.requestToSend);
    return false;
}

qint64 LocalSerialLine::readData(char *data, qint64 maxSize)
{
    return port.read(data, maxSize);
}

qint64 LocalSerialLine::writeData(const char *data, qint64 size)
{
    const qint64 written = port.write(data, size);
    if (written > 0)
        port.flush();
    return written;
}

// A vanished device reports errors in a tight loop while the port stays open.
void LocalSerialLine::portError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError)
        reportLost(port.errorString());
}
