#pragma once

#include "knxinterface.h"

#include <QList>
#include <QObject>

#include <memory>

class QHostAddress;
class QNetworkDatagram;

// KNXnet/IP interfaces that answer a search request on the multicast group
// within a time (3 s by default).
struct FoundKnxInterface
{
    QString name;           // the device's friendly name
    KnxInterface interface; // its control endpoint (tunnelling)
    quint16 individualAddress = 0;
    bool tunnelling = false; // offers tunnelling
    bool routing = false;    // offers routing
};

class KnxSearch : public QObject
{
    Q_OBJECT

public:
    explicit KnxSearch(QObject *parent = nullptr);
    ~KnxSearch() override;

    // Sends the request to the multicast group on port 3671 from every network
    // interface that can send it, and collects answers for waitMs; finished()
    // follows.
    void start(int waitMs = 3000);
    // The same to one target: the multicast group on its port (routing), or
    // one interface at its address (an IPv4 address, not a name).
    void start(int waitMs, const KnxInterface &target);
    QList<FoundKnxInterface> found() const;

signals:
    void interfaceFound(const FoundKnxInterface &interface);
    // The search ended; error is empty, or says why no request could go out.
    void finished(const QString &error);

private:
    QString sendToGroup(quint16 port);
    QString sendTo(const QHostAddress &address, quint16 port);
    void answered(const QNetworkDatagram &datagram);

    struct Private;
    std::unique_ptr<Private> d;
};
