// gateway-emulator: the virtual gateway on a pseudo-terminal, published as a
// symbolic link that the tool opens as its serial port.

#include "gatewayemulator.h"
#include "itemtexts.h"
#include "scanmatrix.h"
#include "terminationsignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace {
struct Options
{
    QString link;
    SerialSettings settings = DefaultGatewaySettings;
    GatewayFaults faults;
    RowFaults rowFaults;
    bool requireDebugMode = false;
    QString knxUrl;
};

QString defaultLinkPath()
{
    QString directory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (directory.isEmpty() || !QFileInfo(directory).isDir())
        directory = QDir::tempPath();
    return QDir(directory).filePath(QStringLiteral("rs485config-gateway"));
}

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "gateway-emulator: %s\n", qPrintable(message));
    std::exit(2);
}

int number(const QCommandLineParser &parser, const QCommandLineOption &option, int fallback,
           int highest)
{
    if (!parser.isSet(option))
        return fallback;
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < 0 || value > highest) {
        fail(QStringLiteral("--%1 takes a number from 0 to %2, not \"%3\"")
                 .arg(option.names().constLast())
                 .arg(highest)
                 .arg(parser.value(option)));
    }
    return value;
}

QByteArray noiseBytes(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    static const QRegularExpression hexPairs(QStringLiteral("^([0-9A-Fa-f]{2})+$"));
    if (!hexPairs.match(digits).hasMatch())
        fail(QStringLiteral("--noise takes hexadecimal bytes such as FF00, not \"%1\"").arg(text));
    return QByteArray::fromHex(digits.toLatin1());
}

QList<GatewayRow> tableRows(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    QList<GatewayRow> rows;
    for (const QString &text : parser.values(option)) {
        GatewayRow row;
        if (!parseGatewayRow(text, &row))
            fail(QStringLiteral("--%1 takes a table and a row counted from 0, such as "
                                "485-to-KNX:0, 1-byte:2 or KNX-to-485:1, not \"%2\"")
                     .arg(option.names().constLast(), text));
        rows << row;
    }
    return rows;
}

Options readOptions(const QCoreApplication &app)
{
    constexpr int LongestWaitMs = 600000;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The virtual RS485-to-KNX gateway. It plays the gateway's side of the serial\n"
        "protocol on a pseudo-terminal and publishes the terminal's device as a symbolic\n"
        "link, which the tool opens as its serial port. It answers only while the tool's\n"
        "line runs at its own baud rate and stop bits (parity cannot be seen on a\n"
        "pseudo-terminal), and logs one line per frame on standard error. It keeps the\n"
        "telegram tables a download sends and logs each row stored, decoded into the\n"
        "texts of its table cells; a malformed row frame, or one outside the rows the\n"
        "table-size frame announced, is refused and not answered. It runs until\n"
        "interrupted (Ctrl+C or SIGTERM) and removes the link when it ends.\n"
        "\n"
        "In working mode it does what its tables say. A telegram from the line is a\n"
        "burst: the bytes that arrive without a quiet gap of 100 ms, configuration\n"
        "frames taken out, and it counts only when it equals a row's telegram whole.\n"
        "At the end of the burst every matching row acts, 485-to-KNX rows first: it\n"
        "sends its group telegram on KNX (a 1-byte row steps its value by its interval\n"
        "between its minimum and maximum, starting at the minimum), then writes its\n"
        "acknowledgement on the line. A group telegram from KNX of a KNX-to-485 row's\n"
        "type, address and (for write and response) value writes that row's telegram\n"
        "on the line at once, at the gateway's own settings: a pseudo-terminal has one\n"
        "speed, so the row's baud rate is not applied. Values of 1 to 6 bits travel in\n"
        "the APCI byte, 1 and 2 byte values after it, most significant byte first.\n"
        "Configuration frames are answered in both modes; in debug mode the tables do\n"
        "nothing. Each such event is logged in one line. The KNX side is knxd (--knx);\n"
        "without it the group telegrams are only logged."));
    parser.addHelpOption();
    const QCommandLineOption link(
        {QStringLiteral("l"), QStringLiteral("link")},
        QStringLiteral("Path of the symbolic link to publish (default %1).").arg(defaultLinkPath()),
        QStringLiteral("path"), defaultLinkPath());
    const QCommandLineOption baud(
        QStringLiteral("baud"),
        QStringLiteral("Own baud-rate index: 0 2400, 1 4800, 2 9600, 3 14400, 4 19200, 5 38400, "
                       "6 56000, 7 57600, 8 115200 (default 2)."),
        QStringLiteral("index"));
    const QCommandLineOption stopBits(
        QStringLiteral("stop-bits"),
        QStringLiteral("Own stop-bit index: 0 1, 1 1.5, 2 2 (default 0). Linux cannot set 1.5 stop "
                       "bits, so at index 1 the gateway listens to a line with 1 stop bit."),
        QStringLiteral("index"));
    const QCommandLineOption parity(
        QStringLiteral("parity"),
        QStringLiteral("Own parity index: 0 None, 1 ODD, 2 EVEN (default 0); only reported in the "
                       "scan answer."),
        QStringLiteral("index"));
    const QCommandLineOption requireDebugMode(
        QStringLiteral("require-debug-mode"),
        QStringLiteral("Take a download only in debug mode: table-size and row frames that "
                       "arrive in working mode (the mode it starts in) are refused and not "
                       "answered."));
    const QCommandLineOption silent(QStringLiteral("silent"),
                                    QStringLiteral("Fault: never answer."));
    const QCommandLineOption drop(
        QStringLiteral("drop"),
        QStringLiteral("Fault: drop the answers to these frames, counted from 1 over the valid "
                       "frames received, for example 3, 1-80 or 1-3,9."),
        QStringLiteral("frames"));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("Fault: answer this many ms late."),
                                   QStringLiteral("ms"));
    const QCommandLineOption splitGap(
        QStringLiteral("split-gap"),
        QStringLiteral("Fault: write each answer in two pieces this many ms apart."),
        QStringLiteral("ms"));
    const QCommandLineOption splitAt(
        QStringLiteral("split-at"),
        QStringLiteral("Bytes in the first piece of a split answer (default half)."),
        QStringLiteral("bytes"));
    const QCommandLineOption noise(
        QStringLiteral("noise"),
        QStringLiteral("Fault: send these bytes before each answer, in hexadecimal, e.g. FF00."),
        QStringLiteral("hex"));
    const QCommandLineOption wrongFraming(
        QStringLiteral("wrong-framing"),
        QStringLiteral("Fault: frame each answer wrongly: end (0A instead of 0D), start (55 0C "
                       "instead of 0C 55), short (one byte missing), long (one byte extra)."),
        QStringLiteral("kind"));
    const QCommandLineOption knx(
        QStringLiteral("knx"),
        QStringLiteral("knxd's client URL for the KNX side, local:/path/to/socket or "
                       "ip:HOST:PORT. It connects at start and, while knxd cannot be reached or "
                       "after it went away, tries again every 2 s."),
        QStringLiteral("url"));
    const QCommandLineOption misroute(
        QStringLiteral("misroute"),
        QStringLiteral("Fault: act as if the row's group address had a sub group one higher "
                       "(255 becomes 0), e.g. 485-to-KNX:0, 1-byte:2 or KNX-to-485:1 (tables "
                       "as the log names them, rows counted from 0); may be repeated."),
        QStringLiteral("table:row"));
    const QCommandLineOption wrongValue(
        QStringLiteral("wrong-value"),
        QStringLiteral("Fault: act as if the row's value were one higher (the highest of its "
                       "length becomes 0); a read row has none. Rows as for --misroute."),
        QStringLiteral("table:row"));
    parser.addOptions({link, baud, stopBits, parity, requireDebugMode, knx, silent, drop, delay,
                       splitGap, splitAt, noise, wrongFraming, misroute, wrongValue});
    parser.process(app);

    Options options;
    options.link = parser.value(link);
    options.settings.baudIndex =
        number(parser, baud, DefaultGatewaySettings.baudIndex, int(baudRateTexts().size()) - 1);
    options.settings.stopBitIndex =
        number(parser, stopBits, DefaultGatewaySettings.stopBitIndex, StopBitItems - 1);
    options.settings.parityIndex =
        number(parser, parity, DefaultGatewaySettings.parityIndex, ParityItems - 1);
    options.requireDebugMode = parser.isSet(requireDebugMode);
    options.knxUrl = parser.value(knx);
    if (parser.isSet(knx) && !options.knxUrl.startsWith(QLatin1String("local:")) &&
        !options.knxUrl.startsWith(QLatin1String("ip:")))
        fail(QStringLiteral("--knx takes knxd's client URL, local:/path/to/socket or "
                            "ip:HOST:PORT, not \"%1\"")
                 .arg(options.knxUrl));
    options.rowFaults.misrouted = tableRows(parser, misroute);
    options.rowFaults.wrongValues = tableRows(parser, wrongValue);
    GatewayFaults &faults = options.faults;
    faults.silent = parser.isSet(silent);
    if (parser.isSet(drop) && !parseFrameRanges(parser.value(drop), &faults.dropped))
        fail(QStringLiteral("--drop takes frame numbers such as 3, 1-80 or 1-3,9, not \"%1\"")
                 .arg(parser.value(drop)));
    faults.delayMs = number(parser, delay, 0, LongestWaitMs);
    faults.splitGapMs = number(parser, splitGap, 0, LongestWaitMs);
    faults.splitAt = number(parser, splitAt, 0, 1000);
    if (parser.isSet(noise))
        faults.noise = noiseBytes(parser.value(noise));
    if (parser.isSet(wrongFraming) &&
        !parseWrongFraming(parser.value(wrongFraming), &faults.framing))
        fail(QStringLiteral("--wrong-framing takes one of %1, not \"%2\"")
                 .arg(wrongFramingNames().join(QStringLiteral(", ")), parser.value(wrongFraming)));
    return options;
}
} // namespace

int main(int argc, char *argv[])
{
    TerminationSignals::block();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gateway-emulator"));
    const Options options = readOptions(app);

    GatewayEmulator gateway(options.settings);
    if (!gateway.isOpen())
        fail(QStringLiteral("no pseudo-terminal: %1").arg(gateway.errorString()));
    gateway.setFaults(options.faults);
    gateway.setRowFaults(options.rowFaults);
    if (!options.knxUrl.isEmpty())
        gateway.connectKnx(options.knxUrl);
    if (options.requireDebugMode)
        gateway.setRequireDebugMode(true);
    if (!gateway.publish(options.link))
        fail(gateway.errorString());

    QTextStream(stdout) << "Gateway at " << options.link << " ("
                        << describeSerialSettings(options.settings) << ")" << Qt::endl;

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app,
                     [](int) { QCoreApplication::quit(); });
    return app.exec();
}
