#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>

// The telnet options in effect on either side of a connection, and the
// answers to the peer's negotiations. A request is answered only when it
// changes an option's state (RFC 854, the Q method of RFC 1143 for options
// that are only ever switched on), so that the two sides never loop.
class TelnetOptions
{
public:
    // The options this side performs when asked (DO), and those it lets the
    // peer perform (WILL); every other is refused.
    TelnetOptions(const QList<quint8> &ownAccepted, const QList<quint8> &peerAccepted);

    // Offers to perform the option (WILL), or asks the peer to (DO): the
    // bytes to send, empty when it is on or asked for already.
    QByteArray offer(quint8 option);
    QByteArray ask(quint8 option);

    // Takes the peer's WILL, WONT, DO or DONT: the answer to send, if any.
    QByteArray receive(quint8 verb, quint8 option);

    bool isOwnEnabled(quint8 option) const { return own.enabled.contains(option); }
    bool isPeerEnabled(quint8 option) const { return peer.enabled.contains(option); }
    // The peer refused what this side offered or asked for.
    bool isRefused(quint8 option) const;

private:
    struct Side
    {
        QSet<quint8> accepted;
        QSet<quint8> enabled;
        QSet<quint8> requested; // sent, not yet answered
        QSet<quint8> refused;
    };

    static QByteArray request(Side &side, quint8 option, quint8 verb);
    static QByteArray enable(Side &side, quint8 option, quint8 yes, quint8 no);
    static QByteArray disable(Side &side, quint8 option, quint8 no);

    Side own;  // this side performs the option: WILL, WONT; the peer says DO, DONT
    Side peer; // the peer performs it: DO, DONT; the peer says WILL, WONT
};
