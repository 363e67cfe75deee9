#pragma once

#include <QByteArray>

// What a telnet client sends: data with each 0xFF doubled, option
// negotiations and subnegotiations.

QByteArray telnetData(const QByteArray &data);
// IAC, the verb (Will, Wont, Do or Dont) and the option.
QByteArray telnetNegotiation(quint8 verb, quint8 option);
// IAC SB, the option, the parameters with each 0xFF doubled, IAC SE.
QByteArray telnetSubnegotiation(quint8 option, const QByteArray &parameters);
