#pragma once

#include "knxconnection.h"

#include <QHostAddress>
#include <QList>
#include <QUdpSocket>

// KNXnet/IP routing: ROUTING_INDICATIONs on the multicast group, no
// connection. What the tool sends counts as sent once it is on the network;
// its own indications, which the group hands back, are not taken for the bus's.
class RoutingConnection : public KnxConnection
{
    Q_OBJECT

public:
    explicit RoutingConnection(const KnxInterface &interface, QObject *parent = nullptr);

    KnxInterface interface() const override { return where; }
    quint16 ownAddress() const override;
    void open() override;
    void close() override;
    bool send(const GroupTelegram &telegram) override;

private:
    void joined();
    void readDatagrams();
    bool isOwn(const QHostAddress &sender, quint16 senderPort) const;

    const KnxInterface where;
    QUdpSocket receiver; // bound to the group and its port
    QUdpSocket sender;   // on a port of its own, so that its datagrams are known
    QList<QHostAddress> localAddresses;
};
