#pragma once

#include "commandline.h"
#include "gatewaysources.h"
#include "rowcheckplan.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <memory>
#include <optional>

class GatewayJob;
class KnxConnection;
class ProgressDisplay;
class RowCheckTask;

// The check of a project's rows on every port at once over one KNX
// connection: connects to the interface, then runs on each port a job of
// its own (the scan if asked, then the check), the gateways told apart by
// their individual addresses. Prints a line per row as it is checked, then
// the summary table, or the JSON report with --json; closes the connection
// before it ends with the exit code.
class CheckRun : public QObject
{
    Q_OBJECT

public:
    // The tables must outlive the run.
    CheckRun(const Invocation &invocation, const TelegramTables &tables, QObject *parent = nullptr);
    ~CheckRun() override;

    void start();
    // Stops every job and closes the connection; the run then ends with
    // 128 + the signal.
    void interrupt(int signalNumber);

signals:
    void finished(int exitCode);

private:
    void startJobs();
    GatewayJob *createJob(const QString &port);
    void connectionFailed(const QString &reason);
    void rowChecked(const GatewayJob *job, const RowCheckResult &result);
    void jobEnded();
    void closed();
    void end(int exitCode);
    QString nameOf(TableRow where) const;

    const Invocation invocation;
    const QList<RowCheckPlan> plans;
    QHash<TableRow, QString> names;
    std::unique_ptr<KnxConnection> connection;
    GatewaySources sources;
    QList<GatewayJob *> jobs;
    QList<const RowCheckTask *> tasks; // one per job, owned by it
    ProgressDisplay *progress = nullptr;
    std::optional<int> interruptingSignal;
    qsizetype endedJobs = 0;
    bool ended = false;
};
