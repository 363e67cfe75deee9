#pragma once

#include "grouptelegram.h"
#include "knxinterface.h"

#include <QObject>

#include <memory>

// The times of a connection; tests shorten them.
struct KnxLimits
{
    int connectTimeoutMs = 10000;    // for the CONNECT_RESPONSE
    int heartbeatIntervalMs = 60000; // between CONNECTIONSTATE_REQUESTs
    int heartbeatTimeoutMs = 10000;  // for each CONNECTIONSTATE_RESPONSE
    int heartbeatTries = 3;          // unanswered in a row: the connection is lost
    int ackTimeoutMs = 1000;         // for a TUNNELLING_ACK; then sent once more
    int confirmTimeoutMs = 3000;     // for the L_Data.con after the ack
    int disconnectTimeoutMs = 1000;  // for the DISCONNECT_RESPONSE
};

// A connection to the bus through a KNXnet/IP interface: tunnelling (a
// connection with heartbeat, acknowledged requests) or routing (multicast, no
// connection). Group telegrams go out as cEMI L_Data.req and come in as
// L_Data.ind; what the tool sent comes back through telegramSent() once the
// interface confirms it (L_Data.con), or, routing, once it is on the network.
class KnxConnection : public QObject
{
    Q_OBJECT

public:
    enum class State { Disconnected, Connecting, Connected, Disconnecting };
    Q_ENUM(State)

    using QObject::QObject;
    ~KnxConnection() override = default;

    virtual KnxInterface interface() const = 0;
    State state() const { return current; }
    // The individual address the interface gave this connection (tunnelling),
    // or the one it sends with (routing); 0 before connected.
    virtual quint16 ownAddress() const = 0;

    // Connects; connected() or failed() follows.
    virtual void open() = 0;
    // Disconnects cleanly; disconnected() follows (at once when not connected).
    virtual void close() = 0;
    // Queues a telegram for the bus (its source is filled in by the interface);
    // false when not connected.
    virtual bool send(const GroupTelegram &telegram) = 0;

signals:
    void stateChanged(KnxConnection::State state);
    void connected();
    void disconnected();
    // The connection could not be made or was lost; the text says what
    // happened and what to do (translated). The state is Disconnected.
    void failed(const QString &reason);
    // A group telegram from the bus (L_Data.ind).
    void telegramReceived(const GroupTelegram &telegram);
    // A telegram of ours that the interface put on the bus (L_Data.con, positive).
    void telegramSent(const GroupTelegram &telegram);
    // A telegram of ours the interface could not put on the bus (translated reason).
    void sendFailed(const GroupTelegram &telegram, const QString &reason);

protected:
    void setState(State state);

private:
    State current = State::Disconnected;
};

// A tunnelling or routing connection for the interface, not yet open. A
// routing connection sends from 15.15.250.
std::unique_ptr<KnxConnection> createKnxConnection(const KnxInterface &interface,
                                                   QObject *parent = nullptr);
std::unique_ptr<KnxConnection> createKnxConnection(const KnxInterface &interface,
                                                   const KnxLimits &limits,
                                                   QObject *parent = nullptr);
