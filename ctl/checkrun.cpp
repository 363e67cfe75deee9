#include "checkrun.h"

#include "checkreport.h"
#include "consoleoutput.h"
#include "gatewayjob.h"
#include "gatewayscan.h"
#include "knxconnection.h"
#include "progressdisplay.h"
#include "rowchecktask.h"

CheckRun::CheckRun(const Invocation &invocation, const TelegramTables &tables, QObject *parent)
    : QObject(parent)
    , invocation(invocation)
    , plans(rowCheckPlans(tables, invocation.rows))
{
    for (const RowCheckPlan &plan : plans)
        names.insert(plan.where, plan.name);
}

// The jobs' tasks go before the connection and the sources they refer to.
CheckRun::~CheckRun()
{
    qDeleteAll(jobs);
}

void CheckRun::start()
{
    if (interruptingSignal) { // before anything was sent
        end(128 + *interruptingSignal);
        return;
    }
    connection = createKnxConnection(invocation.knxInterface);
    connect(connection.get(), &KnxConnection::connected, this, &CheckRun::startJobs);
    connect(connection.get(), &KnxConnection::failed, this, &CheckRun::connectionFailed);
    connect(connection.get(), &KnxConnection::disconnected, this, &CheckRun::closed);
    connection->open();
}

void CheckRun::interrupt(int signalNumber)
{
    if (!interruptingSignal)
        interruptingSignal = signalNumber;
    // A check that waits to learn its gateway's address does not start its
    // row when the one learning stops.
    sources.blockSignals(true);
    if (jobs.isEmpty() && connection)
        connection->close(); // still connecting: closed() ends the run
    for (GatewayJob *job : std::as_const(jobs))
        job->stop();
}

void CheckRun::startJobs()
{
    for (const QString &port : invocation.ports)
        jobs << createJob(port);
    progress = new ProgressDisplay(
        jobs, errIsTerminal() ? ProgressDisplay::Style::Redrawn : ProgressDisplay::Style::Lines,
        this);
    for (GatewayJob *job : std::as_const(jobs))
        job->start();
}

GatewayJob *CheckRun::createJob(const QString &port)
{
    auto *job = new GatewayJob(port, invocation.line, invocation.limits, this);
    if (invocation.scanFirst)
        job->addTask<GatewayScan>();
    RowCheckLimits limits;
    limits.checkMs = invocation.checkMs;
    RowCheckTask &task = job->addTask<RowCheckTask>(*connection, plans, limits);
    task.shareSources(&sources);
    tasks << &task;
    connect(&task, &RowCheckTask::rowChecked, this,
            [this, job](const RowCheckResult &result) { rowChecked(job, result); });
    connect(job, &GatewayJob::finished, this, &CheckRun::jobEnded);
    return job;
}

// Before the jobs start the connection could not be made, and nothing was
// sent; after, each check fails with the reason.
void CheckRun::connectionFailed(const QString &reason)
{
    if (!jobs.isEmpty())
        return;
    // The connection's reasons are whole sentences.
    writeErr(QStringLiteral("rs485ctl: %1 Nothing was sent.\n").arg(visible(reason)));
    end(interruptingSignal ? 128 + *interruptingSignal : ExitUsage);
}

void CheckRun::rowChecked(const GatewayJob *job, const RowCheckResult &result)
{
    if (job->isRunning())
        progress->print(checkRowLine(job->port(), {result, nameOf(result.where)}), invocation.json);
}

void CheckRun::jobEnded()
{
    // Each job ends once; one that cannot open its port ends while the run starts.
    if (++endedJobs < jobs.size())
        return;
    progress->finish();
    connection->close();
}

// The connection is closed: the report, then the end.
void CheckRun::closed()
{
    if (jobs.isEmpty()) { // interrupted while connecting
        end(interruptingSignal ? 128 + *interruptingSignal : ExitFailed);
        return;
    }
    QList<PortCheck> ports;
    for (qsizetype index = 0; index < jobs.size(); ++index) {
        PortCheck port{jobs.at(index)->report(), {}};
        for (const RowCheckResult &result : tasks.at(index)->results())
            port.rows << CheckedRow{result, nameOf(result.where)};
        ports << port;
    }
    const int exitCode = checkExitCode(ports, interruptingSignal);
    (invocation.json ? writeErr : writeOut)(checkSummaryTable(ports));
    if (invocation.json)
        writeOut(QString::fromUtf8(checkJsonReport(invocation.knxInterface, exitCode, ports)));
    end(exitCode);
}

void CheckRun::end(int exitCode)
{
    if (ended)
        return;
    ended = true;
    emit finished(exitCode);
}

QString CheckRun::nameOf(TableRow where) const
{
    return names.value(where);
}
