#pragma once

#include "frame.h"
#include "pseudoterminal.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The number of items of each serial-parameter list.
constexpr int BaudRateItems = 9; // 0 "2400" ... 8 "115200"
constexpr int StopBitItems = 3;  // 0 "1", 1 "1.5", 2 "2"
constexpr int ParityItems = 3;   // 0 "None", 1 "ODD", 2 "EVEN"
constexpr int TwoStopIndex = 2;

constexpr SerialSettings DefaultGatewaySettings{2, 0, 0}; // 9600 baud, 1 stop bit, None

// What the virtual gateway holds.
struct GatewayState
{
    SerialSettings serial = DefaultGatewaySettings;
    OperatingMode mode = WorkingMode;
    // The raw row frames received since the last table-size frame.
    QList<QByteArray> rowFrames;
};

bool isValidSerialSettings(const SerialSettings &settings);
quint32 baudRateOfIndex(int baudIndex);

// Whether the tool's line runs at the gateway's own settings, so that the
// gateway can make sense of what arrives. Speed and stop bits are compared.
// Parity is not: a pty cannot carry it. Linux cannot set 1.5 stop bits and a
// port asked for them keeps one, so a gateway at 1.5 stop bits takes a line
// without CSTOPB, like one at 1 stop bit.
bool lineMatches(const LineSettings &line, const SerialSettings &own);

// "9600 baud, 1 stop bit, None"
QString describeSerialSettings(const SerialSettings &settings);
// "2400 baud, 2 stop bits"
QString describeLineSettings(const LineSettings &line);
// "9600 baud, 1 stop bit" (the part of the own settings a line is compared with)
QString describeComparedSettings(const SerialSettings &settings);
// "55 0C 0B"
QString hexText(const QByteArray &bytes);
// "debug" or "working"
QString operatingModeName(OperatingMode mode);
