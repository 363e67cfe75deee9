#pragma once

#include "gatewaytask.h"

// Gives the gateway new serial settings and follows it: the command goes out
// at the old settings, the line moves to the new ones, and a scan probe there
// confirms that the gateway listens. A gateway whose answer to the command
// was lost, but which has switched, is thus followed too. Without the probe,
// as the window does, the line follows an answered command only.
class SerialChange : public GatewayTask
{
    Q_OBJECT

public:
    enum class Confirmation { ScanProbe, None };

    SerialChange(FrameExchange &exchange, const SerialSettings &settings,
                 Confirmation confirmation = Confirmation::ScanProbe);

    QString name() const override { return QStringLiteral("serial settings"); }
    void start() override;
    int done() const override { return answeredFrames; }
    int total() const override { return 2; }
    QString awaited() const override;
    SerialSettings settingsGiven() const { return settings; }

private:
    void confirm();

    const SerialSettings settings;
    const Confirmation confirmation;
    int answeredFrames = 0;
    bool commandAnswered = false;
    bool confirming = false;
};
