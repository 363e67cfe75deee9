#include "commandline.h"

#include "consoleoutput.h"
#include "itemtexts.h"
#include "knxcommandline.h"
#include "portnames.h"
#include "recordchecks.h"
#include "rowselection.h"
#include "serialsettingstexts.h"
#include "testtelegram.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {
struct CommandInfo
{
    CtlCommand command;
    const char *name;
    const char *arguments; // after the name, as the usage line shows them
    const char *summary;
    const char *description;
};

const CommandInfo commandInfos[] = {
    {CtlCommand::Ports, "ports", "", "List the serial ports.",
     "Lists the serial ports, one line each: the device paths named in RS485CONFIG_EXTRA_PORTS\n"
     "(colon-separated) that exist, then the machine's serial ports, each with description,\n"
     "manufacturer, serial number and USB vendor:product ids (\"-\" where unknown)."},
    {CtlCommand::Scan, "scan", "--port P",
     "Find the baud rate, stop bits and parity a gateway listens at.",
     "Finds the settings the gateway listens at, as the window's scan does: it tries the 81\n"
     "combinations of baud rate, stop bits and parity, all nine baud rates slowest first at\n"
     "1 stop bit and no, odd, then even parity, then the same at 1.5 and at 2 stop bits,\n"
     "sending a scan probe at each and waiting 400 ms for the answer. The first answer\n"
     "ends the scan; it reports the gateway's settings, which are printed."},
    {CtlCommand::Mode, "mode", "debug|working --port P",
     "Switch a gateway to debug or working mode.",
     "Switches the gateway to debug mode (it then takes a download) or to working mode,\n"
     "and prints the mode now in effect."},
    {CtlCommand::Serial, "serial", "--set BAUD,STOP-BITS,PARITY --port P",
     "Give a gateway new serial settings.",
     "Gives the gateway new serial settings, then follows it: the port moves to the new\n"
     "settings and a scan probe there confirms that the gateway listens. A gateway whose\n"
     "answer to the command was lost, but which has switched, is followed too. Prints the\n"
     "settings the gateway reports."},
    {CtlCommand::Download, "download", "PROJECT.db --port P [--port Q ...]",
     "Download a project's telegram tables.",
     "Downloads the three telegram tables of the project file (written by rs485config's\n"
     "File > Export) to the gateway: the table sizes, then one frame per row, each sent\n"
     "once the one before is answered. A gateway takes a download only in debug mode:\n"
     "--commission switches it there first, and to working mode after. Every row is checked first "
     "as the window's editors\n"
     "check what is typed; a row that fails is named (table, row counted from 1, column)\n"
     "and nothing is sent, as when a table holds more rows than a gateway takes (512, 256\n"
     "and 512), or when the file cannot be read whole (row counts that disagree with the\n"
     "rows, a missing table, a number that is not a whole number in range). A failed\n"
     "download names the table and row that went unanswered."},
    {CtlCommand::Check, "check", "PROJECT.db --port P [--port Q ...] --knx IFACE",
     "Check every row of a project on the gateways through KNX.",
     "Checks, row by row, that each gateway does what the project file's telegram tables\n"
     "say, in working mode (the check switches the gateway there; download the tables\n"
     "first): a 485-to-KNX row's telegram goes on the line and its group telegram must come\n"
     "on KNX, and its acknowledgement on the line; a 1-byte row's (+) and (-) telegrams must\n"
     "each bring a value from its minimum to its maximum, the (-) value below the (+) value;\n"
     "a KNX-to-485 row's group telegram goes on KNX and its telegram must come on the line,\n"
     "at the row's baud rate. Each row starts after 200 ms without traffic. All ports are\n"
     "checked at once over one KNX connection, the gateways told apart by the individual\n"
     "address each sends from. Prints a line per row as it is checked, PASS, FAIL with what\n"
     "came instead or SKIP with why, for example\n"
     "  /dev/ttyUSB0 485-to-KNX row 3 \"Ceiling light\" FAIL: KNX 1/2/4 instead of 1/2/3\n"
     "then a summary per port. The project file is read and checked as download reads it."},
    {CtlCommand::Send, "send", "HEX --port P", "Put one raw test telegram on the line.",
     "Puts one test telegram on the line raw, as the window's Send buttons do: HEX is 1 to\n"
     "64 bytes, each two hexadecimal digits, separated by a space or \"-\" (quote it:\n"
     "\"01 02 03\"). Nothing is awaited; prints what was sent."},
    {CtlCommand::Monitor, "monitor", "--port P", "Print what arrives on a line until Ctrl+C.",
     "Prints what arrives on the port until Ctrl+C, in the window's capture format: one\n"
     "line per burst (bytes without a 50 ms gap), local time, RX and the bytes in\n"
     "hexadecimal, for example\n"
     "  2026-12-06 14:03:07.125 RX 0C 55 06 01 02 00 00 6A 0D"},
};

const char exitStatusText[] =
    "\nExit status:\n"
    "  0    every port succeeded (check: every row checked passed)\n"
    "  1    a gateway did not answer, a download failed, a row failed its check, or a port\n"
    "       or the KNX connection was lost, on any port\n"
    "  2    bad usage, a project file that cannot be read whole, a row that fails the\n"
    "       record checks (nothing is sent), a port that cannot be opened (the others\n"
    "       are still served), or a KNX connection that cannot be made (nothing is sent)\n"
    "  130  interrupted by Ctrl+C (SIGINT): ports closed, what was done reported; 143 on\n"
    "       SIGTERM\n"
    "\nEnvironment:\n"
    "  RS485CONFIG_EXTRA_PORTS  colon-separated device paths that \"ports\" lists first\n"
    "\nPorts:\n"
    "  A device path (/dev/ttyUSB0), or a port of a serial device server on the network:\n"
    "  rfc2217://HOST:PORT  telnet with RFC 2217 serial port control: the line settings\n"
    "                       reach the server's port, as on a local one\n"
    "  tcp://HOST:PORT      raw TCP: bytes only, at the settings the server gives its port;\n"
    "                       scan, serial and --scan are refused there\n"
    "  HOST is a name, an IPv4 address or an IPv6 address in brackets ([::1]).\n";

const char programDescription[] =
    "Commissions RS485-to-KNX gateways from the command line: finds their serial settings,\n"
    "switches their mode, downloads telegram tables from a project file, checks every row\n"
    "through KNX, sends test telegrams and watches the line. Repeating --port runs the\n"
    "same work on each port in parallel, one engine per port. The knx commands watch,\n"
    "write and read group addresses through a KNXnet/IP interface.\n"
    "\nUsage: rs485ctl <command> [options]\n"
    "\nCommands:\n";

void printError(const QString &message, const QString &helpCommand)
{
    std::fprintf(stderr, "rs485ctl: %s\nRun \"rs485ctl%s --help\" for usage.\n",
                 qPrintable(visible(message)),
                 helpCommand.isEmpty() ? "" : qPrintable(QLatin1Char(' ') + helpCommand));
}

CommandLine usageError(const QString &message, const QString &helpCommand = QString())
{
    printError(message, helpCommand);
    return {std::nullopt, ExitUsage};
}

CommandLine finished(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    return {std::nullopt, ExitSucceeded};
}

const CommandInfo *findCommand(const QString &name)
{
    for (const CommandInfo &info : commandInfos)
        if (name == QLatin1String(info.name))
            return &info;
    return nullptr;
}

QString programHelp()
{
    QString text = QString::fromLatin1(programDescription);
    for (const CommandInfo &info : commandInfos)
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QStringLiteral("%1 %2")
                             .arg(QLatin1String(info.name), QLatin1String(info.arguments))
                             .trimmed(),
                         QLatin1String(info.summary));
    text += knxProgramHelp();
    text += QStringLiteral("\nRun \"rs485ctl <command> --help\" for the options of a command,\n"
                           "\"rs485ctl knx --help\" for the knx commands.\n"
                           "\nOptions:\n"
                           "  -h, --help     Displays help, for the program or a command.\n"
                           "  -v, --version  Displays version information.\n");
    return text + QLatin1String(exitStatusText);
}

// The options of the gateway commands.
struct GatewayOptions
{
    QCommandLineOption port{
        {"p", "port"},
        "Serial port of a gateway: a device path, as \"rs485ctl ports\" lists it, or a port of a "
        "serial device server, rfc2217://HOST:PORT (the line settings reach it) or "
        "tcp://HOST:PORT (raw bytes at the server's settings). Repeat it to run the same work on "
        "several gateways in parallel (one adapter each).",
        "path"};
    QCommandLineOption baud{
        "baud", "Baud rate of the line: " + baudRateTexts().join(", ") + " (default 9600).", "rate",
        "9600"};
    QCommandLineOption stopBits{"stop-bits",
                                "Stop bits of the line: 1, 1.5 or 2 (default 1). Linux cannot "
                                "set 1.5; the port then keeps what it had.",
                                "bits", "1"};
    QCommandLineOption parity{"parity", "Parity of the line: none, odd or even (default none).",
                              "parity", "none"};
    QCommandLineOption scan{"scan", "Scan each port first for the settings its gateway listens at "
                                    "(up to 81 probes, 400 ms each) and go on at those; each port "
                                    "keeps its own. --baud, --stop-bits and --parity are then "
                                    "where the scan starts from, no more."};
    QCommandLineOption timeout{"timeout",
                               "Wait this many seconds for each answer, for example 0.5 "
                               "(default 3). An answer that comes later, within as long "
                               "again, is still taken for its frame, before the frame is "
                               "sent again.",
                               "seconds", "3"};
    QCommandLineOption retries{"retries",
                               "Send an unanswered frame again up to this many times (default "
                               "2). Table-size and row frames are safe to send again: the "
                               "gateway stores them again.",
                               "count", "2"};
    QCommandLineOption json{"json", "Print the report as JSON on standard output; the summary "
                                    "table then goes to standard error."};
    QCommandLineOption commission{
        "commission",
        "Commission the gateway: debug mode, the download, then working mode, each step "
        "reported (after the scan with --scan)."};
    QCommandLineOption knx{"knx",
                           "The KNXnet/IP interface to the gateways' bus: HOST[:PORT] of a "
                           "tunnelling server (port 3671 unless given), or routing[:PORT] for "
                           "the multicast group. One connection serves every port.",
                           "iface"};
    QCommandLineOption rows{"rows",
                            "Check only these rows: TABLE:ROWS separated by commas, TABLE "
                            "485-to-KNX, 1-byte or KNX-to-485, ROWS a row counted from 1 or a "
                            "range, for example 485-to-KNX:1-20,KNX-to-485:3 (default: every "
                            "row).",
                            "rows"};
    QCommandLineOption checkTimeout{"timeout",
                                    "Wait this many seconds for what each telegram of a row "
                                    "must bring, for example 0.5 (default 2).",
                                    "seconds", "2"};
    QCommandLineOption checkJson{"json",
                                 "Print the report as JSON on standard output, each row with "
                                 "its outcome; the row lines and the summary table then go to "
                                 "standard error."};
    QCommandLineOption set{"set",
                           "The gateway's new settings: baud rate, stop bits and parity "
                           "separated by commas, for example 115200,1,none.",
                           "baud,stop-bits,parity"};
};

QList<QCommandLineOption> optionsOf(CtlCommand command, const GatewayOptions &o)
{
    const QList<QCommandLineOption> line{o.port, o.baud, o.stopBits, o.parity};
    const QList<QCommandLineOption> limits{o.timeout, o.retries};
    switch (command) {
    case CtlCommand::Ports:
        return {o.json};
    case CtlCommand::Scan:
        return {o.port, o.json};
    case CtlCommand::Mode:
        return line + QList<QCommandLineOption>{o.scan} + limits +
               QList<QCommandLineOption>{o.json};
    case CtlCommand::Serial:
        return line + QList<QCommandLineOption>{o.set, o.scan} + limits +
               QList<QCommandLineOption>{o.json};
    case CtlCommand::Download:
        return line + QList<QCommandLineOption>{o.scan, o.commission} + limits +
               QList<QCommandLineOption>{o.json};
    case CtlCommand::Send:
        return line + QList<QCommandLineOption>{o.scan, o.json};
    case CtlCommand::Monitor:
        return line + QList<QCommandLineOption>{o.scan};
    case CtlCommand::Check:
        return line + QList<QCommandLineOption>{o.knx, o.rows, o.scan, o.checkTimeout, o.checkJson};
    }
    Q_UNREACHABLE();
}

// The positional arguments after the command name.
void addArguments(QCommandLineParser &parser, const CommandInfo &info)
{
    parser.addPositionalArgument(QLatin1String(info.name), QLatin1String(info.summary),
                                 QLatin1String(info.name));
    switch (info.command) {
    case CtlCommand::Mode:
        parser.addPositionalArgument("debug|working", "The mode to switch to.");
        break;
    case CtlCommand::Download:
    case CtlCommand::Check:
        parser.addPositionalArgument("PROJECT.db", "The project file.");
        break;
    case CtlCommand::Send:
        parser.addPositionalArgument("HEX", "The telegram, for example \"01 02 03\".");
        break;
    default:
        break;
    }
}

int positionalCount(CtlCommand command)
{
    const bool takesOne = command == CtlCommand::Mode || command == CtlCommand::Download ||
                          command == CtlCommand::Send || command == CtlCommand::Check;
    return takesOne ? 2 : 1;
}

std::optional<int> numberIn(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < lowest || number > highest)
        return std::nullopt;
    return number;
}

// Seconds from 0.001 to 3600 as milliseconds.
std::optional<int> millisecondsIn(const QString &seconds)
{
    bool ok = false;
    const double ms = seconds.toDouble(&ok) * 1000;
    if (!ok || !(ms >= 1 && ms <= 3600000))
        return std::nullopt;
    return qRound(ms);
}

bool offers(const QList<QCommandLineOption> &offered, const QCommandLineOption &option)
{
    return std::any_of(offered.cbegin(), offered.cend(), [&option](const auto &candidate) {
        return candidate.names() == option.names();
    });
}

// The value of the option, or its default when the command does not offer it.
QString valueOf(const QCommandLineParser &parser, const QList<QCommandLineOption> &offered,
                const QCommandLineOption &option)
{
    return offers(offered, option) ? parser.value(option) : option.defaultValues().value(0);
}

// The options that concern the line and the exchange; an error text when one is wrong.
QString readLineOptions(const QCommandLineParser &parser, const GatewayOptions &o,
                        const QList<QCommandLineOption> &offered, Invocation &invocation)
{
    invocation.ports = parser.values(o.port);
    if (invocation.ports.isEmpty())
        return QStringLiteral("no --port given");
    for (const QString &port : invocation.ports)
        if (invocation.ports.count(port) > 1)
            return QStringLiteral("--port %1 is given twice").arg(port);
    for (qsizetype first = 0; first < invocation.ports.size(); ++first)
        for (qsizetype second = first + 1; second < invocation.ports.size(); ++second)
            if (deviceIdentity(invocation.ports.at(first)) ==
                deviceIdentity(invocation.ports.at(second)))
                return QStringLiteral("--port %1 and --port %2 name the same device, %3: one "
                                      "engine per device")
                    .arg(invocation.ports.at(first), invocation.ports.at(second),
                         deviceIdentity(invocation.ports.at(first)));
    if (invocation.command == CtlCommand::Monitor && invocation.ports.size() > 1)
        return QStringLiteral("monitor watches one port");
    invocation.scanFirst = offers(offered, o.scan) && parser.isSet(o.scan);
    const bool changesSettings = invocation.scanFirst || invocation.command == CtlCommand::Scan ||
                                 invocation.command == CtlCommand::Serial;
    for (const QString &port : invocation.ports) {
        const LineKind kind = lineKindOf(port);
        if (kind != LineKind::Local && !networkPortOf(port))
            return QStringLiteral("--port %1 is no network port: write rfc2217://HOST:PORT or "
                                  "tcp://HOST:PORT")
                .arg(port);
        if (kind == LineKind::RawTcp && changesSettings)
            return QStringLiteral("%1 is a raw TCP port: the device server fixes its line "
                                  "settings, which scan, serial and --scan change; use an "
                                  "rfc2217:// port")
                .arg(port);
    }
    const std::optional<SerialSettings> line = serialSettingsFromTexts(
        valueOf(parser, offered, o.baud), valueOf(parser, offered, o.stopBits),
        valueOf(parser, offered, o.parity));
    if (!line)
        return QStringLiteral("--baud takes one of %1, --stop-bits 1, 1.5 or 2, --parity none, "
                              "odd or even")
            .arg(baudRateTexts().join(QLatin1String(", ")));
    invocation.line = *line;
    invocation.json = offers(offered, o.json) && parser.isSet(o.json);
    const std::optional<int> timeout = millisecondsIn(valueOf(parser, offered, o.timeout));
    const std::optional<int> retries = numberIn(valueOf(parser, offered, o.retries), 0, 1000);
    if (!timeout)
        return QStringLiteral("--timeout takes seconds from 0.001 to 3600");
    if (!retries)
        return QStringLiteral("--retries takes a count from 0 to 1000");
    invocation.limits = {*timeout, *retries};
    return QString();
}

// The check's interface, rows and time; an error text when one is wrong.
QString readCheckArguments(const QCommandLineParser &parser, const GatewayOptions &o,
                           Invocation &invocation)
{
    invocation.projectPath = parser.positionalArguments().value(1);
    // --timeout is the check's time; the mode command keeps the usual limits.
    invocation.checkMs = invocation.limits.timeoutMs;
    invocation.limits = ExchangeLimits();
    const QString interface = parser.value(o.knx);
    if (interface.isEmpty())
        return QStringLiteral("no --knx given");
    const std::optional<KnxInterface> parsed = parseKnxInterface(interface);
    if (!parsed)
        return QStringLiteral("--knx %1 is no interface: write HOST[:PORT] or routing")
            .arg(interface);
    invocation.knxInterface = *parsed;
    if (!parser.isSet(o.rows))
        return QString();
    const RowSelection selection = parseRowSelection(parser.values(o.rows).join(QLatin1Char(',')));
    invocation.rows = selection.rows;
    return selection.error;
}

// The command's own arguments; an error text when one is wrong.
QString readCommandArguments(const QCommandLineParser &parser, const GatewayOptions &o,
                             Invocation &invocation)
{
    const QString argument = parser.positionalArguments().value(1);
    switch (invocation.command) {
    case CtlCommand::Mode:
        if (argument != QLatin1String("debug") && argument != QLatin1String("working"))
            return QStringLiteral("mode takes debug or working");
        invocation.mode = argument == QLatin1String("debug") ? DebugMode : WorkingMode;
        break;
    case CtlCommand::Serial: {
        const QStringList parts = parser.value(o.set).split(QLatin1Char(','));
        const std::optional<SerialSettings> settings =
            parts.size() == 3 ? serialSettingsFromTexts(parts.at(0), parts.at(1), parts.at(2))
                              : std::nullopt;
        if (!settings)
            return QStringLiteral("--set takes baud rate, stop bits and parity, for example "
                                  "115200,1,none");
        invocation.newSettings = *settings;
        break;
    }
    case CtlCommand::Download:
        invocation.projectPath = argument;
        invocation.commission = parser.isSet(o.commission);
        break;
    case CtlCommand::Send: {
        const std::optional<QString> telegram = normalisedTelegram(argument);
        if (!telegram)
            return QStringLiteral("\"%1\" is not a telegram of 1 to 64 bytes written as "
                                  "hexadecimal pairs separated by a space or \"-\"")
                .arg(argument);
        invocation.telegram = *testTelegramBytes(*telegram);
        break;
    }
    case CtlCommand::Check:
        return readCheckArguments(parser, o, invocation);
    default:
        break;
    }
    return QString();
}

CommandLine parseCommand(const CommandInfo &info, const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QLatin1String(info.description));
    const QCommandLineOption help = parser.addHelpOption();
    const GatewayOptions o;
    const QList<QCommandLineOption> offered = optionsOf(info.command, o);
    parser.addOptions(offered);
    addArguments(parser, info);
    const QString name = QLatin1String(info.name);
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), name);
    if (parser.isSet(help))
        return finished(parser.helpText() + QLatin1String(exitStatusText));
    if (parser.positionalArguments().size() != positionalCount(info.command))
        return usageError(QStringLiteral("%1 takes %2").arg(name, QLatin1String(info.arguments)),
                          name);

    Invocation invocation;
    invocation.command = info.command;
    invocation.commandName = name;
    if (info.command == CtlCommand::Ports) {
        invocation.json = parser.isSet(o.json);
        return {invocation, ExitSucceeded};
    }
    QString error = readLineOptions(parser, o, offered, invocation);
    if (error.isEmpty())
        error = readCommandArguments(parser, o, invocation);
    if (!error.isEmpty())
        return usageError(error, name);
    return {invocation, ExitSucceeded};
}
} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    const QString first = arguments.value(1);
    if (first == QLatin1String("-h") || first == QLatin1String("--help"))
        return finished(programHelp());
    if (first == QLatin1String("-v") || first == QLatin1String("--version"))
        return finished(QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                      QCoreApplication::applicationVersion()));
    if (first.isEmpty())
        return usageError(QStringLiteral("no command given"));
    if (first == QLatin1String("knx"))
        return parseKnxCommandLine(arguments);
    const CommandInfo *info = findCommand(first);
    if (!info)
        return usageError(QStringLiteral("unknown command \"%1\"").arg(first));
    return parseCommand(*info, arguments);
}
