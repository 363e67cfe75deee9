// rs485ctl: commissions RS485-to-KNX gateways from the command line.

#include "checkrun.h"
#include "commandline.h"
#include "consoleoutput.h"
#include "downloadproject.h"
#include "gatewayrun.h"
#include "knxrun.h"
#include "knxsearchlist.h"
#include "portlist.h"
#include "programversion.h"
#include "projectfileloading.h"
#include "rowselection.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <csignal>
#include <unistd.h>

namespace {
int printPorts(bool json)
{
    const QList<PortEntry> ports = listPorts(qEnvironmentVariable("RS485CONFIG_EXTRA_PORTS"));
    if (json)
        writeOut(QString::fromUtf8(portListJson(ports)));
    else
        writeOut(portListText(ports));
    return ExitSucceeded;
}

// Starts the run, hands it Ctrl+C and SIGTERM, and returns its exit code once
// it has finished.
template <typename Run> int runToEnd(Run &run)
{
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &run, &Run::interrupt);
    QObject::connect(&run, &Run::finished, qApp, &QCoreApplication::exit);
    QTimer::singleShot(0, &run, &Run::start);
    return QCoreApplication::exec();
}

int runKnx(const KnxInvocation &invocation)
{
    if (invocation.action == KnxAction::Search)
        return runKnxSearch(invocation);
    Project project;
    if (!invocation.projectPath.isEmpty()) {
        const ProjectLoading loading = loadProjectFile(invocation.projectPath);
        if (!loading.project) {
            writeErr(QStringLiteral("rs485ctl: %1\n").arg(visible(loading.error)));
            return ExitUsage;
        }
        project = *loading.project;
    }
    KnxRun run(invocation, project.groupAddresses);
    return runToEnd(run);
}

int runCheck(const Invocation &invocation)
{
    const std::optional<Project> project = projectToDownload(invocation.projectPath);
    if (!project)
        return ExitUsage;
    const QString outside = rowsOutsideTables(invocation.rows, project->tables);
    if (!outside.isEmpty()) {
        writeErr(QStringLiteral("rs485ctl: %1; nothing was sent\n").arg(visible(outside)));
        return ExitUsage;
    }
    CheckRun run(invocation, project->tables);
    return runToEnd(run);
}

int runOnGateways(const Invocation &invocation)
{
    Project project;
    if (invocation.command == CtlCommand::Download) {
        const std::optional<Project> loaded = projectToDownload(invocation.projectPath);
        if (!loaded)
            return ExitUsage;
        project = *loaded;
    }
    QFile capture;
    if (invocation.command == CtlCommand::Monitor)
        capture.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);

    GatewayRun run(invocation, project.tables, &capture);
    return runToEnd(run);
}
} // namespace

int main(int argc, char *argv[])
{
    // A reader of the output that has gone away ends no run: the writes fail
    // quietly and the exit status stays the run's.
    std::signal(SIGPIPE, SIG_IGN);
    TerminationSignals::block();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rs485ctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(programVersion));

    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments());
    if (!commandLine.invocation)
        return commandLine.exitCode;
    if (commandLine.invocation->knx)
        return runKnx(*commandLine.invocation->knx);
    if (commandLine.invocation->command == CtlCommand::Ports)
        return printPorts(commandLine.invocation->json);
    if (commandLine.invocation->command == CtlCommand::Check)
        return runCheck(*commandLine.invocation);
    return runOnGateways(*commandLine.invocation);
}
