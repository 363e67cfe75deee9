#pragma once

#include "checkresults.h"
#include "frame.h"
#include "frameexchange.h"
#include "knxinvocation.h"

#include <QString>
#include <QStringList>

#include <optional>

enum class CtlCommand { Ports, Scan, Mode, Serial, Download, Send, Monitor, Check };

// What the command line asks for.
struct Invocation
{
    CtlCommand command = CtlCommand::Ports;
    QString commandName;
    QStringList ports;
    SerialSettings line{2, 0, 0}; // 9600 baud, 1 stop bit, None
    bool scanFirst = false;
    bool json = false;
    ExchangeLimits limits;
    OperatingMode mode = DebugMode; // mode
    SerialSettings newSettings;     // serial
    QString projectPath;            // download, check
    bool commission = false;        // download
    QByteArray telegram;            // send
    KnxInterface knxInterface;      // check
    QList<TableRow> rows;           // check: every row when empty
    int checkMs = 2000;             // check: for what each telegram must bring
    // A knx command, which needs nothing above.
    std::optional<KnxInvocation> knx;
};

// The invocation, or the exit code after help, the version or a usage error
// has been printed.
struct CommandLine
{
    std::optional<Invocation> invocation;
    int exitCode = 0;
};
CommandLine parseCommandLine(const QStringList &arguments);

constexpr int ExitSucceeded = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;
