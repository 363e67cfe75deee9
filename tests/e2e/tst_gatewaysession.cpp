#include "gatewayemulator.h"
#include "messageboxanswerer.h"
#include "scopedworkdir.h"
#include "windowundertest.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QTest>

// The real window against the virtual gateway: scan, mode commands and
// serial configuration as a user runs them.
class TestGatewaySession : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;
    QString gatewayLog;
    QTextStream quiet{&gatewayLog};

    std::unique_ptr<GatewayEmulator> startGateway(SerialSettings settings)
    {
        auto gateway = std::make_unique<GatewayEmulator>(settings);
        gateway->setLog(&quiet);
        return gateway;
    }

    static QString currentText(const WindowUnderTest &w, const char *comboBox)
    {
        return w.widget<QComboBox>(comboBox)->currentText();
    }

private slots:
    void scanFindsTheGatewayAtItsSettings_data()
    {
        QTest::addColumn<int>("baud");
        QTest::addColumn<QString>("baudText");
        QTest::addColumn<int>("probes");
        QTest::newRow("9600 on the third probe") << 2 << "9600" << 3;
        QTest::newRow("2400 on the first probe") << 0 << "2400" << 1;
    }

    void scanFindsTheGatewayAtItsSettings()
    {
        QFETCH(int, baud);
        QFETCH(QString, baudText);
        QFETCH(int, probes);
        auto gateway = startGateway({baud, 0, 0});
        WindowUnderTest w({gateway->portPath()});
        QVERIFY(w.openPort(gateway->portPath()));

        MessageBoxAnswerer answerer;
        QElapsedTimer clock;
        clock.start();
        w.click("pushButtonScan");
        QVERIFY(answerer.waitForBoxes(1));
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= (probes - 1) * 400 && elapsed < probes * 400 + 300,
                 qPrintable(QString::number(elapsed)));
        QCOMPARE(answerer.last().title, QString("Found"));
        QCOMPARE(answerer.last().text, QString("Found serial configuration."));
        QCOMPARE(currentText(w, "comboBoxBaudRate"), baudText);
        QCOMPARE(currentText(w, "comboBoxStopBit"), QString("1"));
        QCOMPARE(currentText(w, "comboBoxParity"), QString("None"));
        QCOMPARE(w.statusText(), QString("%1 Open %2 8 1 | TX:%3B | RX:10B")
                                     .arg(gateway->portPath(), baudText)
                                     .arg(probes * 15));
    }

    // Parity is invisible on a pty: such a gateway already hears the probes
    // at no and odd parity, the 63rd and 72nd; it keeps silent until the 81st.
    void answerToTheLastProbeIsFoundNeverNotFound()
    {
        auto gateway = startGateway({8, 2, 2});
        GatewayFaults faults;
        faults.dropped = {{1, 2}};
        gateway->setFaults(faults);
        WindowUnderTest w({gateway->portPath()});
        QVERIFY(w.openPort(gateway->portPath()));

        MessageBoxAnswerer answerer;
        w.click("pushButtonScan");
        QVERIFY(answerer.waitForBoxes(1, 40000));
        QTest::qWait(600);
        QCOMPARE(answerer.texts(), QStringList{"Found serial configuration."});
        QCOMPARE(gateway->framesReceived(CMD_READ_SERIAL_PARAMETERS), 3);
        QCOMPARE(currentText(w, "comboBoxBaudRate"), QString("115200"));
        QCOMPARE(currentText(w, "comboBoxStopBit"), QString("2"));
        QCOMPARE(currentText(w, "comboBoxParity"), QString("EVEN"));
    }

    void modeCommandsSwitchTheGateway()
    {
        auto gateway = startGateway({0, 0, 0});
        WindowUnderTest w({gateway->portPath()});
        QVERIFY(w.openPort(gateway->portPath()));
        MessageBoxAnswerer answerer;

        w.click("pushButtonDebug");
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().text, QString("Setting debug mode successfully."));
        QCOMPARE(gateway->operatingMode(), DebugMode);

        w.click("pushButtonWorkMode");
        QVERIFY(answerer.waitForBoxes(2));
        QCOMPARE(answerer.last().text, QString("Setting work mode successfully."));
        QCOMPARE(gateway->operatingMode(), WorkingMode);
        QVERIFY(w.statusText().endsWith("| TX:32B | RX:16B"));
    }

    void serialConfigureMovesGatewayAndTool()
    {
        auto gateway = startGateway({0, 0, 0});
        WindowUnderTest w({gateway->portPath()});
        QVERIFY(w.openPort(gateway->portPath()));
        w.select("comboBoxBaudRate_set", "57600");
        w.select("comboBoxStopBit_set", "2");
        w.select("comboBoxParity_set", "ODD");
        MessageBoxAnswerer answerer;

        w.click("pushButtonConfigSerial");
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().text, QString("Setting serial port successfully."));
        QCOMPARE(gateway->serialSettings().baudIndex, 7);
        QCOMPARE(gateway->serialSettings().stopBitIndex, 2);
        QCOMPARE(gateway->serialSettings().parityIndex, 1);
        QCOMPARE(currentText(w, "comboBoxBaudRate"), QString("57600"));
        QCOMPARE(currentText(w, "comboBoxStopBit"), QString("2"));
        QCOMPARE(currentText(w, "comboBoxParity"), QString("ODD"));

        // The two still understand each other.
        w.click("pushButtonDebug");
        QVERIFY(answerer.waitForBoxes(2));
        QCOMPARE(answerer.last().text, QString("Setting debug mode successfully."));
    }

    void splitAnswer_data()
    {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<bool>("taken");
        QTest::newRow("20 ms gap") << 20 << true;
        QTest::newRow("60 ms gap") << 60 << false;
    }

    void splitAnswer()
    {
        QFETCH(int, gapMs);
        QFETCH(bool, taken);
        auto gateway = startGateway({0, 0, 0});
        GatewayFaults faults;
        faults.splitGapMs = gapMs;
        gateway->setFaults(faults);
        WindowUnderTest w({gateway->portPath()});
        QVERIFY(w.openPort(gateway->portPath()));
        MessageBoxAnswerer answerer;

        w.click("pushButtonDebug");
        QTRY_VERIFY(w.statusText().endsWith("RX:8B"));
        QTest::qWait(200);
        QCOMPARE(answerer.count(), taken ? 1 : 0);
    }
};

QTEST_MAIN(TestGatewaySession)
#include "tst_gatewaysession.moc"
