#include "knxsearch.h"

#include "knxaddresses.h"
#include "knxnetipframes.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QSet>
#include <QTimer>
#include <QUdpSocket>

namespace {
// The local IPv4 address from which datagrams to the address leave.
QHostAddress localAddressTowards(const QHostAddress &address, quint16 port)
{
    QUdpSocket probe;
    probe.connectToHost(address, port);
    return probe.localAddress();
}

QByteArray searchRequest(const QHostAddress &local, quint16 port)
{
    return encodeKnxNetIpFrame(
        {KnxNetIp::Service::SearchRequest, searchRequestBody({local.toIPv4Address(), port})});
}
} // namespace

struct KnxSearch::Private
{
    QUdpSocket socket;
    QTimer timer;
    QList<FoundKnxInterface> found;
    QSet<QString> endpoints;
};

KnxSearch::KnxSearch(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->timer.setSingleShot(true);
    connect(&d->timer, &QTimer::timeout, this, [this] {
        d->socket.close();
        emit finished(QString());
    });
    connect(&d->socket, &QUdpSocket::readyRead, this, [this] {
        while (d->socket.hasPendingDatagrams())
            answered(d->socket.receiveDatagram());
    });
}

KnxSearch::~KnxSearch() = default;

QList<FoundKnxInterface> KnxSearch::found() const
{
    return d->found;
}

void KnxSearch::start(int waitMs)
{
    KnxInterface group;
    group.kind = KnxInterface::Kind::Routing;
    start(waitMs, group);
}

void KnxSearch::start(int waitMs, const KnxInterface &target)
{
    d->timer.stop();
    d->socket.close();
    d->found.clear();
    d->endpoints.clear();
    QString error;
    if (!d->socket.bind(QHostAddress::AnyIPv4, 0))
        error = d->socket.errorString();
    else if (target.kind == KnxInterface::Kind::Routing)
        error = sendToGroup(target.port);
    else
        error = sendTo(QHostAddress(target.host), target.port);
    if (!error.isEmpty()) {
        d->socket.close();
        QTimer::singleShot(0, this, [this, error] {
            emit finished(QCoreApplication::translate(
                              "MainWindow", "Cannot send a KNX search request: %1. Check the "
                                            "network settings of this computer.")
                              .arg(error));
        });
        return;
    }
    d->timer.start(waitMs);
}

// From every interface that is up and can multicast, with its own address.
QString KnxSearch::sendToGroup(quint16 port)
{
    QString error = QCoreApplication::translate("MainWindow", "no network interface can send it");
    const QHostAddress group(KnxNetIp::RoutingGroup);
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        if (!interface.flags().testFlags(QNetworkInterface::IsUp | QNetworkInterface::IsRunning |
                                         QNetworkInterface::CanMulticast))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            d->socket.setMulticastInterface(interface);
            if (d->socket.writeDatagram(searchRequest(entry.ip(), d->socket.localPort()), group,
                                        port) >= 0)
                error.clear();
            else if (!error.isEmpty())
                error = d->socket.errorString();
        }
    }
    return error;
}

QString KnxSearch::sendTo(const QHostAddress &address, quint16 port)
{
    if (address.protocol() != QAbstractSocket::IPv4Protocol)
        return QCoreApplication::translate("MainWindow", "%1 is no IPv4 address")
            .arg(address.toString());
    const QHostAddress local = localAddressTowards(address, port);
    if (d->socket.writeDatagram(searchRequest(local, d->socket.localPort()), address, port) < 0)
        return d->socket.errorString();
    return QString();
}

void KnxSearch::answered(const QNetworkDatagram &datagram)
{
    const std::optional<KnxNetIpFrame> frame = decodeKnxNetIpFrame(datagram.data());
    if (!frame || frame->service != KnxNetIp::Service::SearchResponse)
        return;
    const std::optional<SearchResponse> response = decodeSearchResponse(frame->body);
    if (!response)
        return;
    FoundKnxInterface interface;
    interface.name = response->name;
    interface.interface.host = response->control.address
                                   ? QHostAddress(response->control.address).toString()
                                   : datagram.senderAddress().toString();
    interface.interface.port =
        response->control.port ? response->control.port : quint16(datagram.senderPort());
    interface.individualAddress = response->individualAddress;
    interface.tunnelling = response->tunnelling;
    interface.routing = response->routing;
    if (d->endpoints.contains(interface.interface.text()))
        return;
    d->endpoints.insert(interface.interface.text());
    d->found << interface;
    emit interfaceFound(interface);
}
