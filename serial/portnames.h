#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What an entry of the port selector opens (portlisting.h lists them).
//
// On Linux an entry is a device path and opens that device. On Windows the
// selector lists the ports whose name begins with "COM" in any letter case;
// "COM1" to "COM9" open by that name, higher numbers in the device namespace
// ("\\.\COM12"); an entry with no number after its first three characters
// cannot be opened.

QStringList windowsPortEntries(const QStringList &foundPortNames);

// The name to open for an entry, or nothing when it cannot be opened.
std::optional<QString> systemPortName(const QString &entry);
std::optional<QString> windowsSystemPortName(const QString &entry);

// A port of a serial device server is named "rfc2217://HOST:PORT" (telnet with
// the com port control of RFC 2217: the line settings reach the far port) or
// "tcp://HOST:PORT" (raw TCP: bytes only, the server's settings fixed). HOST is
// a name, an IPv4 address or an IPv6 address in brackets; PORT 1 to 65535.
// Any other name is a local device.
enum class LineKind { Local, Rfc2217, RawTcp };

struct NetworkPort
{
    LineKind kind = LineKind::Rfc2217;
    QString host;
    quint16 port = 0;
};

// The kind a port name opens; a network name with a wrong address too.
LineKind lineKindOf(const QString &portName);
// The address of a network port name; nothing when it is not HOST:PORT.
std::optional<NetworkPort> networkPortOf(const QString &portName);
// The name of a network port, brackets around an IPv6 address.
QString networkPortName(const NetworkPort &port);

// What a host field holds: a name, an IPv4 address or an IPv6 address, with
// or without brackets, then perhaps ":PORT" (after an IPv6 address only in
// brackets): "gw.local", "[::1]:2217", "::1". Nothing when it is none of these.
struct HostField
{
    QString host; // without brackets
    std::optional<quint16> port;
};
std::optional<HostField> hostFieldOf(const QString &text);

// The device a port name opens, so that two names of one device compare
// equal: a local device by its path with links resolved, a network port by
// its host and TCP port, whatever its kind.
QString deviceIdentity(const QString &portName);
