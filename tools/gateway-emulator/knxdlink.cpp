#include "knxdlink.h"

#include <QSocketNotifier>

#include <eibclient.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {
constexpr int RetryMs = 2000;
constexpr int MostApduBytes = 255;

QString systemError(int number)
{
    return QString::fromLocal8Bit(std::strerror(number));
}
} // namespace

KnxdLink::KnxdLink(const QString &url, QObject *parent)
    : QObject(parent)
    , clientUrl(url)
{
    // The client library writes to its socket with write(): a knxd that went
    // away must end the link, not the process.
    std::signal(SIGPIPE, SIG_IGN);
    retryTimer.setInterval(RetryMs);
    connect(&retryTimer, &QTimer::timeout, this, &KnxdLink::tryConnect);
    QTimer::singleShot(0, this, &KnxdLink::tryConnect);
}

KnxdLink::~KnxdLink()
{
    if (connection)
        EIBClose(connection);
}

void KnxdLink::tryConnect()
{
    if (connection)
        return;
    EIBConnection *candidate = EIBSocketURL(clientUrl.toLocal8Bit().constData());
    if (!candidate || EIBOpen_GroupSocket(candidate, 0) == -1) {
        const int error = errno;
        if (candidate)
            EIBClose(candidate);
        if (!failureSaid)
            emit message(QStringLiteral("KNX: cannot connect to knxd at %1 (%2); trying again "
                                        "every %3 s")
                             .arg(clientUrl, systemError(error))
                             .arg(RetryMs / 1000));
        failureSaid = true;
        retryTimer.start();
        return;
    }
    connection = candidate;
    failureSaid = false;
    retryTimer.stop();
    notifier = new QSocketNotifier(EIB_Poll_FD(connection), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &KnxdLink::readTelegrams);
    emit message(QStringLiteral("KNX: connected to knxd at %1").arg(clientUrl));
    emit connectedChanged(true);
}

void KnxdLink::readTelegrams()
{
    while (connection) {
        const int state = EIB_Poll_Complete(connection);
        if (state == 0)
            return;
        uint8_t buffer[MostApduBytes];
        eibaddr_t source = 0;
        eibaddr_t group = 0;
        const int size =
            state == 1 ? EIBGetGroup_Src(connection, int(sizeof buffer), buffer, &source, &group)
                       : -1;
        if (size < 0) {
            lose(QStringLiteral("knxd closed the connection"));
            return;
        }
        emit received({source, group, QByteArray(reinterpret_cast<const char *>(buffer), size)});
    }
}

bool KnxdLink::send(quint16 group, const QByteArray &apdu)
{
    if (!connection)
        return false;
    if (EIBSendGroup(connection, group, int(apdu.size()),
                     reinterpret_cast<const uint8_t *>(apdu.constData())) == -1) {
        lose(systemError(errno));
        return false;
    }
    return true;
}

void KnxdLink::lose(const QString &reason)
{
    // Called from the notifier's own signal: it goes once control returns.
    notifier->setEnabled(false);
    notifier->deleteLater();
    notifier = nullptr;
    EIBClose(connection);
    connection = nullptr;
    failureSaid = true;
    emit message(QStringLiteral("KNX: lost the connection to knxd at %1 (%2); trying again every "
                                "%3 s")
                     .arg(clientUrl, reason)
                     .arg(RetryMs / 1000));
    emit connectedChanged(false);
    retryTimer.start();
}
