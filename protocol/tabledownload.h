#pragma once

#include "downloadframes.h"
#include "gatewaytask.h"

// Downloads the three tables, frame by frame, each sent once the one before
// is answered, from a copy taken when the task is made. The tables must hold
// at most 65535 rows each.
// burnflag and workMode() tell which frame awaits its answer.
class TableDownload : public GatewayTask
{
    Q_OBJECT

public:
    TableDownload(FrameExchange &exchange, const TelegramTables &tables);

    QString name() const override { return QStringLiteral("download"); }
    void start() override;
    int done() const override { return answeredFrames; }
    int total() const override { return downloadFrameCount(tables); }
    // "the table-size frame", "485 to KNX row 4" (rows counted from 1)
    QString awaited() const override;

    const BurnFlag &progress() const { return burnflag; }
    WorkMode workMode() const { return mode; }

private:
    void downloadStep();
    QString remedyOfSilence() const;

    const TelegramTables tables;
    BurnFlag burnflag;
    WorkMode mode = E_FUNC_MODE_NONE;
    int answeredFrames = 0;
};
