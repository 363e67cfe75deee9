#include "gatewayemulator.h"
#include "gatewayjob.h"
#include "gatewayscan.h"
#include "pseudoterminal.h"
#include "sampletables.h"
#include "serialchange.h"
#include "tablecomparison.h"
#include "tabledownload.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// The engine of rs485ctl in this process, against the virtual gateway on the
// test's event loop.
class TestCtlEngine : public QObject
{
    Q_OBJECT

    QString logText;
    QTextStream log{&logText};

    std::unique_ptr<GatewayEmulator> startGateway(const SerialSettings &settings,
                                                  const GatewayFaults &faults = {})
    {
        auto gateway = std::make_unique<GatewayEmulator>(settings);
        gateway->setLog(&log);
        gateway->setFaults(faults);
        return gateway;
    }

    static JobReport run(GatewayJob &job)
    {
        QSignalSpy finished(&job, &GatewayJob::finished);
        job.start();
        if (finished.isEmpty() && !finished.wait(60000))
            qWarning("the job did not end");
        return job.report();
    }

private slots:
    void downloadLeavesTheTablesHeld_data()
    {
        QTest::addColumn<QByteArray>("noise");
        QTest::addColumn<int>("splitGapMs");
        QTest::newRow("clean line") << QByteArray() << 0;
        // Noise with a false start, answers in two pieces.
        QTest::newRow("noise, split answers") << QByteArray::fromHex("FF0C550C") << 20;
    }

    // With no retries, any answer the framing missed would end the download.
    void downloadLeavesTheTablesHeld()
    {
        QFETCH(QByteArray, noise);
        QFETCH(int, splitGapMs);
        GatewayFaults faults;
        faults.noise = noise;
        faults.splitGapMs = splitGapMs;
        faults.splitAt = 3;
        const auto gateway = startGateway(DefaultGatewaySettings, faults);
        const TelegramTables tables = SampleTables(7).make(40, 20, 40);

        GatewayJob job(gateway->portPath(), DefaultGatewaySettings, {3000, 0});
        job.addTask<TableDownload>(tables);
        const JobReport report = run(job);
        QVERIFY2(report.result == JobResult::Succeeded, qPrintable(report.message));
        QCOMPARE(report.message, QString("40 + 20 + 40 rows downloaded"));
        QCOMPARE(report.framesAnswered, downloadFrameCount(tables));
        QCOMPARE(report.resends, 0);
        const QStringList differences = tableDifferences(tables, gateway->storedTables());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 5).join('\n')));
    }

    // A port lost mid-download names how far the download got.
    void lostPortNamesTheRowReached()
    {
        const auto gateway = startGateway(DefaultGatewaySettings);
        const TelegramTables tables = SampleTables(7).make(40, 0, 0);
        GatewayJob job(gateway->portPath(), DefaultGatewaySettings, {3000, 0});
        job.addTask<TableDownload>(tables);
        connect(gateway.get(), &GatewayEmulator::frameReceived, gateway.get(), [&gateway] {
            if (gateway->framesReceived() == 6)
                gateway->goAway();
        });
        const JobReport report = run(job);
        QCOMPARE(int(report.result), int(JobResult::Failed));
        QVERIFY2(QRegularExpression("^the port was lost after [56] of 41 frames, at 485 to KNX "
                                    "row [56]: ")
                     .match(report.message)
                     .hasMatch(),
                 qPrintable(report.message));
    }

    // The scan's end: a silent line is given up one interval after the 81st
    // probe, at the last combination; an answer to the 81st probe is found.
    // (Parity is invisible on a pty: the gateway hears the probes at no and
    // odd parity too, and drops its first two answers.)
    void scanToItsEnd()
    {
        PseudoTerminal silent;
        QElapsedTimer clock;
        GatewayJob nobody(silent.slavePath(), DefaultGatewaySettings, {300, 0});
        nobody.addTask<GatewayScan>(10);
        clock.start();
        JobReport report = run(nobody);
        QCOMPARE(report.message, QString("no answer at any of the 81 combinations"));
        QVERIFY(clock.elapsed() >= 810);
        QCOMPARE(silent.readAvailable().size(), 81 * 15);
        QCOMPARE(report.line.baudIndex * 100 + report.line.stopBitIndex * 10 +
                     report.line.parityIndex,
                 822);

        GatewayFaults faults;
        faults.dropped = {{1, 2}};
        const auto gateway = startGateway({8, 2, 2}, faults);
        GatewayJob last(gateway->portPath(), DefaultGatewaySettings, {300, 0});
        last.addTask<GatewayScan>(100);
        report = run(last);
        QVERIFY2(report.result == JobResult::Succeeded, qPrintable(report.message));
        QCOMPARE(report.message, QString("at 115200 baud, 2 stop bits, EVEN"));
        QCOMPARE(gateway->framesReceived(CMD_READ_SERIAL_PARAMETERS), 3);
    }

    // The scan finds a gateway at 4800 baud on its second probe. The answer
    // to the new settings is lost, but the gateway has switched: the command
    // is sent again unheard, and a probe at the new settings finds it.
    void scanThenFollowTheGatewayToNewSettings()
    {
        GatewayFaults faults;
        faults.dropped = {{2, 2}};
        const auto gateway = startGateway({1, 0, 0}, faults);
        GatewayJob job(gateway->portPath(), DefaultGatewaySettings, {300, 1});
        job.addTask<GatewayScan>();
        job.addTask<SerialChange>(SerialSettings{7, 2, 1});
        const JobReport report = run(job);
        QVERIFY2(report.result == JobResult::Succeeded, qPrintable(report.message));
        QCOMPARE(report.message,
                 QString("at 4800 baud, 1 stop bit, None; now at 57600 baud, 2 stop bits, ODD "
                         "(its answer to the command was lost)"));
        QCOMPARE(report.resends, 1);
        QCOMPARE(report.framesAnswered, 2);
        const SerialSettings held = gateway->serialSettings();
        QCOMPARE(QList<int>({held.baudIndex, held.stopBitIndex, held.parityIndex}),
                 QList<int>({7, 2, 1}));
        QCOMPARE(report.line.baudIndex, 7);
        QCOMPARE(gateway->framesReceived(CMD_READ_SERIAL_PARAMETERS), 2);
    }
};

QTEST_GUILESS_MAIN(TestCtlEngine)
#include "tst_ctlengine.moc"
