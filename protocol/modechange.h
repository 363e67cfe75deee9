#pragma once

#include "gatewaytask.h"

// Switches the gateway to debug or working mode.
class ModeChange : public GatewayTask
{
    Q_OBJECT

public:
    ModeChange(FrameExchange &exchange, OperatingMode mode);

    QString name() const override;
    void start() override;
    int done() const override { return answered ? 1 : 0; }
    int total() const override { return 1; }
    QString awaited() const override;
    OperatingMode mode() const { return operatingMode; }

private:
    const OperatingMode operatingMode;
    bool answered = false;
};
