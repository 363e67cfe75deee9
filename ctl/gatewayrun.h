#pragma once

#include "commandline.h"
#include "telegramtables.h"

#include <QList>
#include <QObject>

#include <optional>

class GatewayJob;
class ProgressDisplay;
class QIODevice;

// The work of a gateway command on every port at once, one job per port, and
// its report: progress on standard error, then the summary table, or the JSON
// report with --json, on standard output (the table on standard error when
// standard output carries the report or a monitor's capture).
class GatewayRun : public QObject
{
    Q_OBJECT

public:
    // The tables are downloaded, the capture written by a monitor; both must
    // outlive the run.
    GatewayRun(const Invocation &invocation, const TelegramTables &tables, QIODevice *capture,
               QObject *parent = nullptr);

    void start();
    // Stops every job; the run then ends with 128 + the signal.
    void interrupt(int signalNumber);

signals:
    void finished(int exitCode);

private:
    GatewayJob *createJob(const QString &port);
    void jobEnded();

    const Invocation invocation;
    const TelegramTables &tables;
    QIODevice *capture;
    QList<GatewayJob *> jobs;
    ProgressDisplay *display = nullptr;
    std::optional<int> interruptingSignal;
    qsizetype endedJobs = 0;
};
