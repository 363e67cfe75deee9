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

namespace {
const QString success = "Download over!Success!Please change to working mode.";
} // namespace

// The real window downloads its tables into the virtual gateway.
class TestDownloadSession : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;
    QString gatewayLog;
    QTextStream quiet{&gatewayLog};
    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<WindowUnderTest> w;

    QTableWidget *table(const char *name) const { return w->widget<QTableWidget>(name); }

    DownloadTables windowTables() const
    {
        return {tableRecords<Tele485ToKnxW>(table("tableWidget_485toknx_w")),
                tableRecords<Tele1Byte>(table("tableWidget_1byte")),
                tableRecords<TeleKnxTo485W>(table("tableWidget_knxto485_w"))};
    }

    void expectHeld(const DownloadTables &sent)
    {
        const QStringList differences = tableDifferences(sent, gateway->storedTables());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 5).join('\n')));
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

    // 1,281 frames of every type, length and baud rate, lower- and upper-case
    // hex, telegrams up to 64 bytes, acknowledgements from none to 32.
    void fullTablesArriveAsTheWindowHoldsThem()
    {
        fillTables(*w, SampleTables(3).make(512, 256, 512));
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(1, 30000));
        QCOMPARE(answerer.texts(), QStringList{success});
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
        QVERIFY(gateway->downloadComplete());
        expectHeld(windowTables());
        QVERIFY(w->statusText().endsWith(QString("RX:%1B").arg(8 + 1280 * 10)));
    }

    void framesGoOutInTableOrder()
    {
        fillTables(*w, SampleTables(2).make(2, 0, 1));
        QSignalSpy frames(gateway.get(), &GatewayEmulator::frameReceived);
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(1));
        QList<quint8> commands;
        for (const QList<QVariant> &frame : frames)
            commands << frame.at(0).value<quint8>();
        QCOMPARE(commands, QList<quint8>({CMD_TABLE_SIZES, CMD_ROW_485_TO_KNX_W,
                                          CMD_ROW_485_TO_KNX_W, CMD_ROW_KNX_TO_485_W}));
    }

    // Three seconds without an answer name the frame; a late answer is no success.
    void unansweredFrame_data()
    {
        QTest::addColumn<int>("dropped");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<QString>("text");
        QTest::newRow("sizes") << 1 << 0 << "Download telegram number error!";
        QTest::newRow("late sizes") << 0 << 3300 << "Download telegram number error!";
        QTest::newRow("485 row 0") << 2 << 0 << "Download telegram 485 to knx(Write) 1 error!";
        QTest::newRow("1-byte row 1") << 5 << 0 << "Download telegram 1 byte telegram 2 error!";
        QTest::newRow("KNX row 0") << 6 << 0 << "Download telegram knx to 485(Write) 1 error!";
    }

    void unansweredFrame()
    {
        QFETCH(int, dropped);
        QFETCH(int, delayMs);
        QFETCH(QString, text);
        fillTables(*w, SampleTables(4).make(2, 2, 1));
        GatewayFaults faults;
        faults.dropped = {{dropped, dropped}};
        faults.delayMs = delayMs;
        gateway->setFaults(faults);
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(1, 4000));
        QCOMPARE(answerer.last().title, QString("Download error!"));
        QCOMPARE(answerer.last().text, text);
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
        QTest::qWait(delayMs ? 800 : 100);
        QCOMPARE(answerer.count(), 1);
    }

    // The third frame is not answered; Download again starts over.
    void downloadDuringADownloadStartsOver()
    {
        fillTables(*w, SampleTables(5).make(3, 2, 1));
        GatewayFaults faults;
        faults.dropped = {{3, 3}};
        gateway->setFaults(faults);
        QSignalSpy frames(gateway.get(), &GatewayEmulator::frameReceived);
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QTRY_COMPARE(frames.size(), 3);
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.texts(), QStringList{success});
        QCOMPARE(frames.at(3).at(0).value<quint8>(), quint8(CMD_TABLE_SIZES));
        expectHeld(windowTables());
    }

    // The download sends the tables as they were when it started.
    void editingDuringADownloadChangesNothingSent()
    {
        fillTables(*w, SampleTables(6).make(20, 10, 20));
        const DownloadTables before = windowTables();
        GatewayFaults faults;
        faults.delayMs = 10;
        gateway->setFaults(faults);
        QSignalSpy frames(gateway.get(), &GatewayEmulator::frameReceived);
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QTRY_COMPARE(frames.size(), 5);
        table("tableWidget_485toknx_w")->setCurrentCell(10, 0);
        w->click("pushButton_485toknx_w_delete");
        answerer.answerNext(QMessageBox::Yes);
        w->click("pushButton_knxto485_w_clear");
        QCOMPARE(table("tableWidget_knxto485_w")->rowCount(), 0);
        QVERIFY(answerer.waitForBoxes(2, 10000));
        QCOMPARE(answerer.last().text, success);
        expectHeld(before);
    }
};

QTEST_MAIN(TestDownloadSession)
#include "tst_downloadsession.moc"
