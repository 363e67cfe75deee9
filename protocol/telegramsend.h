#pragma once

#include "gatewaytask.h"

#include <QTimer>

// Puts a test telegram on the line raw, in one write, and awaits nothing but
// the write, for at most the time-out of an answer.
class TelegramSend : public GatewayTask
{
    Q_OBJECT

public:
    TelegramSend(FrameExchange &exchange, const QByteArray &telegram);

    QString name() const override { return QStringLiteral("send"); }
    void start() override;
    int done() const override { return written ? 1 : 0; }
    int total() const override { return 1; }
    void stop() override;

private:
    const QByteArray telegram;
    QTimer writeTimer;
    bool written = false;
};
