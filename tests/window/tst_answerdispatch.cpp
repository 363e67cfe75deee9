#include "messageboxanswerer.h"
#include "ptywindowtest.h"

#include <QComboBox>
#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
} // namespace

// The test plays the gateway on a pseudo-terminal and answers by hand.
class TestAnswerDispatch : public PtyWindowTest
{
    Q_OBJECT

    QString currentText(const char *comboBox) const
    {
        return w->widget<QComboBox>(comboBox)->currentText();
    }

private slots:
    void modeCommands_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("text");
        QTest::newRow("debug") << QByteArray("pushButtonDebug")
                               << hex("550C0C01776F726B6D6F64650103D70D")
                               << "Setting debug mode successfully.";
        QTest::newRow("working") << QByteArray("pushButtonWorkMode")
                                 << hex("550C0C01776F726B6D6F64650203D80D")
                                 << "Setting work mode successfully.";
    }

    void modeCommands()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, frame);
        QFETCH(QString, text);
        MessageBoxAnswerer answerer;
        w->click(button);
        QCOMPARE(pty->read(frame.size(), 1000), frame);
        QVERIFY(pty->write(hex("0C55AABBCCDDEE0D")));
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().title, QString("Success"));
        QCOMPARE(answerer.last().text, text);
        QCOMPARE(answerer.last().icon, QMessageBox::Information);
        QVERIFY(w->statusText().endsWith("| TX:16B | RX:8B"));
    }

    void blocksThatAreNoAnswerOpenNoBox_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("own start bytes") << hex("550C00000000000D");
        QTest::newRow("wrong end byte") << hex("0C55000000000000");
        QTest::newRow("9 bytes") << hex("0C550000000000000D");
        QTest::newRow("10 bytes") << hex("0C55000000000000000D");
    }

    void blocksThatAreNoAnswerOpenNoBox()
    {
        QFETCH(QByteArray, block);
        MessageBoxAnswerer answerer;
        w->click("pushButtonDebug");
        QVERIFY(pty->write(block));
        QTRY_COMPARE(w->receivedText(), byteArrayToHexStr(block));
        QTest::qWait(100);
        QCOMPARE(answerer.count(), 0);
    }

    void serialConfigureMovesTheToolsPort()
    {
        MessageBoxAnswerer answerer;
        w->select("comboBoxBaudRate_set", "115200");
        w->select("comboBoxStopBit_set", "2");
        w->select("comboBoxParity_set", "None");
        w->click("pushButtonConfigSerial");
        QCOMPARE(pty->read(10, 1000), hex("550C060208020000730D"));
        QCOMPARE(pty->lineSettings().baudRate, 2400u);
        QVERIFY(pty->write(hex("0C550602000000 0D")));
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().text, QString("Setting serial port successfully."));
        QCOMPARE(currentText("comboBoxBaudRate"), QString("115200"));
        QCOMPARE(currentText("comboBoxStopBit"), QString("2"));
        QCOMPARE(currentText("comboBoxParity"), QString("None"));
        QCOMPARE(pty->lineSettings().baudRate, 115200u);
        QVERIFY(pty->lineSettings().twoStopBits);
        QVERIFY(w->statusText().startsWith(pty->slavePath() + " Open 115200 8 2 | "));
    }

    void scanAnswerSelectsWhatTheGatewayReports_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("baud");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("parity");
        QTest::newRow("in range") << hex("080201") << "115200"
                                  << "2"
                                  << "ODD";
        QTest::newRow("out of range") << hex("0B07FF") << "38400"
                                      << "1"
                                      << "None";
    }

    void scanAnswerSelectsWhatTheGatewayReports()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, baud);
        QFETCH(QString, stop);
        QFETCH(QString, parity);
        MessageBoxAnswerer answerer;
        w->click("pushButtonScan");
        QCOMPARE(pty->read(15, 1000), hex("550C0B00676574506172616D039D0D"));
        QVERIFY(pty->write(hex("0C550A00") + settings + hex("00000D")));
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().title, QString("Found"));
        QCOMPARE(answerer.last().text, QString("Found serial configuration."));
        QCOMPARE(currentText("comboBoxBaudRate"), baud);
        QCOMPARE(currentText("comboBoxStopBit"), stop);
        QCOMPARE(currentText("comboBoxParity"), parity);
        QCOMPARE(pty->lineSettings().baudRate, baud.toUInt());
        QCOMPARE(w->widget<QAbstractButton>("pushButtonScan")->text(), QString("Scan"));
        QVERIFY(w->widget("pushButtonOpen")->isEnabled());
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
        // The scan is over: no further probe follows.
        QTest::qWait(500);
        QCOMPARE(pty->readAvailable(), QByteArray());
    }
};

QTEST_MAIN(TestAnswerDispatch)
#include "tst_answerdispatch.moc"
