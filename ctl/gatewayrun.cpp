#include "gatewayrun.h"

#include "consoleoutput.h"
#include "gatewayjob.h"
#include "gatewayscan.h"
#include "linemonitor.h"
#include "modechange.h"
#include "progressdisplay.h"
#include "runreport.h"
#include "serialchange.h"
#include "tabledownload.h"
#include "telegramsend.h"

GatewayRun::GatewayRun(const Invocation &invocation, const TelegramTables &tables,
                       QIODevice *capture, QObject *parent)
    : QObject(parent)
    , invocation(invocation)
    , tables(tables)
    , capture(capture)
{}

GatewayJob *GatewayRun::createJob(const QString &port)
{
    auto *job = new GatewayJob(port, invocation.line, invocation.limits, this);
    if (invocation.scanFirst || invocation.command == CtlCommand::Scan)
        job->addTask<GatewayScan>();
    switch (invocation.command) {
    case CtlCommand::Mode:
        job->addTask<ModeChange>(invocation.mode);
        break;
    case CtlCommand::Serial:
        job->addTask<SerialChange>(invocation.newSettings);
        break;
    case CtlCommand::Download:
        if (invocation.commission)
            job->addTask<ModeChange>(DebugMode);
        job->addTask<TableDownload>(tables);
        if (invocation.commission)
            job->addTask<ModeChange>(WorkingMode);
        break;
    case CtlCommand::Send:
        job->addTask<TelegramSend>(invocation.telegram);
        break;
    case CtlCommand::Monitor:
        job->addTask<LineMonitor>(capture);
        break;
    case CtlCommand::Ports:
    case CtlCommand::Scan:
    case CtlCommand::Check: // CheckRun's
        break;
    }
    connect(job, &GatewayJob::finished, this, &GatewayRun::jobEnded);
    return job;
}

void GatewayRun::start()
{
    if (interruptingSignal) { // before anything was sent
        emit finished(exitCodeOf({}, interruptingSignal));
        return;
    }
    for (const QString &port : invocation.ports)
        jobs << createJob(port);
    const bool redrawn = errIsTerminal() && invocation.command != CtlCommand::Monitor;
    display = new ProgressDisplay(
        jobs, redrawn ? ProgressDisplay::Style::Redrawn : ProgressDisplay::Style::Lines, this);
    for (GatewayJob *job : std::as_const(jobs))
        job->start();
}

void GatewayRun::interrupt(int signalNumber)
{
    if (!interruptingSignal)
        interruptingSignal = signalNumber;
    for (GatewayJob *job : std::as_const(jobs))
        job->stop();
}

void GatewayRun::jobEnded()
{
    // Each job ends once; one that cannot open its port ends while the run starts.
    if (++endedJobs < jobs.size())
        return;
    display->finish();
    QList<JobReport> reports;
    for (const GatewayJob *job : std::as_const(jobs))
        reports << job->report();
    const int exitCode = exitCodeOf(reports, interruptingSignal);
    const bool outTaken = invocation.json || invocation.command == CtlCommand::Monitor;
    (outTaken ? writeErr : writeOut)(summaryTable(reports));
    if (invocation.json)
        writeOut(QString::fromUtf8(jsonReport(invocation.commandName, exitCode, reports)));
    emit finished(exitCode);
}
