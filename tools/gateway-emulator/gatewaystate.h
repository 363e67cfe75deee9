#pragma once

#include "frame.h"
#include "gatewaytables.h"
#include "pseudoterminal.h"
#include "serialsettingstexts.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The stop-bit item "2"; the items are 0 "1", 1 "1.5", 2 "2".
constexpr int TwoStopIndex = 2;

constexpr SerialSettings DefaultGatewaySettings{2, 0, 0}; // 9600 baud, 1 stop bit, None

// What the virtual gateway holds.
struct GatewayState
{
    SerialSettings serial = DefaultGatewaySettings;
    OperatingMode mode = WorkingMode;
    // Table-size and row frames are refused in working mode.
    bool requireDebugMode = false;
    GatewayTables tables;
};

// Whether the tool's line runs at the gateway's own settings, so that the
// gateway can make sense of what arrives. Speed and stop bits are compared.
// Parity is not: a pty cannot carry it. Linux cannot set 1.5 stop bits and a
// port asked for them keeps one, so a gateway at 1.5 stop bits takes a line
// without CSTOPB, like one at 1 stop bit.
bool lineMatches(const LineSettings &line, const SerialSettings &own);

// "2400 baud, 2 stop bits"
QString describeLineSettings(const LineSettings &line);
// "9600 baud, 1 stop bit" (the part of the own settings a line is compared with)
QString describeComparedSettings(const SerialSettings &settings);
// "55 0C 0B"
QString hexText(const QByteArray &bytes);
// "debug" or "working"
QString operatingModeName(OperatingMode mode);
