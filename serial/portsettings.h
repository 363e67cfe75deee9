#pragma once

#include "frame.h"

#include <QSerialPort>
#include <QString>

// The line parameters chosen in the connection selectors.
struct PortSettings
{
    qint32 baudRate = 19200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;
    // Modem lines, set on a local device only.
    bool dataTerminalReady = false;
    bool requestToSend = false;
};

// The selectors' texts as they show them. Each is compared with the
// translated literals of its list, first match wins; any other text, the empty
// one included, gives the last fallback: 19200 baud, 8 data bits, no parity,
// 1 stop bit, no flow control.
struct PortTexts
{
    QString baudRate;
    QString dataBits;
    QString parity;
    QString stopBits;
    QString flowControl;
};

PortSettings portSettingsFromTexts(const PortTexts &texts);

// The line parameters of item indexes, as the connection selectors showing
// those items give them: 8 data bits, no flow control. The indexes must be valid.
PortSettings portSettingsOf(const SerialSettings &items);
