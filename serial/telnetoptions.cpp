#include "telnetoptions.h"

#include "telnet.h"
#include "telnetwriter.h"

TelnetOptions::TelnetOptions(const QList<quint8> &ownAccepted, const QList<quint8> &peerAccepted)
{
    own.accepted = QSet<quint8>(ownAccepted.cbegin(), ownAccepted.cend());
    peer.accepted = QSet<quint8>(peerAccepted.cbegin(), peerAccepted.cend());
}

QByteArray TelnetOptions::offer(quint8 option)
{
    return request(own, option, Telnet::Will);
}

QByteArray TelnetOptions::ask(quint8 option)
{
    return request(peer, option, Telnet::Do);
}

bool TelnetOptions::isRefused(quint8 option) const
{
    return own.refused.contains(option) || peer.refused.contains(option);
}

QByteArray TelnetOptions::request(Side &side, quint8 option, quint8 verb)
{
    if (side.enabled.contains(option) || side.requested.contains(option))
        return QByteArray();
    side.requested.insert(option);
    side.refused.remove(option);
    return telnetNegotiation(verb, option);
}

QByteArray TelnetOptions::receive(quint8 verb, quint8 option)
{
    switch (verb) {
    case Telnet::Do:
        return enable(own, option, Telnet::Will, Telnet::Wont);
    case Telnet::Dont:
        return disable(own, option, Telnet::Wont);
    case Telnet::Will:
        return enable(peer, option, Telnet::Do, Telnet::Dont);
    case Telnet::Wont:
        return disable(peer, option, Telnet::Dont);
    default:
        return QByteArray();
    }
}

// The peer wants the option on: an answer to a request of ours needs none.
QByteArray TelnetOptions::enable(Side &side, quint8 option, quint8 yes, quint8 no)
{
    if (side.enabled.contains(option))
        return QByteArray();
    const bool requested = side.requested.remove(option);
    if (!requested && !side.accepted.contains(option))
        return telnetNegotiation(no, option);
    side.enabled.insert(option);
    return requested ? QByteArray() : telnetNegotiation(yes, option);
}

QByteArray TelnetOptions::disable(Side &side, quint8 option, quint8 no)
{
    if (side.requested.remove(option)) {
        side.refused.insert(option);
        return QByteArray();
    }
    if (!side.enabled.remove(option))
        return QByteArray();
    return telnetNegotiation(no, option);
}
