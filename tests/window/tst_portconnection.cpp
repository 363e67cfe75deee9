#include "messageboxanswerer.h"
#include "pseudoterminal.h"
#include "scopedworkdir.h"
#include "windowundertest.h"

#include <QComboBox>
#include <QTest>

class TestPortConnection : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;

private slots:
    void openAndCloseSwitchTheWindowState()
    {
        PseudoTerminal pty;
        WindowUnderTest w({pty.slavePath()});
        w.select("comboBoxBaudRate", "56000");
        w.select("comboBoxStopBit", "2");
        QVERIFY(w.openPort(pty.slavePath()));
        QCOMPARE(w.statusText(), pty.slavePath() + " Open 56000 8 2 | TX:0B | RX:0B");
        QCOMPARE(pty.lineSettings().baudRate, 56000u);
        QVERIFY(pty.lineSettings().twoStopBits);
        const QList<const char *> commandsAndSends = {
            "groupBox_operation", "pushButton_1byte_send_n", "pushButton_485toknx_w_send"};
        const QList<const char *> selectors = {"comboBoxComm", "comboBoxBaudRate",
                                               "comboBoxStopBit", "comboBoxParity"};
        for (const char *name : commandsAndSends)
            QVERIFY2(w.widget(name)->isEnabled(), name);
        for (const char *name : selectors)
            QVERIFY2(!w.widget(name)->isEnabled(), name);

        w.click("pushButtonOpen");
        QVERIFY(!w.isPortOpen());
        QCOMPARE(w.statusText(), QString("Serial port is not open | TX:0B | RX:0B"));
        for (const char *name : commandsAndSends)
            QVERIFY2(!w.widget(name)->isEnabled(), name);
        for (const char *name : selectors)
            QVERIFY2(w.widget(name)->isEnabled(), name);
        QVERIFY(!w.widget("comboBoxDataBit")->isEnabled());
    }

    void openFailureShowsTheReason_data()
    {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<bool>("reason");
        QTest::newRow("missing device") << QStringList{"/nonexistent/ttyGATEWAY"} << true;
        QTest::newRow("empty port list") << QStringList() << false;
    }

    void openFailureShowsTheReason()
    {
        QFETCH(QStringList, ports);
        QFETCH(bool, reason);
        WindowUnderTest w(ports);
        if (ports.isEmpty())
            w.widget<QComboBox>("comboBoxComm")->clear();
        MessageBoxAnswerer answerer;
        w.click("pushButtonOpen");
        QCOMPARE(answerer.texts(),
                 QStringList{"Cannot open the port\nCheck to see if the serial port is occupied"});
        QCOMPARE(answerer.last().title, QString("ERROR"));
        QCOMPARE(answerer.last().icon, QMessageBox::Critical);
        QCOMPARE(!answerer.last().informativeText.isEmpty(), reason);
        QVERIFY(!w.isPortOpen());
    }

    void reopeningLeavesOneLiveConnection()
    {
        PseudoTerminal pty;
        WindowUnderTest w({pty.slavePath()});
        QVERIFY(w.openPort(pty.slavePath()));
        w.click("pushButtonOpen");
        QVERIFY(w.openPort(pty.slavePath()));
        QVERIFY(pty.write("\x01\x02\x03"));
        QTRY_COMPARE(w.receivedText(), QString("01 02 03 "));
        QTest::qWait(100);
        QVERIFY(w.statusText().endsWith("RX:3B"));
    }

    // A vanished device closes the port once, says so once and ends a scan.
    void lostPortClosesOnce()
    {
        auto pty = std::make_unique<PseudoTerminal>();
        WindowUnderTest w({pty->slavePath()});
        QVERIFY(w.openPort(pty->slavePath()));
        w.click("pushButtonScan");
        MessageBoxAnswerer answerer;
        pty.reset();
        QVERIFY(answerer.waitForBoxes(1));
        QTest::qWait(200);
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().title, QString("ERROR"));
        QVERIFY(answerer.last().text.contains("lost"));
        QVERIFY(!w.isPortOpen());
        QVERIFY(w.widget("comboBoxComm")->isEnabled() && w.widget("pushButtonOpen")->isEnabled());
        QCOMPARE(w.widget<QAbstractButton>("pushButtonScan")->text(), QString("Scan"));
    }
};

QTEST_MAIN(TestPortConnection)
#include "tst_portconnection.moc"
