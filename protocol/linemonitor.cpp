#include "linemonitor.h"

#include "protocolcapture.h"

LineMonitor::LineMonitor(FrameExchange &exchange, QIODevice *output)
    : GatewayTask(exchange)
    , output(output)
{}

void LineMonitor::start()
{
    capture = new ProtocolCapture(output, this);
    connect(&exchange, &FrameExchange::received, capture, &ProtocolCapture::received);
    connect(capture, &ProtocolCapture::failed, this, [this](const QString &reason) {
        exchange.disconnect(capture);
        fail(QStringLiteral("cannot write the capture: %1").arg(reason));
    });
}

void LineMonitor::stop()
{
    GatewayTask::stop();
    if (capture)
        capture->finish();
}
