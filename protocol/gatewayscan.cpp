#include "gatewayscan.h"

#include "serialsettingstexts.h"

GatewayScan::GatewayScan(FrameExchange &exchange, int probeIntervalMs)
    : GatewayTask(exchange)
    , probeIntervalMs(probeIntervalMs)
{}

void GatewayScan::start()
{
    untried.fill();
    probes = 0;
    probeNext();
}

// The wait for an answer starts once the probe's settings are in effect.
void GatewayScan::probeNext()
{
    const std::optional<ScanMatrix::Combination> next = untried.takeNext();
    if (!next) {
        fail(QStringLiteral("no answer at any of the %1 combinations").arg(total()));
        return;
    }
    const SerialSettings settings{next->baudIndex, next->stopBitIndex, next->parityIndex};
    emit probing(settings);
    applyThen(settings, [this] {
        ++probes;
        exchange.probe(buildFrame(CMD_READ_SERIAL_PARAMETERS, scanProbePayload()), ScanAnswerLength,
                       probeIntervalMs, [this](const std::optional<QByteArray> &answer) {
                           if (answer)
                               adopt(*answer);
                           else
                               probeNext();
                       });
    });
}

void GatewayScan::adopt(const QByteArray &answer)
{
    foundSettings = scanAnswerSettings(answer);
    applyThen(foundSettings, [this] {
        succeed(QStringLiteral("at %1").arg(describeSerialSettings(foundSettings)));
    });
}
