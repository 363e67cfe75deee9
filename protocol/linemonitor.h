#pragma once

#include "gatewaytask.h"

class ProtocolCapture;
class QIODevice;

// Writes what arrives on the line to a device as capture lines, one per
// burst, until it is stopped; fails only when the device cannot be written.
class LineMonitor : public GatewayTask
{
    Q_OBJECT

public:
    // The device must be open for writing; it is not owned.
    LineMonitor(FrameExchange &exchange, QIODevice *output);

    QString name() const override { return QStringLiteral("monitor"); }
    void start() override;
    void stop() override;
    int done() const override { return 0; }
    int total() const override { return 0; }

private:
    QIODevice *output;
    ProtocolCapture *capture = nullptr;
};
