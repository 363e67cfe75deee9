#pragma once

#include "serialline.h"

#include <QSerialPort>

// A serial device of this machine, opened by its system name.
class LocalSerialLine : public SerialLine
{
    Q_OBJECT

public:
    explicit LocalSerialLine(const QString &systemName, QObject *parent = nullptr);

    LineKind kind() const override { return LineKind::Local; }
    void openLine() override;
    void setReadBufferSize(qint64 size) override { port.setReadBufferSize(size); }
    qint64 bytesAvailable() const override;

protected:
    bool putSettings(const PortSettings &settings) override;
    void closeLine() override { port.close(); }
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void portError(QSerialPort::SerialPortError error);

    QSerialPort port;
};
