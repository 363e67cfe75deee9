#include "gatewayemulator.h"
#include "messageboxanswerer.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "tablecomparison.h"
#include "tablefilling.h"
#include "telegrampages.h"
#include "windowundertest.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

// The real window downloads its tables into the virtual gateway.
class TestDownloadSession : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;
    QTextStream quiet{new QString};
    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<WindowUnderTest> w;

    DownloadTables windowTables() const
    {
        return {tableRecords<Tele485ToKnxW>(w->widget<QTableWidget>("tableWidget_485toknx_w")),
                tableRecords<Tele1Byte>(w->widget<QTableWidget>("tableWidget_1byte")),
                tableRecords<TeleKnxTo485W>(w->widget<QTableWidget>("tableWidget_knxto485_w"))};
    }

    void setFaults(void (*change)(GatewayFaults &))
    {
        GatewayFaults faults;
        change(faults);
        gateway->setFaults(faults);
    }

private slots:
    void init()
    {
        gateway = std::make_unique<GatewayEmulator>(SerialSettings{0, 0, 0});
        gateway->setLog(&quiet);
        w = std::make_unique<WindowUnderTest>(QStringList{gateway->portPath()});
        QVERIFY(w->openPort(gateway->portPath()));
    }

    void cleanup()
    {
        w.reset();
        gateway.reset();
    }

    void framesGoOutInTableOrder()
    {
        fillTables(*w, SampleTables(2).make(2, 0, 1));
        QSignalSpy frames(gateway.get(), &GatewayEmulator::frameReceived);
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().text,
                 QString("Download over!Success!Please change to working mode."));
        QList<quint8> commands;
        for (const QList<QVariant> &frame : frames)
            commands << frame.at(0).value<quint8>();
        QCOMPARE(commands, QList<quint8>({CMD_TABLE_SIZES, CMD_ROW_485_TO_KNX_W,
                                          CMD_ROW_485_TO_KNX_W, CMD_ROW_KNX_TO_485_W}));
        QVERIFY(tableDifferences(windowTables(), gateway->storedTables()).isEmpty());
    }

    // 1,281 frames of every type, length and baud rate, lower- and upper-case
    // hex, telegrams up to 64 bytes, acknowledgements from none to 32.
    void fullTablesArriveAsTheWindowHoldsThem()
    {
        fillTables(*w, SampleTables(3).make(512, 256, 512));
        const DownloadTables held = windowTables();
        QCOMPARE(held.frameCount(), 1281);
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(1, 30000));
        QCOMPARE(answerer.last().title, QString("Success"));
        QVERIFY(gateway->downloadComplete());
        const QStringList differences = tableDifferences(held, gateway->storedTables());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 5).join('\n')));
        QVERIFY(w->statusText().endsWith(QString("RX:%1B").arg(8 + 1280 * 10)));
    }

    // The third frame is not answered; Download again starts over.
    void downloadDuringADownloadStartsOver()
    {
        fillTables(*w, SampleTables(4).make(3, 2, 1));
        setFaults([](GatewayFaults &faults) { faults.dropped = {{3, 3}}; });
        QSignalSpy frames(gateway.get(), &GatewayEmulator::frameReceived);
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QTRY_COMPARE(frames.size(), 3);
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().title, QString("Success"));
        QCOMPARE(frames.at(3).at(0).value<quint8>(), quint8(CMD_TABLE_SIZES));
        QCOMPARE(frames.size(), 3 + 7);
        QVERIFY(tableDifferences(windowTables(), gateway->storedTables()).isEmpty());
        QTest::qWait(3200); // past the first download's time-out
        QCOMPARE(answerer.count(), 1);
    }

    // The download sends the tables as they were when it started.
    void editingDuringADownloadChangesNothingSent()
    {
        fillTables(*w, SampleTables(5).make(20, 10, 20));
        const DownloadTables before = windowTables();
        setFaults([](GatewayFaults &faults) { faults.delayMs = 10; });
        QSignalSpy frames(gateway.get(), &GatewayEmulator::frameReceived);
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QTRY_COMPARE(frames.size(), 5);
        auto *table485 = w->widget<QTableWidget>("tableWidget_485toknx_w");
        table485->setCurrentCell(10, 0);
        w->click("pushButton_485toknx_w_delete");
        auto *tableKnx = w->widget<QTableWidget>("tableWidget_knxto485_w");
        answerer.answerNext(QMessageBox::Yes);
        w->click("pushButton_knxto485_w_clear");
        QCOMPARE(tableKnx->rowCount(), 0);
        QVERIFY(answerer.waitForBoxes(2, 10000));
        QCOMPARE(answerer.last().title, QString("Success"));
        const QStringList differences = tableDifferences(before, gateway->storedTables());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 5).join('\n')));
    }

    void debugModeRequiredBeforeADownload()
    {
        gateway->setRequireDebugMode(true);
        fillTables(*w, SampleTables(6).make(1, 1, 1));
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(1, 4000));
        QCOMPARE(answerer.last().text, QString("Download telegram number error!"));
        w->click("pushButtonDebug");
        QVERIFY(answerer.waitForBoxes(2));
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(3));
        QCOMPARE(answerer.last().title, QString("Success"));
    }
};

QTEST_MAIN(TestDownloadSession)
#include "tst_downloadsession.moc"
