#pragma once

#include "busapdu.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;
typedef struct _EIBConnection EIBConnection;

// The gateway's KNX side: a group socket on knxd through knxd's own client
// library, read on the event loop. Connects at once and, while knxd cannot be
// reached or after it went away, tries again every 2 s; each change is said
// once in message().
class KnxdLink : public QObject
{
    Q_OBJECT

public:
    // url: knxd's client address, "local:/run/knx" or "ip:HOST:PORT".
    explicit KnxdLink(const QString &url, QObject *parent = nullptr);
    ~KnxdLink() override;

    QString url() const { return clientUrl; }
    bool isConnected() const { return connection != nullptr; }
    // Hands a group telegram to knxd; false when not connected or knxd does
    // not take it (the link then counts as lost).
    bool send(quint16 group, const QByteArray &apdu);

signals:
    void received(const BusTelegram &telegram);
    void connectedChanged(bool connected);
    void message(const QString &text);

private:
    void tryConnect();
    void readTelegrams();
    void lose(const QString &reason);

    QString clientUrl;
    EIBConnection *connection = nullptr;
    QSocketNotifier *notifier = nullptr;
    QTimer retryTimer;
    bool failureSaid = false;
};
