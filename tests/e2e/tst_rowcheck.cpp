#include "gatewayemulator.h"
#include "knxconnection.h"
#include "knxdserver.h"
#include "linesession.h"
#include "rowchecktask.h"
#include "sampletables.h"
#include "tabledownload.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {
QStringList outcomes(const QList<RowCheckResult> &results)
{
    QStringList lines;
    for (const RowCheckResult &result : results)
        lines << tableRowText(result.where) + ": " +
                     (result.passed() ? QStringLiteral("passed") : result.words);
    return lines;
}
} // namespace

// The commissioning check over the line of the virtual gateway in working
// mode and a tunnel to the knxd it sends to.
class TestRowCheck : public QObject
{
    Q_OBJECT

    KnxdServer knxd;
    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<LineSession> session;
    std::unique_ptr<KnxConnection> bus;

    void startGateway(bool onKnx, const RowFaults &faults = {})
    {
        gateway = std::make_unique<GatewayEmulator>();
        gateway->setRowFaults(faults);
        if (onKnx)
            gateway->connectKnx(knxd.clientUrl());
        session = std::make_unique<LineSession>(ExchangeLimits{1000, 0}, 4096);
        QSignalSpy opened(session.get(), &LineSession::opened);
        session->open(gateway->portPath());
        QVERIFY(opened.count() || opened.wait(5000));
        auto *download = session->prepare<TableDownload>(checkSampleTables());
        QSignalSpy finished(download, &GatewayTask::finished);
        session->run(download);
        QVERIFY(finished.wait(10000) && download->succeeded());
        QTRY_VERIFY_WITH_TIMEOUT(!onKnx || gateway->knxConnected(), 10000);
    }

    // Checks every row; what each row came to.
    QStringList check(const RowCheckLimits &limits = {})
    {
        auto *run =
            session->prepare<RowCheckTask>(*bus, rowCheckPlans(checkSampleTables()), limits);
        QSignalSpy finished(run, &GatewayTask::finished);
        session->run(run);
        if (!finished.wait(60000) || !run->succeeded())
            return {run->outcome()};
        return outcomes(run->results());
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(knxd.isRunning(), qPrintable(knxd.log()));
        bus = createKnxConnection(*parseKnxInterface(knxd.interfaceText()));
        QSignalSpy connected(bus.get(), &KnxConnection::connected);
        bus->open();
        QVERIFY(connected.wait(10000));
    }

    void cleanup()
    {
        session.reset();
        gateway.reset();
    }

    // Every row passes; a misrouted row and one with a wrong value fail with
    // what came instead, and a foreign telegram that would pass the misrouted
    // row is not the gateway's. The line is set back after a row at 115200.
    void rowsPassOrSayWhatCameInstead()
    {
        const QStringList allPass = {"485 to KNX row 1: passed", "485 to KNX row 2: passed",
                                     "485 to KNX row 3: passed", "485 to KNX(1 Byte) row 1: passed",
                                     "KNX to 485 row 1: passed", "KNX to 485 row 2: passed",
                                     "KNX to 485 row 3: passed"};
        startGateway(true);
        QCOMPARE(check(), allPass);
        QCOMPARE(gateway->operatingMode(), WorkingMode);

        // Row 1 sends a wrong value; row 2 sends to another address while a
        // foreign device writes what row 2 awaits; the second KNX-to-485 row
        // listens for another value.
        startGateway(true,
                     {{{TelegramTable::Tele485ToKnxW, 1}},
                      {{TelegramTable::Tele485ToKnxW, 0}, {TelegramTable::TeleKnxTo485W, 1}}});
        QProcess foreign;
        connect(session.get(), &LineSession::sent, this, [&](const QByteArray &bytes) {
            if (bytes == "\x07")
                foreign.start(KnxdServer::program("knxtool"),
                              {"groupwrite", knxd.clientUrl(), "1/2/30", "0C", "1A"});
        });
        QStringList expected = allPass;
        expected[0] = "485 to KNX row 1: value 0 instead of 1";
        expected[1] = "485 to KNX row 2: KNX 1/2/31 instead of 1/2/30";
        expected[5] = "KNX to 485 row 2: nothing on the line";
        QCOMPARE(check(), expected);
        QTRY_COMPARE_WITH_TIMEOUT(foreign.state(), QProcess::NotRunning, 5000);
        QCOMPARE(foreign.exitCode(), 0); // it ran, and its telegram was not taken
        QCOMPARE(session->task(), nullptr);
    }

    // A gateway that sends nothing to the bus fails the rows after three
    // without waiting for each.
    void silentGatewayFailsQuickly()
    {
        startGateway(false);
        QElapsedTimer clock;
        clock.start();
        const QStringList found = check({500, 50, 500, 3});
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(found.at(0), "485 to KNX row 1: nothing on KNX");
        QCOMPARE(found.at(3),
                 "485 to KNX(1 Byte) row 1: nothing on KNX (the gateway did not react to the 3 "
                 "rows before)");
        QVERIFY(found.at(4).startsWith("KNX to 485 row 1: nothing on the line"));
    }
};

QTEST_GUILESS_MAIN(TestRowCheck)
#include "tst_rowcheck.moc"
