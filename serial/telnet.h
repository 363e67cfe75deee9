#pragma once

#include <QtGlobal>

// Telnet's command bytes (RFC 854, 855) and the options the RFC 2217 client
// negotiates: binary transmission (RFC 856), suppress go-ahead and the com
// port control option (RFC 2217).
namespace Telnet {
constexpr quint8 Iac = 255;
constexpr quint8 Dont = 254;
constexpr quint8 Do = 253;
constexpr quint8 Wont = 252;
constexpr quint8 Will = 251;
constexpr quint8 Sb = 250;
constexpr quint8 Se = 240;

constexpr quint8 OptionBinary = 0;
constexpr quint8 OptionSuppressGoAhead = 3;
constexpr quint8 OptionComPort = 44;
} // namespace Telnet
