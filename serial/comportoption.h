#pragma once

#include "portsettings.h"

#include <QByteArray>
#include <QList>

#include <optional>

// The com port control option of RFC 2217: the commands that put line
// settings on the far port, and the server's acknowledgements. Each is the
// parameter part of a subnegotiation of option 44: the command code, then its
// value.
namespace ComPort {
constexpr quint8 SetBaudRate = 1;
constexpr quint8 SetDataSize = 2;
constexpr quint8 SetParity = 3;
constexpr quint8 SetStopSize = 4;
constexpr quint8 SetControl = 5;
// A server answers a command with its code plus this, and the value now in use.
constexpr quint8 ServerCode = 100;
} // namespace ComPort

struct ComPortCommand
{
    quint8 code = 0;
    QByteArray value;

    QByteArray parameters() const { return char(code) + value; }
    // Whether the server acknowledges it: every line setting does; flow control,
    // a modem-line command, is not awaited.
    bool isAcknowledged() const { return code != ComPort::SetControl; }
};

// The commands for the settings, in the order RFC 2217 recommends: baud rate
// (four bytes, high first), data size, parity, stop size; then flow control.
QList<ComPortCommand> comPortCommands(const PortSettings &settings);

// The command a server's subnegotiation acknowledges; nothing for its
// notifications (line or modem state, flow control, signature).
std::optional<quint8> acknowledgedCommand(const QByteArray &parameters);
