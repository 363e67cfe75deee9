#include "knxcommandline.h"

#include "consoleoutput.h"
#include "datapointid.h"
#include "groupaddressbook.h"
#include "groupsendrequest.h"
#include "itemtexts.h"
#include "knxaddresses.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

namespace {
struct ActionInfo
{
    KnxAction action;
    const char *name;
    const char *arguments;
    const char *summary;
    const char *description;
};

const ActionInfo actionInfos[] = {
    {KnxAction::Monitor, "monitor", "--knx IFACE", "Print the group telegrams on the bus.",
     "Prints every group telegram on the bus until Ctrl+C or --seconds: local time, source,\n"
     "destination, service and data in hexadecimal; with --project the address's name and\n"
     "the value in its datapoint type's terms, for example\n"
     "  2026-12-06 14:03:07.125 1.1.5 \u2192 1/2/3 write 0C 1A \"Room temperature\" 21.0 \u00B0C"},
    {KnxAction::Write, "write", "ADDR VALUE --knx IFACE", "Write a value to a group address.",
     "Writes the value to the group address (1/2/3) and waits until the interface has put\n"
     "it on the bus. The value is read in the terms of --dpt (\"21.5\" for 9.001, \"On\" for\n"
     "1.001), or as a whole number sent in --length bits (\"1 bit\", \"2 bit\", \"4 bit\",\n"
     "\"6 bit\", \"1 byte\" or \"2 byte\"); without either, in the terms of the datapoint\n"
     "type the --project file's address book gives the address. Give a negative value\n"
     "after \"--\", at the end: write 1/2/3 --dpt 9.001 --knx IFACE -- -5"},
    {KnxAction::Read, "read", "ADDR --knx IFACE", "Read a group address's value.",
     "Sends a read to the group address and prints the value of the first response: in\n"
     "the terms of --dpt, or of the type the --project file's address book gives the\n"
     "address, else the data in hexadecimal."},
    {KnxAction::Search, "search", "", "List the KNXnet/IP interfaces that answer a search.",
     "Sends a search request to the KNXnet/IP multicast group (224.0.23.12, port 3671) from\n"
     "every network interface, or with --knx HOST[:PORT] to one interface, and lists those\n"
     "that answer within 3 s, one line each: control endpoint, individual address,\n"
     "services offered and name."},
};

const char knxExitStatus[] =
    "\nExit status:\n"
    "  0    done\n"
    "  1    no response to a read, no interface found, a telegram the interface could not\n"
    "       put on the bus, or a connection lost\n"
    "  2    bad usage, a project file that cannot be read, or a connection that cannot be\n"
    "       made (no answer from the interface, no free tunnel)\n"
    "  130  interrupted by Ctrl+C (SIGINT), the connection closed first; 143 on SIGTERM\n"
    "\nInterfaces (IFACE):\n"
    "  HOST[:PORT]     a KNXnet/IP tunnelling server, by IPv4 address or name (port 3671)\n"
    "  routing[:PORT]  KNXnet/IP routing on the multicast group 224.0.23.12 (port 3671)\n";

CommandLine usageError(const QString &message, const QString &helpCommand)
{
    std::fprintf(stderr, "rs485ctl: %s\nRun \"rs485ctl %s --help\" for usage.\n",
                 qPrintable(visible(message)), qPrintable(helpCommand));
    return {std::nullopt, ExitUsage};
}

CommandLine printed(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    return {std::nullopt, ExitSucceeded};
}

struct KnxOptions
{
    QCommandLineOption knx{"knx",
                           "The KNXnet/IP interface: HOST[:PORT] of a tunnelling server (port "
                           "3671 unless given), or routing[:PORT] for the multicast group.",
                           "iface"};
    QCommandLineOption json{"json", "One JSON object per telegram and line."};
    QCommandLineOption seconds{"seconds", "Stop after this many seconds (default: at Ctrl+C).",
                               "n"};
    QCommandLineOption project{"project",
                               "A project file (rs485config's File > Export) whose group-address "
                               "book names the addresses and gives their datapoint types.",
                               "file.db"};
    QCommandLineOption dpt{"dpt", "The value's datapoint type, for example 9.001 or 1.001.", "dpt"};
    QCommandLineOption length{"length",
                              "Send the value as a whole number of this length: " +
                                  lengthTexts().join(", ") + " (quote it: \"1 byte\").",
                              "length"};
    QCommandLineOption timeout{"timeout",
                               "Wait this many seconds for the response, for example 0.5 "
                               "(default 3).",
                               "seconds", "3"};
};

QList<QCommandLineOption> optionsOf(KnxAction action, const KnxOptions &o)
{
    switch (action) {
    case KnxAction::Monitor:
        return {o.knx, o.json, o.seconds, o.project};
    case KnxAction::Write:
        return {o.knx, o.dpt, o.length, o.project};
    case KnxAction::Read:
        return {o.knx, o.dpt, o.timeout, o.project};
    case KnxAction::Search:
        return {o.knx};
    }
    Q_UNREACHABLE();
}

// The options as given, those the command does not offer as not set.
struct Given
{
    const QCommandLineParser &parser;
    const QList<QCommandLineOption> offered;

    bool offers(const QCommandLineOption &option) const
    {
        return std::any_of(offered.cbegin(), offered.cend(),
                           [&](const auto &o) { return o.names() == option.names(); });
    }
    bool isSet(const QCommandLineOption &option) const
    {
        return offers(option) && parser.isSet(option);
    }
    QString value(const QCommandLineOption &option) const
    {
        return offers(option) ? parser.value(option) : option.defaultValues().value(0);
    }
    QString argument(int index) const { return parser.positionalArguments().value(index); }
};

int positionalCount(KnxAction action)
{
    return action == KnxAction::Write ? 2 : action == KnxAction::Read ? 1 : 0;
}

QString readInterface(const Given &given, const KnxOptions &o, KnxInvocation &invocation)
{
    const QString text = given.value(o.knx);
    if (text.isEmpty() && invocation.action == KnxAction::Search) {
        invocation.interface.kind = KnxInterface::Kind::Routing;
        return QString();
    }
    if (text.isEmpty())
        return QStringLiteral("no --knx given");
    const std::optional<KnxInterface> interface = parseKnxInterface(text);
    if (!interface)
        return QStringLiteral("--knx %1 is no interface: write HOST[:PORT] or routing").arg(text);
    invocation.interface = *interface;
    return QString();
}

QString readNumbers(const Given &given, const KnxOptions &o, KnxInvocation &invocation)
{
    bool ok = true;
    if (given.isSet(o.seconds)) {
        invocation.seconds = given.value(o.seconds).toInt(&ok);
        if (!ok || invocation.seconds < 1 || invocation.seconds > 31536000)
            return QStringLiteral("--seconds takes a whole number of seconds from 1");
    }
    const double timeout = given.value(o.timeout).toDouble(&ok) * 1000;
    if (!ok || !(timeout >= 1 && timeout <= 3600000))
        return QStringLiteral("--timeout takes seconds from 0.001 to 3600");
    invocation.timeoutMs = qRound(timeout);
    return QString();
}

// The address, and for a write whether the value can be sent as the options say.
QString readTelegram(const Given &given, const KnxOptions &o, KnxInvocation &invocation)
{
    if (invocation.action != KnxAction::Write && invocation.action != KnxAction::Read)
        return QString();
    invocation.address = given.argument(1);
    if (!parseGroupAddress(invocation.address))
        return QStringLiteral("\"%1\" is not a group address such as 1/2/3")
            .arg(invocation.address);
    const bool typed = given.isSet(o.dpt);
    if (typed && !parseDatapointType(given.value(o.dpt)))
        return QStringLiteral("--dpt %1 is no datapoint type such as 9.001")
            .arg(given.value(o.dpt));
    if (invocation.action == KnxAction::Read) {
        invocation.typeOrLength = given.value(o.dpt);
        return QString();
    }
    if (typed && given.isSet(o.length))
        return QStringLiteral("give --dpt or --length, not both");
    if (given.isSet(o.length) && !lengthTexts().contains(given.value(o.length)))
        return QStringLiteral("--length takes one of %1").arg(lengthTexts().join(", "));
    invocation.typeOrLength = typed ? given.value(o.dpt) : given.value(o.length);
    invocation.value = given.argument(2);
    if (invocation.typeOrLength.isEmpty())
        return invocation.projectPath.isEmpty()
                   ? QStringLiteral("write needs --dpt, --length or a --project whose address "
                                    "book gives the address's datapoint type")
                   : QString();
    return groupSendRequest(invocation.address, GroupService::Write, invocation.typeOrLength,
                            invocation.value, GroupAddressBook())
        .error;
}

QString knxHelp()
{
    QString text = QStringLiteral(
        "Watches, writes and reads KNX group addresses through a KNXnet/IP interface, and\n"
        "finds interfaces.\n\nUsage: rs485ctl knx <command> [options]\n\nCommands:\n");
    for (const ActionInfo &info : actionInfos)
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QStringLiteral("%1 %2")
                             .arg(QLatin1String(info.name), QLatin1String(info.arguments))
                             .trimmed(),
                         QLatin1String(info.summary));
    return text + QStringLiteral("\nRun \"rs485ctl knx <command> --help\" for its options.\n") +
           QLatin1String(knxExitStatus);
}

CommandLine parseAction(const ActionInfo &info, const QStringList &arguments)
{
    const QString helpCommand = QStringLiteral("knx ") + QLatin1String(info.name);
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(info.description));
    const QCommandLineOption help = parser.addHelpOption();
    const KnxOptions o;
    parser.addOptions(optionsOf(info.action, o));
    parser.addPositionalArgument(QLatin1String(info.name), QLatin1String(info.summary),
                                 helpCommand);
    if (info.action == KnxAction::Write || info.action == KnxAction::Read)
        parser.addPositionalArgument("ADDR", "The group address, for example 1/2/3.");
    if (info.action == KnxAction::Write)
        parser.addPositionalArgument("VALUE", "The value, for example 21.5 or On.");
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), helpCommand);
    if (parser.isSet(help))
        return printed(parser.helpText() + QLatin1String(knxExitStatus));
    if (parser.positionalArguments().size() != 1 + positionalCount(info.action))
        return usageError(QStringLiteral("knx %1 takes %2")
                              .arg(QLatin1String(info.name), QLatin1String(info.arguments)),
                          helpCommand);

    const Given given{parser, optionsOf(info.action, o)};
    KnxInvocation invocation;
    invocation.action = info.action;
    invocation.json = given.isSet(o.json);
    invocation.projectPath = given.value(o.project);
    QString error = readInterface(given, o, invocation);
    if (error.isEmpty())
        error = readNumbers(given, o, invocation);
    if (error.isEmpty())
        error = readTelegram(given, o, invocation);
    if (!error.isEmpty())
        return usageError(error, helpCommand);
    Invocation result;
    result.commandName = helpCommand;
    result.knx = invocation;
    return {result, ExitSucceeded};
}
} // namespace

CommandLine parseKnxCommandLine(const QStringList &arguments)
{
    const QString action = arguments.value(2);
    if (action == QLatin1String("-h") || action == QLatin1String("--help"))
        return printed(knxHelp());
    if (action.isEmpty())
        return usageError(QStringLiteral("knx takes a command: monitor, write, read or search"),
                          QStringLiteral("knx"));
    for (const ActionInfo &info : actionInfos)
        if (action == QLatin1String(info.name))
            return parseAction(info, arguments.mid(1));
    return usageError(QStringLiteral("unknown knx command \"%1\"").arg(action),
                      QStringLiteral("knx"));
}

QString knxProgramHelp()
{
    QString text;
    for (const ActionInfo &info : actionInfos)
        text += QStringLiteral("  knx %1\n      %2\n")
                    .arg(QStringLiteral("%1 %2")
                             .arg(QLatin1String(info.name), QLatin1String(info.arguments))
                             .trimmed(),
                         QLatin1String(info.summary));
    return text;
}
