#pragma once

#include "knxconnection.h"
#include "knxnetipframes.h"

#include <QHostAddress>
#include <QList>
#include <QTimer>
#include <QUdpSocket>

#include <optional>

class QHostInfo;
struct CemiFrame;

// A KNXnet/IP tunnelling connection on the link layer, asked for behind NAT
// (0.0.0.0:0: the interface answers where the requests come from). One
// tunnelling request is out at a time, until its L_Data.con.
class TunnellingConnection : public KnxConnection
{
    Q_OBJECT

public:
    TunnellingConnection(const KnxInterface &interface, const KnxLimits &limits,
                         QObject *parent = nullptr);
    ~TunnellingConnection() override;

    KnxInterface interface() const override { return where; }
    quint16 ownAddress() const override { return address; }
    void open() override;
    void close() override;
    bool send(const GroupTelegram &telegram) override;

private:
    void resolved(const QHostInfo &info);
    void readDatagrams();
    void handle(const KnxNetIpFrame &frame, const QHostAddress &sender, quint16 senderPort);
    void connectAnswered(const QByteArray &body, const QHostAddress &sender, quint16 senderPort);
    void heartbeatAnswered(const QByteArray &body);
    void disconnectAsked(const QByteArray &body);
    void disconnectAnswered(const QByteArray &body);
    void requestReceived(const QByteArray &body);
    void ackReceived(const QByteArray &body);
    void cemiReceived(const QByteArray &cemi);
    void confirmed(const CemiFrame &frame);

    void sendNext();
    void sendOutstanding();
    void sendTimedOut();
    void sendHeartbeat();
    void heartbeatTimedOut();
    void responseTimedOut();

    void lose(const QString &reason);
    void fail(const QString &reason);
    void finishClose();
    void dropTelegrams();
    void writeControl(KnxNetIp::Service service, const QByteArray &body);
    void writeData(KnxNetIp::Service service, const QByteArray &body);

    const KnxInterface where;
    const KnxLimits limits;
    QUdpSocket socket;
    QTimer responseTimer;        // CONNECT_RESPONSE or DISCONNECT_RESPONSE
    QTimer heartbeatTimer;       // the next CONNECTIONSTATE_REQUEST
    QTimer heartbeatAnswerTimer; // its response
    QTimer sendTimer;            // the outstanding request's ack, then its L_Data.con
    int lookupId = -1;
    QHostAddress server;
    QHostAddress dataAddress;
    quint16 dataPort = 0;
    quint8 channel = 0;
    quint16 address = 0;
    quint8 sendSequence = 0;
    quint8 receiveSequence = 0;
    int heartbeatsUnanswered = 0;
    QList<GroupTelegram> queue;
    std::optional<GroupTelegram> outstanding;
    int sendTries = 0;
    bool acknowledged = false;
};
