#include "routingconnection.h"

#include "cemiframes.h"
#include "knxnetipframes.h"

#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QTimer>
#include <QVariant>

namespace {
constexpr quint16 RoutingSource = 0xFFFA; // 15.15.250

QHostAddress group()
{
    return QHostAddress(KnxNetIp::RoutingGroup);
}
} // namespace

RoutingConnection::RoutingConnection(const KnxInterface &interface, QObject *parent)
    : KnxConnection(parent)
    , where(interface)
{
    connect(&receiver, &QUdpSocket::readyRead, this, &RoutingConnection::readDatagrams);
}

quint16 RoutingConnection::ownAddress() const
{
    return state() == State::Connected ? RoutingSource : 0;
}

void RoutingConnection::open()
{
    if (state() != State::Disconnected)
        return;
    setState(State::Connecting);
    // Bound to the group, not to any address: a KNXnet/IP server on this
    // machine keeps the datagrams sent to it on the same port.
    const bool ready = receiver.bind(group(), where.port,
                                     QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint) &&
                       receiver.joinMulticastGroup(group()) &&
                       sender.bind(QHostAddress::AnyIPv4, 0);
    if (!ready) {
        const QString why = receiver.error() != QAbstractSocket::UnknownSocketError
                                ? receiver.errorString()
                                : sender.errorString();
        receiver.close();
        sender.close();
        setState(State::Disconnected);
        emit failed(QCoreApplication::translate("MainWindow",
                                                "Cannot join the KNX routing group %1 on port %2: "
                                                "%3. Check that the network is up and allows "
                                                "multicast, or use a tunnelling interface.")
                        .arg(group().toString())
                        .arg(where.port)
                        .arg(why));
        return;
    }
    sender.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
    localAddresses = QNetworkInterface::allAddresses();
    QTimer::singleShot(0, this, &RoutingConnection::joined);
}

void RoutingConnection::joined()
{
    if (state() != State::Connecting)
        return;
    setState(State::Connected);
    emit connected();
}

void RoutingConnection::close()
{
    receiver.close();
    sender.close();
    setState(State::Disconnected);
    emit disconnected();
}

bool RoutingConnection::send(const GroupTelegram &telegram)
{
    if (state() != State::Connected)
        return false;
    GroupTelegram sent = telegram;
    sent.source = RoutingSource;
    const QByteArray cemi = encodeCemiFrame(cemiFrameOf(sent, Cemi::LDataInd));
    const bool written =
        sender.writeDatagram(encodeKnxNetIpFrame({KnxNetIp::Service::RoutingIndication, cemi}),
                             group(), where.port) >= 0;
    const QString why = sender.errorString();
    QTimer::singleShot(0, this, [this, sent, written, why] {
        if (written)
            emit telegramSent(sent);
        else
            emit sendFailed(sent, QCoreApplication::translate(
                                      "MainWindow", "The telegram could not be sent to the "
                                                    "routing group: %1. Check the network.")
                                      .arg(why));
    });
    return true;
}

void RoutingConnection::readDatagrams()
{
    while (receiver.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = receiver.receiveDatagram();
        const std::optional<KnxNetIpFrame> frame = decodeKnxNetIpFrame(datagram.data());
        if (!frame || frame->service != KnxNetIp::Service::RoutingIndication ||
            isOwn(datagram.senderAddress(), quint16(datagram.senderPort())))
            continue; // ROUTING_BUSY and ROUTING_LOST_MESSAGE need nothing of a client
        const std::optional<CemiFrame> cemi = decodeCemiFrame(frame->body);
        if (!cemi || cemi->messageCode != Cemi::LDataInd)
            continue;
        if (const std::optional<GroupTelegram> telegram = groupTelegramOf(*cemi))
            emit telegramReceived(*telegram);
    }
}

bool RoutingConnection::isOwn(const QHostAddress &address, quint16 port) const
{
    return port == sender.localPort() &&
           std::any_of(localAddresses.cbegin(), localAddresses.cend(),
                       [&address](const QHostAddress &own) { return own.isEqual(address); });
}
