#include "messageboxanswerer.h"
#include "pseudoterminal.h"
#include "scopedworkdir.h"
#include "windowundertest.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
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
        QCOMPARE(w.widget<QComboBox>("comboBoxComm")->itemText(0), pty.slavePath());

        QVERIFY(w.openPort(pty.slavePath()));
        QCOMPARE(w.statusText(), pty.slavePath() + " Open 2400 8 1 | TX:0B | RX:0B");
        QVERIFY(w.widget<QGroupBox>("groupBox_operation")->isEnabled());
        for (const char *name :
             {"pushButton_485toknx_w_send", "pushButton_1byte_send_p", "pushButton_1byte_send_n"})
            QVERIFY2(w.widget(name)->isEnabled(), name);
        for (const char *name : {"comboBoxComm", "comboBoxBaudRate", "comboBoxStopBit",
                                 "comboBoxParity", "comboBoxDataBit", "comboBoxFlowCtrl"})
            QVERIFY2(!w.widget(name)->isEnabled(), name);
        QCOMPARE(pty.lineSettings().baudRate, 2400u);

        w.click("pushButtonOpen");
        QVERIFY(!w.isPortOpen());
        QCOMPARE(w.widget<QPushButton>("pushButtonOpen")->text(), QString("Open"));
        QCOMPARE(w.statusText(), QString("Serial port is not open | TX:0B | RX:0B"));
        QVERIFY(!w.widget<QGroupBox>("groupBox_operation")->isEnabled());
        QVERIFY(!w.widget("pushButton_485toknx_w_send")->isEnabled());
        for (const char *name :
             {"comboBoxComm", "comboBoxBaudRate", "comboBoxStopBit", "comboBoxParity"})
            QVERIFY2(w.widget(name)->isEnabled(), name);
        for (const char *name : {"comboBoxDataBit", "comboBoxFlowCtrl"})
            QVERIFY2(!w.widget(name)->isEnabled(), name);
    }

    void openAppliesTheSelectedParameters()
    {
        PseudoTerminal pty;
        WindowUnderTest w({pty.slavePath()});
        w.select("comboBoxBaudRate", "56000");
        w.select("comboBoxStopBit", "2");
        QVERIFY(w.openPort(pty.slavePath()));
        QCOMPARE(pty.lineSettings().baudRate, 56000u);
        QVERIFY(pty.lineSettings().twoStopBits);
        QCOMPARE(w.statusText(), pty.slavePath() + " Open 56000 8 2 | TX:0B | RX:0B");
    }

    void missingDeviceShowsTheReason()
    {
        WindowUnderTest w({"/nonexistent/ttyGATEWAY"});
        MessageBoxAnswerer answerer;
        w.click("pushButtonOpen");
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().title, QString("ERROR"));
        QCOMPARE(answerer.last().text,
                 QString("Cannot open the port\nCheck to see if the serial port is occupied"));
        QCOMPARE(answerer.last().icon, QMessageBox::Critical);
        QCOMPARE(answerer.last().buttons, QMessageBox::Ok);
        QVERIFY(!answerer.last().informativeText.isEmpty());
        QVERIFY(!w.isPortOpen());
        QCOMPARE(w.statusText(), QString("Serial port is not open | TX:0B | RX:0B"));
    }

    void emptyPortListShowsTheErrorBox()
    {
        WindowUnderTest w;
        w.widget<QComboBox>("comboBoxComm")->clear();
        MessageBoxAnswerer answerer;
        w.click("pushButtonOpen");
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().title, QString("ERROR"));
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
        QCOMPARE(w.receivedText(), QString("01 02 03 "));
        QVERIFY(w.statusText().endsWith("RX:3B"));
    }

    // A vanished device closes the port once and says so once.
    void lostPortClosesOnce()
    {
        auto pty = std::make_unique<PseudoTerminal>();
        WindowUnderTest w({pty->slavePath()});
        QVERIFY(w.openPort(pty->slavePath()));
        MessageBoxAnswerer answerer;
        pty.reset();
        QVERIFY(answerer.waitForBoxes(1));
        QTest::qWait(200);
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().title, QString("ERROR"));
        QCOMPARE(answerer.last().icon, QMessageBox::Critical);
        QVERIFY(answerer.last().text.contains("lost"));
        QVERIFY(!w.isPortOpen());
        QVERIFY(w.statusText().startsWith("Serial port is not open | "));
        QVERIFY(w.widget("comboBoxComm")->isEnabled());
    }
};

QTEST_MAIN(TestPortConnection)
#include "tst_portconnection.moc"
