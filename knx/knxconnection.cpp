#include "knxconnection.h"

#include "routingconnection.h"
#include "tunnellingconnection.h"

void KnxConnection::setState(State state)
{
    if (current == state)
        return;
    current = state;
    emit stateChanged(state);
}

std::unique_ptr<KnxConnection> createKnxConnection(const KnxInterface &interface, QObject *parent)
{
    return createKnxConnection(interface, KnxLimits(), parent);
}

std::unique_ptr<KnxConnection> createKnxConnection(const KnxInterface &interface,
                                                   const KnxLimits &limits, QObject *parent)
{
    if (interface.kind == KnxInterface::Kind::Routing)
        return std::make_unique<RoutingConnection>(interface, parent);
    return std::make_unique<TunnellingConnection>(interface, limits, parent);
}
