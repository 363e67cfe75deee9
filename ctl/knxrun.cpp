#include "knxrun.h"

#include "commandline.h"
#include "consoleoutput.h"
#include "groupsendrequest.h"
#include "grouptelegramtext.h"
#include "knxaddresses.h"
#include "knxmonitorline.h"

#include <QDateTime>

KnxRun::KnxRun(const KnxInvocation &invocation, const GroupAddressBook &book, QObject *parent)
    : QObject(parent)
    , invocation(invocation)
    , book(book)
{
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &KnxRun::timedOut);
}

void KnxRun::start()
{
    if (exitCode) // interrupted before anything was sent: the run ends already
        return;
    if (invocation.action != KnxAction::Monitor) {
        const GroupSendRequest request = groupSendRequest(
            invocation.address,
            invocation.action == KnxAction::Read ? GroupService::Read : GroupService::Write,
            invocation.typeOrLength, invocation.value, book);
        if (!request.telegram) {
            end(ExitUsage, request.error);
            return;
        }
        telegram = *request.telegram;
    }
    connection = createKnxConnection(invocation.interface);
    connect(connection.get(), &KnxConnection::connected, this, &KnxRun::connected);
    connect(connection.get(), &KnxConnection::failed, this, &KnxRun::failed);
    connect(connection.get(), &KnxConnection::telegramReceived, this, &KnxRun::received);
    connect(connection.get(), &KnxConnection::telegramSent, this, &KnxRun::sent);
    connect(connection.get(), &KnxConnection::sendFailed, this, &KnxRun::sendFailed);
    connect(connection.get(), &KnxConnection::disconnected, this,
            [this] { emit finished(exitCode.value_or(ExitSucceeded)); });
    connection->open();
}

void KnxRun::interrupt(int signalNumber)
{
    end(128 + signalNumber);
}

void KnxRun::connected()
{
    wasConnected = true;
    switch (invocation.action) {
    case KnxAction::Monitor:
        writeErr(QStringLiteral("rs485ctl: watching the bus through %1\n")
                     .arg(visible(invocation.interface.text())));
        if (invocation.seconds > 0)
            timer.start(invocation.seconds * 1000);
        return;
    case KnxAction::Read:
        timer.start(invocation.timeoutMs);
        break;
    default:
        break;
    }
    connection->send(telegram);
}

void KnxRun::failed(const QString &reason)
{
    end(wasConnected ? ExitFailed : ExitUsage, reason);
}

void KnxRun::received(const GroupTelegram &seen)
{
    if (invocation.action == KnxAction::Monitor) {
        const QDateTime now = QDateTime::currentDateTime();
        writeOut(invocation.json ? QString::fromUtf8(knxMonitorJson(now, seen, book))
                                 : knxMonitorLine(now, seen, book));
    } else if (invocation.action == KnxAction::Read && seen.service == GroupService::Response &&
               seen.destination == telegram.destination && !exitCode) {
        const std::optional<DatapointType> type = invocation.typeOrLength.isEmpty()
                                                      ? bookDatapointType(seen.destination, book)
                                                      : parseDatapointType(invocation.typeOrLength);
        writeOut(knxValueText(seen, type).value_or(groupDataHex(seen)) + QLatin1Char('\n'));
        end(ExitSucceeded);
    }
}

void KnxRun::sent(const GroupTelegram &done)
{
    if (invocation.action != KnxAction::Write)
        return;
    writeOut(QStringLiteral("%1 \u2192 %2 write %3\n")
                 .arg(individualAddressText(done.source), groupAddressText(done.destination),
                      groupDataHex(done)));
    end(ExitSucceeded);
}

void KnxRun::sendFailed(const GroupTelegram &, const QString &reason)
{
    end(ExitFailed, reason);
}

void KnxRun::timedOut()
{
    if (invocation.action == KnxAction::Monitor)
        end(ExitSucceeded);
    else
        end(ExitFailed, QStringLiteral("no response from %1 within %2 s")
                            .arg(invocation.address)
                            .arg(invocation.timeoutMs / 1000.0));
}

// The first end counts: its message is printed and the connection closed.
void KnxRun::end(int code, const QString &message)
{
    if (exitCode)
        return;
    exitCode = code;
    timer.stop();
    if (!message.isEmpty())
        writeErr(QStringLiteral("rs485ctl: %1\n").arg(visible(message)));
    if (connection)
        connection->close(); // disconnected() ends the run
    else
        QTimer::singleShot(0, this, [this] { emit finished(*exitCode); });
}
