#include "telegramsend.h"

TelegramSend::TelegramSend(FrameExchange &exchange, const QByteArray &telegram)
    : GatewayTask(exchange)
    , telegram(telegram)
{
    writeTimer.setSingleShot(true);
    connect(&writeTimer, &QTimer::timeout, this, [this] {
        line().disconnect(this);
        fail(QStringLiteral("the telegram could not be written within %1 ms")
                 .arg(writeTimer.interval()));
    });
}

void TelegramSend::stop()
{
    GatewayTask::stop();
    writeTimer.stop();
}

void TelegramSend::start()
{
    connect(
        &line(), &SerialLine::allWritten, this,
        [this] {
            writeTimer.stop();
            written = true;
            succeed(
                QStringLiteral("sent %1").arg(QString::fromLatin1(telegram.toHex(' ').toUpper())));
        },
        Qt::SingleShotConnection);
    writeTimer.start(exchange.limits().timeoutMs);
    exchange.sendRaw(telegram);
}
