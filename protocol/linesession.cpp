#include "linesession.h"

#include "createserialline.h"

LineSession::LineSession(const ExchangeLimits &limits, int readBufferSize, QObject *parent)
    : QObject(parent)
    , limits(limits)
    , readBufferSize(readBufferSize)
{}

LineSession::~LineSession()
{
    delete current;
    exchange.reset();
}

void LineSession::open(const QString &portName)
{
    retire();
    exchange.reset();
    myCom = createSerialLine(portName);
    myCom->setReadBufferSize(readBufferSize);
    connect(myCom.get(), &SerialLine::opened, this, &LineSession::lineOpened);
    connect(myCom.get(), &SerialLine::openFailed, this, &LineSession::openFailed);
    connect(myCom.get(), &SerialLine::lost, this, &LineSession::lineLost);
    myCom->openLine();
}

void LineSession::lineOpened()
{
    exchange = std::make_unique<FrameExchange>(*myCom, limits, AnswerRule::Block);
    connect(exchange.get(), &FrameExchange::sent, this, &LineSession::sent);
    connect(exchange.get(), &FrameExchange::received, this, &LineSession::received);
    connect(exchange.get(), &FrameExchange::shown, this, &LineSession::shown);
    connect(exchange.get(), &FrameExchange::overdue, this, &LineSession::overdue);
    emit opened();
}

// Bytes held for showing go with the engine, as they went with a closed port.
void LineSession::close()
{
    endTask(EndReason::Closed);
    retire();
    exchange.reset();
    if (myCom)
        myCom->close();
}

void LineSession::lineLost(const QString &reason)
{
    endTask(EndReason::Lost);
    retire();
    exchange.reset();
    emit lost(reason);
}

void LineSession::sendRaw(const QByteArray &bytes)
{
    if (exchange)
        exchange->sendRaw(bytes);
}

void LineSession::run(GatewayTask *task)
{
    endTask(EndReason::NewTask);
    retire();
    current = task;
    running = true;
    connect(task, &GatewayTask::finished, this, [this, task] {
        running = false;
        emit taskFinished(task);
    });
    task->start();
}

void LineSession::endTask(EndReason reason)
{
    if (!running)
        return;
    running = false;
    current->disconnect(this);
    current->stop();
    emit taskEnded(current, reason);
}

// A task that is over may still be on the stack of its own signal.
void LineSession::retire()
{
    if (!current)
        return;
    current->disconnect(this);
    current->deleteLater();
    current = nullptr;
}
