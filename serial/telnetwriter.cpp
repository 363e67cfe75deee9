#include "telnetwriter.h"

#include "telnet.h"

QByteArray telnetData(const QByteArray &data)
{
    if (!data.contains(char(Telnet::Iac)))
        return data;
    QByteArray escaped;
    escaped.reserve(data.size() + data.count(char(Telnet::Iac)));
    for (const char c : data) {
        escaped.append(c);
        if (quint8(c) == Telnet::Iac)
            escaped.append(c);
    }
    return escaped;
}

QByteArray telnetNegotiation(quint8 verb, quint8 option)
{
    return QByteArray(1, char(Telnet::Iac)) + char(verb) + char(option);
}

QByteArray telnetSubnegotiation(quint8 option, const QByteArray &parameters)
{
    return QByteArray(1, char(Telnet::Iac)) + char(Telnet::Sb) + char(option) +
           telnetData(parameters) + char(Telnet::Iac) + char(Telnet::Se);
}
