#include "messageboxanswerer.h"
#include "ptywindowtest.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>

namespace {
const QByteArray probe = QByteArray::fromHex("550C0B00676574506172616D039D0D");
} // namespace

// The test plays a gateway that never answers.
class TestDeviceScan : public PtyWindowTest
{
    Q_OBJECT

    QString text(const char *widget) const
    {
        if (auto *box = qobject_cast<QComboBox *>(w->widget(widget)))
            return box->currentText();
        if (auto *label = qobject_cast<QLabel *>(w->widget(widget)))
            return label->text();
        return w->widget<QAbstractButton>(widget)->text();
    }

    // The baud rate the next probe went out at.
    quint32 nextProbe()
    {
        return pty->read(probe.size(), 1000) == probe ? pty->lineSettings().baudRate : 0;
    }

private slots:
    void probesEvery400msSlowestFirst()
    {
        QElapsedTimer clock;
        clock.start();
        w->click("pushButtonScan");
        QVERIFY(w->statusText().endsWith("| TX:15B | RX:0B")); // sent within the click
        QCOMPARE(text("pushButtonScan"), QString("Stop"));
        QVERIFY(!w->widget("pushButtonOpen")->isEnabled());
        QCOMPARE(QList<quint32>({nextProbe(), nextProbe(), nextProbe()}),
                 QList<quint32>({2400, 4800, 9600}));
        QVERIFY2(clock.elapsed() >= 800 && clock.elapsed() < 1300,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(text("progressLabel"), QString("Scanning 9600 1 None"));
        QCOMPARE(w->widget<QProgressBar>("progressBar")->value(), 3);
        QCOMPARE(w->widget<QProgressBar>("progressBar")->maximum(), 81);
    }

    void stopSendsNothingMoreAndScanStartsOver()
    {
        w->click("pushButtonScan");
        nextProbe();
        w->click("pushButtonScan");
        QCOMPARE(text("pushButtonScan"), QString("Scan"));
        QVERIFY(w->widget("pushButtonOpen")->isEnabled());
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
        QTest::qWait(900);
        QCOMPARE(pty->readAvailable(), QByteArray());
        w->click("pushButtonScan");
        QCOMPARE(nextProbe(), 2400u);
    }

    // 81 probes of 15 bytes, then one more tick for the last answer.
    void silentGatewayIsNotFound()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonScan");
        QVERIFY(answerer.waitForBoxes(1, 40000));
        QCOMPARE(answerer.last().title, QString("Not found"));
        QCOMPARE(answerer.last().text, QString("No device found."));
        QVERIFY(w->statusText().endsWith("| TX:1215B | RX:0B"));
        QCOMPARE(pty->readAvailable().size(), 81 * probe.size());
        QCOMPARE(QStringList({text("comboBoxBaudRate"), text("comboBoxStopBit"),
                              text("comboBoxParity"), text("pushButtonScan")}),
                 QStringList({"115200", "2", "EVEN", "Scan"}));
    }
};

QTEST_MAIN(TestDeviceScan)
#include "tst_devicescan.moc"
