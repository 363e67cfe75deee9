// The commissioning check of full tables (512, 256 and 512 rows) with
// rs485ctl check against virtual gateways on knxd on the loopback: first one
// gateway, then several at once over the one tunnel, each its own
// gateway-emulator process holding the tables. Prints for each run the wall
// time (and its ratio to one gateway's), rs485ctl's CPU time, and for each
// port the rows passed, failed and skipped beside the least the check can
// take: the sum of the gateway's answer times (the JSON's reactionMs) plus the
// quiet time before each row (200 ms).
//   bench_check <rs485ctl> <gateway-emulator> [gateway counts, default 1,4]

#include "knxdserver.h"
#include "projectfiles.h"
#include "sampletables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {
constexpr int QuietMs = 200;

double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Full tables whose every row a working gateway passes: each 1-byte row's
// minimum at most its maximum.
TelegramTables passingTables()
{
    TelegramTables tables = SampleTables(1).make(512, 256, 512);
    for (Tele1Byte &row : tables.rows1Byte) {
        if (row.min.toInt() > row.max.toInt())
            std::swap(row.min, row.max);
    }
    return tables;
}

using Gateways = std::vector<std::unique_ptr<QProcess>>;

// The gateways on knxd, each publishing its link in the directory; the
// --port options naming them.
QStringList startGateways(const QString &emulator, const KnxdServer &knxd, const QTemporaryDir &dir,
                          int count, Gateways &gateways)
{
    QStringList ports;
    for (int index = 0; index < count; ++index) {
        const QString link = dir.filePath(QStringLiteral("gateway%1").arg(index));
        const QString log = link + QStringLiteral(".log");
        auto gateway = std::make_unique<QProcess>();
        gateway->setStandardOutputFile(QProcess::nullDevice());
        gateway->setStandardErrorFile(log);
        gateway->start(emulator, {"--link", link, "--knx", knxd.clientUrl()});
        const auto connected = [&log] {
            QFile file(log);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("KNX: connected");
        };
        if (!QTest::qWaitFor(connected, 10000))
            qFatal("gateway %d did not reach knxd", index);
        gateways.push_back(std::move(gateway));
        ports << "--port" << link;
    }
    return ports;
}

// rs485ctl to its end; its standard output.
QByteArray rs485ctl(const QString &ctl, const QStringList &arguments, int allowedExit = 0)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(ctl, arguments);
    if (!process.waitForFinished(3600000) || process.exitCode() > allowedExit)
        qFatal("rs485ctl %s ended with %d", qPrintable(arguments.first()), process.exitCode());
    return process.readAllStandardOutput();
}

void printPort(const QJsonObject &port)
{
    double reactionMs = 0;
    int quietRows = 0;
    for (const QJsonValue row : port["rows"].toArray()) {
        reactionMs += row["reactionMs"].toInt();
        quietRows += row["outcome"].toString() != QLatin1String("skipped");
    }
    const QJsonObject summary = port["summary"].toObject();
    const double leastS = (reactionMs + double(quietRows) * QuietMs) / 1000;
    std::printf("  %s: %d passed, %d failed, %d skipped in %.1f s; answers %.1f s + quiet %.1f s "
                "= %.1f s, the rest %.1f s\n",
                qPrintable(QFileInfo(port["port"].toString()).fileName()),
                summary["passed"].toInt(), summary["failed"].toInt(), summary["skipped"].toInt(),
                port["seconds"].toDouble(), reactionMs / 1000, quietRows * QuietMs / 1000.0, leastS,
                port["seconds"].toDouble() - leastS);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        qFatal("usage: bench_check <rs485ctl> <gateway-emulator> [gateway counts, e.g. 1,4]");
    const QStringList counts = QString(argc > 3 ? argv[3] : "1,4").split(',');
    KnxdServer knxd;
    if (!knxd.isRunning())
        qFatal("knxd did not start: %s", qPrintable(knxd.log()));
    QTemporaryDir dir;
    const QString project = dir.filePath("full.db");
    if (!writeProjectAt(project, passingTables()))
        qFatal("cannot write %s", qPrintable(project));

    double oneGatewayMs = 0;
    for (const QString &count : counts) {
        Gateways gateways;
        const QStringList ports = startGateways(argv[2], knxd, dir, count.toInt(), gateways);
        rs485ctl(argv[1], QStringList{"download", project} + ports);
        const double cpuBefore = childrenCpuMs();
        QElapsedTimer clock;
        clock.start();
        const QByteArray json = rs485ctl(
            argv[1], QStringList{"check", project, "--knx", knxd.interfaceText(), "--json"} + ports,
            1);
        const double wallMs = double(clock.elapsed());
        const double cpuMs = childrenCpuMs() - cpuBefore;
        if (oneGatewayMs == 0)
            oneGatewayMs = wallMs;
        std::printf("%s gateway(s), 1280 rows each: wall %.1f s (%.2f x the first run), "
                    "rs485ctl CPU %.1f s\n",
                    qPrintable(count), wallMs / 1000, wallMs / oneGatewayMs, cpuMs / 1000);
        for (const QJsonValue port : QJsonDocument::fromJson(json)["ports"].toArray())
            printPort(port.toObject());
        std::fflush(stdout);
        for (const auto &gateway : gateways) {
            gateway->terminate();
            gateway->waitForFinished();
        }
    }
    return 0;
}
