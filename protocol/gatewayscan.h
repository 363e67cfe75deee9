#pragma once

#include "gatewaytask.h"
#include "scanmatrix.h"

// Finds the settings the gateway listens at: every combination in the
// window's order, each put into effect, probed and given ProbeIntervalMs (or
// the interval given) for the answer; the settings the answer reports are then
// put into effect.
class GatewayScan : public GatewayTask
{
    Q_OBJECT

public:
    static constexpr int ProbeIntervalMs = 400;

    explicit GatewayScan(FrameExchange &exchange, int probeIntervalMs = ProbeIntervalMs);

    QString name() const override { return QStringLiteral("scan"); }
    void start() override;
    int done() const override { return probes; }
    int total() const override { return ScanMatrix::Combinations; }

    // The settings the answer reported, once the scan has succeeded.
    SerialSettings found() const { return foundSettings; }

signals:
    // The next combination is put into effect and probed.
    void probing(const SerialSettings &settings);

private:
    void probeNext();
    void adopt(const QByteArray &answer);

    const int probeIntervalMs;
    ScanMatrix untried;
    int probes = 0;
    SerialSettings foundSettings;
};
