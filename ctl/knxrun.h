#pragma once

#include "groupaddressbook.h"
#include "knxconnection.h"
#include "knxinvocation.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

// A knx monitor, write or read: connects to the interface, does its work, and
// closes the connection before it ends with the exit code.
class KnxRun : public QObject
{
    Q_OBJECT

public:
    KnxRun(const KnxInvocation &invocation, const GroupAddressBook &book,
           QObject *parent = nullptr);

    void start();
    // Closes the connection; the run then ends with 128 + the signal.
    void interrupt(int signalNumber);

signals:
    void finished(int exitCode);

private:
    void connected();
    void failed(const QString &reason);
    void received(const GroupTelegram &telegram);
    void sent(const GroupTelegram &telegram);
    void sendFailed(const GroupTelegram &telegram, const QString &reason);
    void timedOut();
    void end(int exitCode, const QString &message = QString());

    const KnxInvocation invocation;
    const GroupAddressBook book;
    std::unique_ptr<KnxConnection> connection;
    GroupTelegram telegram; // write, read
    QTimer timer;           // monitor: its seconds; read: the response's time-out
    bool wasConnected = false;
    std::optional<int> exitCode;
};
