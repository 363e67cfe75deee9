#include "serialline.h"

#include "openfailure.h"
#include "portsettings.h"

#include <QTimer>

SerialLine::SerialLine(QObject *parent)
    : QObject(parent)
{
    connect(&port, &QSerialPort::readyRead, this, &SerialLine::readAvailable);
    connect(&port, &QSerialPort::errorOccurred, this, &SerialLine::portError);
    connect(&port, &QSerialPort::bytesWritten, this, [this] {
        if (port.bytesToWrite() == 0)
            emit allWritten();
    });
}

bool SerialLine::open(const QString &path)
{
    port.setPortName(path);
    if (port.open(QIODevice::ReadWrite)) {
        losing = false;
        return true;
    }
    failure = port.errorString();
    const QString remedy = openFailureRemedy(port.error(), path);
    if (!remedy.isEmpty())
        failure += QLatin1String(". ") + remedy;
    return false;
}

void SerialLine::close()
{
    port.close();
}

void SerialLine::applySettings(const SerialSettings &settings)
{
    current = settings;
    const PortSettings line = portSettingsOf(settings);
    port.setBaudRate(line.baudRate);
    port.setDataBits(line.dataBits);
    port.setParity(line.parity);
    port.setStopBits(line.stopBits);
    port.setFlowControl(line.flowControl);
    port.setDataTerminalReady(false);
    port.setRequestToSend(false);
    if (applying)
        return;
    applying = true;
    QTimer::singleShot(0, this, [this] {
        applying = false;
        emit settingsApplied();
    });
}

// Handed to the device at once, without waiting for the event loop.
void SerialLine::write(const QByteArray &bytes)
{
    if (port.isOpen() && port.write(bytes) == bytes.size())
        port.flush();
}

void SerialLine::readAvailable()
{
    const QByteArray bytes = port.readAll();
    if (!bytes.isEmpty())
        emit received(bytes);
}

// A vanished device reports errors in a tight loop while the port stays open:
// close it once, outside the port's own signal.
void SerialLine::portError(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    if (!port.isOpen() || losing)
        return;
    losing = true;
    const QString reason = port.errorString();
    QTimer::singleShot(0, this, [this, reason] {
        port.close();
        emit lost(reason);
    });
}
