#include "messageboxanswerer.h"
#include "ptywindowtest.h"

#include <QComboBox>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
} // namespace

// The test answers by hand, with what a real gateway may send.
class TestAnswerDispatch : public PtyWindowTest
{
    Q_OBJECT

private slots:
    void modeCommands_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("text");
        const QByteArray debug = hex("550C0C01776F726B6D6F64650103D70D");
        const QByteArray working = hex("550C0C01776F726B6D6F64650203D80D");
        QTest::newRow("debug") << QByteArray("pushButtonDebug") << debug << hex("0C55AABBCCDDEE0D")
                               << "Setting debug mode successfully.";
        QTest::newRow("working") << QByteArray("pushButtonWorkMode") << working
                                 << hex("0C5500000000000D") << "Setting work mode successfully.";
        QTest::newRow("own start bytes")
            << QByteArray("pushButtonDebug") << debug << hex("550C00000000000D") << QString();
        QTest::newRow("wrong end")
            << QByteArray("pushButtonDebug") << debug << hex("0C55000000000000") << QString();
        QTest::newRow("9 bytes") << QByteArray("pushButtonDebug") << debug
                                 << hex("0C550000000000000D") << QString();
    }

    void modeCommands()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, answer);
        QFETCH(QString, text);
        MessageBoxAnswerer answerer;
        w->click(button);
        QCOMPARE(pty->read(frame.size(), 1000), frame);
        QVERIFY(pty->write(answer));
        QTRY_VERIFY(w->statusText().endsWith(QString("| TX:16B | RX:%1B").arg(answer.size())));
        QTest::qWait(100);
        QCOMPARE(answerer.texts(), text.isEmpty() ? QStringList() : QStringList{text});
    }

    void scanAnswerSelectsWhatTheGatewayReports_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("in range") << hex("080201") << QStringList({"115200", "2", "ODD"});
        QTest::newRow("out of range") << hex("0B07FF") << QStringList({"38400", "1", "None"});
    }

    void scanAnswerSelectsWhatTheGatewayReports()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, selected);
        MessageBoxAnswerer answerer;
        w->click("pushButtonScan");
        QCOMPARE(pty->read(15, 1000), hex("550C0B00676574506172616D039D0D"));
        QVERIFY(pty->write(hex("0C550A00") + settings + hex("00000D")));
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().title, QString("Found"));
        QCOMPARE(QStringList({w->widget<QComboBox>("comboBoxBaudRate")->currentText(),
                              w->widget<QComboBox>("comboBoxStopBit")->currentText(),
                              w->widget<QComboBox>("comboBoxParity")->currentText()}),
                 selected);
        QCOMPARE(pty->lineSettings().baudRate, selected.first().toUInt());
        QVERIFY(w->statusText().startsWith(pty->slavePath() + " Open " + selected.first()));
        QCOMPARE(w->widget<QAbstractButton>("pushButtonScan")->text(), QString("Scan"));
        QTest::qWait(500);
        QCOMPARE(pty->readAvailable(), QByteArray()); // no further probe
    }
};

QTEST_MAIN(TestAnswerDispatch)
#include "tst_answerdispatch.moc"
