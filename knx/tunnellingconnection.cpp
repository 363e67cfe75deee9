#include "tunnellingconnection.h"

#include "cemiframes.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QNetworkDatagram>

#include <algorithm>

using KnxNetIp::Service;

namespace {
constexpr int RequestTries = 2; // an unacknowledged request is sent once more
const Endpoint natEndpoint;     // 0.0.0.0:0

QString refusal(quint8 status, const QString &where)
{
    switch (status) {
    case KnxNetIp::NoMoreConnections:
        return QCoreApplication::translate(
                   "MainWindow",
                   "The KNX interface at %1 is busy: it has no free tunnel. Close another "
                   "program's connection to it, or wait a minute, and connect again.")
            .arg(where);
    case KnxNetIp::KnxConnectionError:
        return QCoreApplication::translate("MainWindow",
                                           "The KNX interface at %1 has no connection to the KNX "
                                           "bus. Check its bus cable, then connect again.")
            .arg(where);
    case KnxNetIp::ConnectionTypeError:
    case KnxNetIp::ConnectionOptionError:
    case KnxNetIp::TunnellingLayerError:
        return QCoreApplication::translate("MainWindow",
                                           "The KNX interface at %1 offers no tunnel on the link "
                                           "layer. Use another interface, or routing.")
            .arg(where);
    default:
        return QCoreApplication::translate("MainWindow",
                                           "The KNX interface at %1 refused the connection (error "
                                           "code %2). Check its settings, then connect again.")
            .arg(where, QStringLiteral("0x%1").arg(status, 2, 16, QLatin1Char('0')));
    }
}

QString lostText(const QString &where, const QString &why)
{
    return QCoreApplication::translate("MainWindow",
                                       "The connection to the KNX interface at %1 was lost: %2. "
                                       "Check the network and the interface, then connect again.")
        .arg(where, why);
}
} // namespace

TunnellingConnection::TunnellingConnection(const KnxInterface &interface, const KnxLimits &limits,
                                           QObject *parent)
    : KnxConnection(parent)
    , where(interface)
    , limits(limits)
{
    for (QTimer *timer : {&responseTimer, &heartbeatTimer, &heartbeatAnswerTimer, &sendTimer})
        timer->setSingleShot(true);
    connect(&socket, &QUdpSocket::readyRead, this, &TunnellingConnection::readDatagrams);
    connect(&responseTimer, &QTimer::timeout, this, &TunnellingConnection::responseTimedOut);
    connect(&heartbeatTimer, &QTimer::timeout, this, &TunnellingConnection::sendHeartbeat);
    connect(&heartbeatAnswerTimer, &QTimer::timeout, this,
            &TunnellingConnection::heartbeatTimedOut);
    connect(&sendTimer, &QTimer::timeout, this, &TunnellingConnection::sendTimedOut);
}

TunnellingConnection::~TunnellingConnection()
{
    if (state() == State::Connected)
        writeControl(Service::DisconnectRequest, encodeChannelRequest({channel, natEndpoint}));
    if (lookupId >= 0)
        QHostInfo::abortHostLookup(lookupId);
}

void TunnellingConnection::open()
{
    if (state() != State::Disconnected)
        return;
    setState(State::Connecting);
    if (socket.state() != QAbstractSocket::BoundState && !socket.bind(QHostAddress::AnyIPv4, 0)) {
        fail(QCoreApplication::translate("MainWindow",
                                         "Cannot open a UDP socket for the KNX interface: %1. "
                                         "Check the network settings of this computer.")
                 .arg(socket.errorString()));
        return;
    }
    lookupId = QHostInfo::lookupHost(where.host, this, &TunnellingConnection::resolved);
}

void TunnellingConnection::resolved(const QHostInfo &info)
{
    lookupId = -1;
    if (state() != State::Connecting)
        return;
    const QList<QHostAddress> addresses = info.addresses();
    const auto ipv4 = std::find_if(addresses.cbegin(), addresses.cend(), [](const auto &a) {
        return a.protocol() == QAbstractSocket::IPv4Protocol;
    });
    if (ipv4 == addresses.cend()) {
        fail(QCoreApplication::translate("MainWindow",
                                         "Cannot find the KNX interface %1: %2. Check the name, "
                                         "or give the interface's IP address.")
                 .arg(where.host,
                      info.error() == QHostInfo::NoError
                          ? QCoreApplication::translate("MainWindow", "it has no IPv4 address")
                          : info.errorString()));
        return;
    }
    server = *ipv4;
    sendSequence = receiveSequence = 0;
    heartbeatsUnanswered = 0;
    writeControl(Service::ConnectRequest, connectRequestBody(natEndpoint, natEndpoint));
    responseTimer.start(limits.connectTimeoutMs);
}

void TunnellingConnection::close()
{
    switch (state()) {
    case State::Disconnected:
        emit disconnected();
        return;
    case State::Connecting:
        if (lookupId >= 0)
            QHostInfo::abortHostLookup(lookupId);
        lookupId = -1;
        finishClose();
        return;
    case State::Connected:
        heartbeatTimer.stop();
        heartbeatAnswerTimer.stop();
        writeControl(Service::DisconnectRequest, encodeChannelRequest({channel, natEndpoint}));
        setState(State::Disconnecting);
        responseTimer.start(limits.disconnectTimeoutMs);
        dropTelegrams();
        return;
    case State::Disconnecting:
        return;
    }
}

bool TunnellingConnection::send(const GroupTelegram &telegram)
{
    if (state() != State::Connected)
        return false;
    queue << telegram;
    sendNext();
    return true;
}

void TunnellingConnection::readDatagrams()
{
    while (socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket.receiveDatagram();
        const std::optional<KnxNetIpFrame> frame = decodeKnxNetIpFrame(datagram.data());
        if (frame && !server.isNull() && datagram.senderAddress().isEqual(server))
            handle(*frame, datagram.senderAddress(), quint16(datagram.senderPort()));
    }
}

void TunnellingConnection::handle(const KnxNetIpFrame &frame, const QHostAddress &sender,
                                  quint16 senderPort)
{
    if (state() == State::Connecting) {
        if (frame.service == Service::ConnectResponse)
            connectAnswered(frame.body, sender, senderPort);
        return;
    }
    switch (frame.service) {
    case Service::ConnectionStateResponse:
        heartbeatAnswered(frame.body);
        break;
    case Service::DisconnectRequest:
        disconnectAsked(frame.body);
        break;
    case Service::DisconnectResponse:
        disconnectAnswered(frame.body);
        break;
    case Service::TunnellingRequest:
        requestReceived(frame.body);
        break;
    case Service::TunnellingAck:
        ackReceived(frame.body);
        break;
    default:
        break;
    }
}

void TunnellingConnection::connectAnswered(const QByteArray &body, const QHostAddress &sender,
                                           quint16 senderPort)
{
    const std::optional<ConnectResponse> response = decodeConnectResponse(body);
    if (!response)
        return;
    responseTimer.stop();
    if (response->status != KnxNetIp::NoError) {
        fail(refusal(response->status, where.text()));
        return;
    }
    channel = response->channel;
    address = response->address;
    dataAddress = response->data.address ? QHostAddress(response->data.address) : sender;
    dataPort = response->data.port ? response->data.port : senderPort;
    setState(State::Connected);
    heartbeatTimer.start(limits.heartbeatIntervalMs);
    emit connected();
}

void TunnellingConnection::heartbeatAnswered(const QByteArray &body)
{
    const std::optional<ChannelStatus> response = decodeChannelStatus(body);
    if (!response || response->channel != channel || !heartbeatAnswerTimer.isActive())
        return;
    heartbeatAnswerTimer.stop();
    if (response->status == KnxNetIp::KnxConnectionError) {
        lose(QCoreApplication::translate("MainWindow", "the interface lost the KNX bus"));
    } else if (response->status != KnxNetIp::NoError) {
        lose(QCoreApplication::translate("MainWindow", "the interface no longer knows it"));
    } else {
        heartbeatsUnanswered = 0;
        heartbeatTimer.start(limits.heartbeatIntervalMs);
    }
}

void TunnellingConnection::disconnectAsked(const QByteArray &body)
{
    const std::optional<ChannelRequest> request = decodeChannelRequest(body);
    if (!request || request->channel != channel)
        return;
    writeControl(Service::DisconnectResponse, encodeChannelStatus({channel, KnxNetIp::NoError}));
    if (state() == State::Disconnecting)
        finishClose();
    else
        fail(QCoreApplication::translate("MainWindow",
                                         "The KNX interface at %1 ended the connection. Connect "
                                         "again; if it happens again, check the interface.")
                 .arg(where.text()));
}

void TunnellingConnection::disconnectAnswered(const QByteArray &body)
{
    const std::optional<ChannelStatus> response = decodeChannelStatus(body);
    if (response && response->channel == channel && state() == State::Disconnecting)
        finishClose();
}

void TunnellingConnection::requestReceived(const QByteArray &body)
{
    const std::optional<TunnellingFrame> request = decodeTunnellingFrame(body);
    if (!request || request->channel != channel || state() != State::Connected)
        return;
    const bool expected = request->sequence == receiveSequence;
    if (!expected && request->sequence != quint8(receiveSequence - 1))
        return; // neither the next nor a repeat of the last: dropped unacknowledged
    writeData(Service::TunnellingAck,
              encodeTunnellingFrame({channel, request->sequence, KnxNetIp::NoError, {}}));
    if (!expected)
        return;
    ++receiveSequence;
    cemiReceived(request->cemi);
}

void TunnellingConnection::ackReceived(const QByteArray &body)
{
    const std::optional<TunnellingFrame> ack = decodeTunnellingFrame(body);
    if (!ack || ack->channel != channel || ack->sequence != sendSequence || !outstanding ||
        acknowledged || ack->status != KnxNetIp::NoError)
        return;
    acknowledged = true;
    ++sendSequence;
    sendTimer.start(limits.confirmTimeoutMs);
}

void TunnellingConnection::cemiReceived(const QByteArray &cemi)
{
    const std::optional<CemiFrame> frame = decodeCemiFrame(cemi);
    if (!frame)
        return;
    if (frame->messageCode == Cemi::LDataCon) {
        confirmed(*frame);
    } else if (frame->messageCode == Cemi::LDataInd) {
        if (const std::optional<GroupTelegram> telegram = groupTelegramOf(*frame))
            emit telegramReceived(*telegram);
    }
}

void TunnellingConnection::confirmed(const CemiFrame &frame)
{
    if (!outstanding)
        return;
    const CemiFrame sent = cemiFrameOf(*outstanding, Cemi::LDataReq);
    if (frame.destination != sent.destination || frame.tpdu != sent.tpdu)
        return;
    if (!acknowledged) // the ack was lost or overtaken
        ++sendSequence;
    sendTimer.stop();
    GroupTelegram telegram = *outstanding;
    telegram.source = frame.source ? frame.source : address;
    outstanding.reset();
    if (frame.control1 & Cemi::ConfirmError)
        emit sendFailed(telegram, QCoreApplication::translate(
                                      "MainWindow", "The KNX interface could not put the "
                                                    "telegram on the bus. Check the bus and "
                                                    "that the address is right."));
    else
        emit telegramSent(telegram);
    sendNext();
}

void TunnellingConnection::sendNext()
{
    if (state() != State::Connected || outstanding || queue.isEmpty())
        return;
    outstanding = queue.takeFirst();
    sendTries = 0;
    acknowledged = false;
    sendOutstanding();
}

void TunnellingConnection::sendOutstanding()
{
    ++sendTries;
    const QByteArray cemi = encodeCemiFrame(cemiFrameOf(*outstanding, Cemi::LDataReq));
    writeData(Service::TunnellingRequest,
              encodeTunnellingFrame({channel, sendSequence, KnxNetIp::NoError, cemi}));
    sendTimer.start(limits.ackTimeoutMs);
}

void TunnellingConnection::sendTimedOut()
{
    if (!outstanding)
        return;
    if (!acknowledged) {
        if (sendTries < RequestTries)
            sendOutstanding();
        else
            lose(QCoreApplication::translate("MainWindow",
                                             "the interface did not acknowledge a telegram"));
        return;
    }
    const GroupTelegram telegram = *outstanding;
    outstanding.reset();
    emit sendFailed(telegram, QCoreApplication::translate(
                                  "MainWindow", "The KNX interface did not confirm that the "
                                                "telegram went on the bus. Check the bus."));
    sendNext();
}

void TunnellingConnection::sendHeartbeat()
{
    writeControl(Service::ConnectionStateRequest, encodeChannelRequest({channel, natEndpoint}));
    heartbeatAnswerTimer.start(limits.heartbeatTimeoutMs);
}

void TunnellingConnection::heartbeatTimedOut()
{
    if (++heartbeatsUnanswered < limits.heartbeatTries) {
        sendHeartbeat();
        return;
    }
    lose(QCoreApplication::translate("MainWindow", "it did not answer %1 heartbeats in a row")
             .arg(heartbeatsUnanswered));
}

void TunnellingConnection::responseTimedOut()
{
    if (state() == State::Disconnecting) {
        finishClose();
        return;
    }
    fail(QCoreApplication::translate("MainWindow",
                                     "No answer from the KNX interface at %1. Check the address "
                                     "and that the interface is on.")
             .arg(where.text()));
}

// The connection counts as lost: the interface is told, if it still listens.
void TunnellingConnection::lose(const QString &reason)
{
    writeControl(Service::DisconnectRequest, encodeChannelRequest({channel, natEndpoint}));
    fail(lostText(where.text(), reason));
}

void TunnellingConnection::fail(const QString &reason)
{
    for (QTimer *timer : {&responseTimer, &heartbeatTimer, &heartbeatAnswerTimer, &sendTimer})
        timer->stop();
    setState(State::Disconnected);
    emit failed(reason);
    dropTelegrams();
}

void TunnellingConnection::finishClose()
{
    for (QTimer *timer : {&responseTimer, &heartbeatTimer, &heartbeatAnswerTimer, &sendTimer})
        timer->stop();
    setState(State::Disconnected);
    emit disconnected();
}

void TunnellingConnection::dropTelegrams()
{
    QList<GroupTelegram> dropped = queue;
    if (outstanding)
        dropped.prepend(*outstanding);
    queue.clear();
    outstanding.reset();
    sendTimer.stop();
    for (const GroupTelegram &telegram : std::as_const(dropped))
        emit sendFailed(telegram, QCoreApplication::translate(
                                      "MainWindow", "The connection to the KNX interface ended "
                                                    "before the telegram was sent."));
}

void TunnellingConnection::writeControl(Service service, const QByteArray &body)
{
    socket.writeDatagram(encodeKnxNetIpFrame({service, body}), server, where.port);
}

void TunnellingConnection::writeData(Service service, const QByteArray &body)
{
    socket.writeDatagram(encodeKnxNetIpFrame({service, body}), dataAddress, dataPort);
}
