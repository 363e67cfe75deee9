// Downloads full tables (512, 256 and 512 rows: 1,281 frames) with rs485ctl to
// one and to eight virtual gateways at once, each its own gateway-emulator
// process with immediate answers, and prints for each run the wall time, the
// CPU time of rs485ctl and its CPU time per frame; then the CPU time the
// gateways took per run, which shares the machine's cores with rs485ctl.
// With an answer delay the gateways answer that many ms late, as over a
// real line, where the line's time and not the processor's sets the pace.
//   bench_ctl <rs485ctl> <gateway-emulator> [runs, default 3] [answer delay ms, default 0]

#include "projectfiles.h"
#include "sampletables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {
// CPU time of the children reaped so far, in ms.
double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

using Gateways = std::vector<std::unique_ptr<QProcess>>;

// The gateways, each publishing its link in the directory; the ports to name.
QStringList startGateways(const QString &emulator, const QTemporaryDir &dir, int count, int delayMs,
                          Gateways &gateways)
{
    QStringList arguments;
    for (int index = 0; index < count; ++index) {
        const QString link = dir.filePath(QStringLiteral("gateway%1").arg(index));
        auto gateway = std::make_unique<QProcess>();
        gateway->setStandardOutputFile(QProcess::nullDevice());
        gateway->setStandardErrorFile(QProcess::nullDevice());
        QStringList options{"--link", link};
        if (delayMs > 0)
            options << "--delay" << QString::number(delayMs);
        gateway->start(emulator, options);
        if (!QTest::qWaitFor([&] { return QFileInfo(link).isSymLink(); }, 10000))
            qFatal("gateway %d did not start", index);
        gateways.push_back(std::move(gateway));
        arguments << "--port" << link;
    }
    return arguments;
}

// One run of rs485ctl; its wall time in ms.
double download(const QString &ctl, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(ctl, arguments);
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        qFatal("rs485ctl failed with exit code %d", process.exitCode());
    return clock.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        qFatal("usage: bench_ctl <rs485ctl> <gateway-emulator> [runs] [answer delay ms]");
    const int runs = argc > 3 ? atoi(argv[3]) : 3;
    const int delayMs = argc > 4 ? atoi(argv[4]) : 0;
    QTemporaryDir dir;
    const QString project = dir.filePath("full.db");
    const TelegramTables tables = SampleTables(1).make(512, 256, 512);
    if (!writeProjectAt(project, tables))
        qFatal("cannot write %s", qPrintable(project));
    const int frames = downloadFrameCount(tables);

    for (const int count : {1, 8}) {
        Gateways gateways;
        const QStringList ports = startGateways(argv[2], dir, count, delayMs, gateways);
        for (int run = 0; run < runs; ++run) {
            const double cpuBefore = childrenCpuMs();
            const double wallMs = download(argv[1], QStringList{"download", project} + ports);
            const double cpuMs = childrenCpuMs() - cpuBefore;
            std::printf("%d gateway%s, %d frames each: wall %.0f ms, rs485ctl CPU %.0f ms, "
                        "%.3f ms CPU per frame\n",
                        count, count > 1 ? "s" : "", frames, wallMs, cpuMs,
                        cpuMs / (frames * count));
        }
        const double cpuBefore = childrenCpuMs();
        for (const auto &gateway : gateways) {
            gateway->terminate();
            gateway->waitForFinished();
        }
        std::printf("%d gateway%s: gateway CPU %.0f ms per run\n", count, count > 1 ? "s" : "",
                    (childrenCpuMs() - cpuBefore) / runs);
    }
    return 0;
}
