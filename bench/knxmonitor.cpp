// The group monitor under a flood: knxd on the loopback, a sender of group
// writes through knxd's client library in a process of its own, the tool's
// tunnelling connection feeding the monitor in a window. For each rate, for
// the given seconds: telegrams sent and shown, the tool's CPU time per 1,000
// telegrams, the longest event-loop stall and the growth of resident memory.
//   bench_knxmonitor [seconds, default 60] [rates, default 2000,4000,8000]

#include "benchmeasure.h"
#include "groupaddressbook.h"
#include "groupmonitor.h"
#include "grouptelegramlog.h"
#include "knxconnection.h"
#include "knxdserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QSignalSpy>
#include <QTextStream>
#include <QThread>

#include <eibclient.h>
#include <sys/resource.h>

#include <cstdio>

namespace {
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The sender's process: `rate` 2-byte writes a second to 1/0/0 … 1/7/255 for
// `seconds`, paced every millisecond; prints the count sent.
int send(const QString &url, int rate, int seconds)
{
    EIBConnection *connection = EIBSocketURL(url.toLocal8Bit().constData());
    if (!connection || EIBOpen_GroupSocket(connection, 0) == -1)
        return 1;
    QElapsedTimer clock;
    clock.start();
    qint64 sent = 0;
    const qint64 total = qint64(rate) * seconds;
    while (sent < total) {
        const qint64 due = std::min(total, clock.elapsed() * rate / 1000 + 1);
        for (; sent < due; ++sent) {
            const uchar apdu[] = {0x00, 0x80, uchar(sent >> 8), uchar(sent)};
            if (EIBSendGroup(connection, eibaddr_t(0x0800 | (sent & 0x7FF)), sizeof apdu, apdu) ==
                -1)
                return 1;
        }
        QThread::msleep(1);
    }
    EIBClose(connection);
    std::printf("%lld\n", sent);
    return 0;
}

void measure(const KnxdServer &server, int rate, int seconds)
{
    GroupAddressBook book;
    GroupTelegramLog log(book);
    QMainWindow window;
    auto *monitor = new GroupMonitor(log, book, &window);
    window.addDockWidget(Qt::BottomDockWidgetArea, monitor);
    window.resize(1200, 700);
    window.show();

    std::unique_ptr<KnxConnection> connection =
        createKnxConnection(*parseKnxInterface(server.interfaceText()));
    QSignalSpy connected(connection.get(), &KnxConnection::connected);
    QObject::connect(connection.get(), &KnxConnection::telegramReceived, &log,
                     [&log](const GroupTelegram &telegram) {
                         log.append(telegram, QDateTime::currentDateTime());
                     });
    connection->open();
    if (!connected.wait(10000)) {
        std::printf("%6d/s: no connection to knxd\n", rate);
        return;
    }

    StallMeter stalls;
    const double memoryBefore = residentMegabytes();
    const double cpuBefore = cpuSeconds();
    stalls.start();
    QProcess sender;
    sender.start(QCoreApplication::applicationFilePath(),
                 {"--send", server.clientUrl(), QString::number(rate), QString::number(seconds)});
    sender.waitForStarted(5000);
    while (sender.state() != QProcess::NotRunning)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 sent = sender.readAllStandardOutput().trimmed().toLongLong();
    // What is under way arrives within a second.
    QElapsedTimer drain;
    drain.start();
    while (log.takenCount() < sent && drain.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    log.showTaken();
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("%6d/s: %lld sent, %lld shown (%d rows kept), %.0f ms CPU per 1,000, longest "
                "stall %lld ms, memory %+.1f MB\n",
                rate, sent, log.takenCount(), log.rowCount(),
                sent ? cpu * 1e6 / double(sent) : 0.0, stalls.longestMs(),
                residentMegabytes() - memoryBefore);
    std::fflush(stdout);
    connection->close();
}
} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && QByteArray(argv[1]) == "--send")
        return send(QString::fromLocal8Bit(argv[2]), atoi(argv[3]), atoi(argv[4]));
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int seconds = arguments.value(1, "60").toInt();
    const QStringList rates = arguments.value(2, "2000,4000,8000").split(',');
    KnxdServer server;
    if (!server.isRunning()) {
        std::fprintf(stderr, "knxd does not start: %s\n", qPrintable(server.log()));
        return 1;
    }
    for (const QString &rate : rates)
        measure(server, rate.toInt(), seconds);
    return 0;
}
