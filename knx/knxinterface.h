#pragma once

#include <QString>

#include <optional>

// Where the tool reaches the bus: a KNXnet/IP tunnelling server at a host and
// UDP port, or KNXnet/IP routing on the multicast group.
struct KnxInterface
{
    enum class Kind { Tunnelling, Routing };
    Kind kind = Kind::Tunnelling;
    QString host;        // a name or an address; empty for routing
    quint16 port = 3671; // the server's port, or the routing group's

    // "HOST:PORT" (port given even when default), or "routing" ("routing:PORT"
    // on another port than 3671): the form parse reads.
    QString text() const;
};

// "HOST[:PORT]" (IPv4 address or name, PORT 1-65535, default 3671) or
// "routing[:PORT]"; nothing for any other text.
std::optional<KnxInterface> parseKnxInterface(const QString &text);
