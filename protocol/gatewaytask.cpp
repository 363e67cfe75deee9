#include "gatewaytask.h"

GatewayTask::GatewayTask(FrameExchange &exchange)
    : exchange(exchange)
{}

void GatewayTask::stop()
{
    exchange.cancel();
    line().disconnect(this);
}

void GatewayTask::succeed(const QString &outcome)
{
    ok = true;
    result = outcome;
    emit finished();
}

void GatewayTask::fail(const QString &reason)
{
    ok = false;
    result = reason;
    emit finished();
}

void GatewayTask::send(const QByteArray &frame, int answerLength, FrameExchange::AnswerHandler done)
{
    exchange.send(frame, answerLength, limits(), std::move(done));
    emit progressed();
}

void GatewayTask::failUnanswered(const QString &remedy)
{
    const int tries = 1 + limits().retries;
    const QString unanswered = QStringLiteral("no answer to %1 after %2 %3")
                                   .arg(awaited())
                                   .arg(tries)
                                   .arg(tries == 1 ? "try" : "tries");
    fail(remedy.isEmpty() ? unanswered : unanswered + QStringLiteral(": ") + remedy);
}
