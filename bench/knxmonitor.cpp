// The group monitor under a flood, for each rate for the given seconds:
// telegrams sent and shown, the tool's CPU time per 1,000 telegrams, the
// longest event-loop stall and the growth of resident memory. The monitor is
// in a window, fed by the tool's connection; the sender is a process of its
// own. Two paths:
//   routing: the sender puts routing indications on the multicast group, the
//            monitor listens with a routing connection (no daemon between);
//   knxd:    the sender writes through knxd's client library, the monitor
//            has a tunnel to the knxd (knxd paces what it hands on).
//   bench_knxmonitor [seconds, default 60] [rates, default 2000,4000,8000] [routing|knxd]

#include "benchmeasure.h"
#include "cemiframes.h"
#include "groupaddressbook.h"
#include "groupmonitor.h"
#include "grouptelegramlog.h"
#include "knxconnection.h"
#include "knxdserver.h"
#include "knxnetipframes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMainWindow>
#include <QProcess>
#include <QSignalSpy>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

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
// `seconds`, paced every millisecond, through knxd ("local:…") or as routing
// indications to the multicast group on a port ("routing:PORT"); prints the
// count sent.
int send(const QString &url, int rate, int seconds)
{
    QUdpSocket multicast;
    EIBConnection *connection = nullptr;
    const bool routing = url.startsWith(QLatin1String("routing:"));
    if (routing) {
        if (!multicast.bind(QHostAddress::AnyIPv4, 0))
            return 1;
    } else {
        connection = EIBSocketURL(url.toLocal8Bit().constData());
        if (!connection || EIBOpen_GroupSocket(connection, 0) == -1)
            return 1;
    }
    const quint16 port = quint16(url.section(':', 1).toUInt());
    QElapsedTimer clock;
    clock.start();
    qint64 sent = 0;
    const qint64 total = qint64(rate) * seconds;
    while (sent < total) {
        const qint64 due = std::min(total, clock.elapsed() * rate / 1000 + 1);
        for (; sent < due; ++sent) {
            const quint16 address = quint16(0x0800 | (sent & 0x7FF));
            if (routing) {
                const GroupTelegram telegram{0x1105, address, GroupService::Write,
                                             QByteArray{char(sent >> 8), char(sent)}, false};
                const QByteArray datagram =
                    encodeKnxNetIpFrame({KnxNetIp::Service::RoutingIndication,
                                         encodeCemiFrame(cemiFrameOf(telegram, Cemi::LDataInd))});
                if (multicast.writeDatagram(datagram, QHostAddress("224.0.23.12"), port) < 0)
                    return 1;
                continue;
            }
            const uchar apdu[] = {0x00, 0x80, uchar(sent >> 8), uchar(sent)};
            if (EIBSendGroup(connection, eibaddr_t(address), sizeof apdu, apdu) == -1)
                return 1;
        }
        QThread::msleep(1);
    }
    if (connection)
        EIBClose(connection);
    std::printf("%lld\n", sent);
    return 0;
}

void measure(const KnxdServer &server, bool routing, int rate, int seconds)
{
    GroupAddressBook book;
    GroupTelegramLog log(book);
    QMainWindow window;
    auto *monitor = new GroupMonitor(log, book, &window);
    window.addDockWidget(Qt::BottomDockWidgetArea, monitor);
    window.resize(1200, 700);
    window.show();

    // A port of its own for the routing flood, apart from the knxd's.
    const QString routingPort = QString::number(server.port() + 1);
    std::unique_ptr<KnxConnection> connection = createKnxConnection(
        *parseKnxInterface(routing ? "routing:" + routingPort : server.interfaceText()));
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
                 {"--send", routing ? "routing:" + routingPort : server.clientUrl(),
                  QString::number(rate), QString::number(seconds)});
    QEventLoop running;
    QObject::connect(&sender, &QProcess::finished, &running, &QEventLoop::quit);
    if (sender.waitForStarted(5000))
        running.exec();
    const qint64 sent = sender.readAllStandardOutput().trimmed().toLongLong();
    // What is under way arrives within a second.
    QEventLoop draining;
    QTimer::singleShot(1000, &draining, &QEventLoop::quit);
    QObject::connect(connection.get(), &KnxConnection::telegramReceived, &draining, [&] {
        if (log.takenCount() >= sent)
            draining.quit();
    });
    if (log.takenCount() < sent)
        draining.exec();
    log.showTaken();
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("%6d/s: %lld sent, %lld shown (%d rows kept), %.0f ms CPU per 1,000, longest "
                "stall %lld ms, memory %+.1f MB\n",
                rate, sent, log.takenCount(), log.rowCount(), sent ? cpu * 1e6 / double(sent) : 0.0,
                stalls.longestMs(), residentMegabytes() - memoryBefore);
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
    const bool routing = arguments.value(3, "routing") == QLatin1String("routing");
    KnxdServer server;
    if (!server.isRunning()) {
        std::fprintf(stderr, "knxd does not start: %s\n", qPrintable(server.log()));
        return 1;
    }
    for (const QString &rate : rates)
        measure(server, routing, rate.toInt(), seconds);
    return 0;
}
