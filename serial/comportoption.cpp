#include "comportoption.h"

namespace {
char parityValue(QSerialPort::Parity parity)
{
    switch (parity) {
    case QSerialPort::OddParity:
        return 2;
    case QSerialPort::EvenParity:
        return 3;
    case QSerialPort::MarkParity:
        return 4;
    case QSerialPort::SpaceParity:
        return 5;
    default:
        return 1;
    }
}

char stopSizeValue(QSerialPort::StopBits stopBits)
{
    switch (stopBits) {
    case QSerialPort::TwoStop:
        return 2;
    case QSerialPort::OneAndHalfStop:
        return 3;
    default:
        return 1;
    }
}

char flowControlValue(QSerialPort::FlowControl flowControl)
{
    switch (flowControl) {
    case QSerialPort::SoftwareControl:
        return 2;
    case QSerialPort::HardwareControl:
        return 3;
    default:
        return 1;
    }
}
} // namespace

QList<ComPortCommand> comPortCommands(const PortSettings &settings)
{
    const auto baud = quint32(settings.baudRate);
    return {
        {ComPort::SetBaudRate,
         QByteArray(1, char(baud >> 24)) + char(baud >> 16) + char(baud >> 8) + char(baud)},
        {ComPort::SetDataSize, QByteArray(1, char(settings.dataBits))},
        {ComPort::SetParity, QByteArray(1, parityValue(settings.parity))},
        {ComPort::SetStopSize, QByteArray(1, stopSizeValue(settings.stopBits))},
        {ComPort::SetControl, QByteArray(1, flowControlValue(settings.flowControl))},
    };
}

std::optional<quint8> acknowledgedCommand(const QByteArray &parameters)
{
    if (parameters.size() < 2)
        return std::nullopt;
    const auto code = quint8(parameters.at(0));
    if (code < ComPort::ServerCode + ComPort::SetBaudRate ||
        code > ComPort::ServerCode + ComPort::SetStopSize)
        return std::nullopt;
    return quint8(code - ComPort::ServerCode);
}
