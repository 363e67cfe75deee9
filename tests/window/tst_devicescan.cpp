#include "messageboxanswerer.h"
#include "ptywindowtest.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

namespace {
const QByteArray probe = QByteArray::fromHex("550C0B00676574506172616D039D0D");
} // namespace

// The test plays a gateway that never answers, or answers one chosen probe.
class TestDeviceScan : public PtyWindowTest
{
    Q_OBJECT

    QString scanButtonText() const { return w->widget<QAbstractButton>("pushButtonScan")->text(); }

    // Waits for the next probe and gives the line settings it went out at.
    LineSettings nextProbe(int timeoutMs = 1000)
    {
        const QByteArray bytes = pty->read(probe.size(), timeoutMs);
        if (bytes != probe)
            qWarning() << "expected a probe, got" << bytes.toHex(' ');
        return pty->lineSettings();
    }

private slots:
    void firstProbeGoesOutWithinTheClick()
    {
        w->click("pushButtonScan");
        QCOMPARE(pty->readAvailable().size(), 0); // still in the port's write buffer
        QCOMPARE(scanButtonText(), QString("Stop"));
        QVERIFY(!w->widget("pushButtonOpen")->isEnabled());
        QVERIFY(w->statusText().endsWith("| TX:15B | RX:0B"));
        QCOMPARE(nextProbe().baudRate, 2400u);
        QVERIFY(w->widget("progressBar")->isVisibleTo(&w->window()));
        QCOMPARE(w->widget<QLabel>("progressLabel")->text(), QString("Scanning 2400 1 None"));
        QCOMPARE(w->widget<QProgressBar>("progressBar")->value(), 1);
        QCOMPARE(w->widget<QProgressBar>("progressBar")->maximum(), 81);
    }

    void probesFollowEvery400msInOrder()
    {
        w->click("pushButtonScan");
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(nextProbe().baudRate, 2400u);
        QCOMPARE(nextProbe().baudRate, 4800u);
        QCOMPARE(nextProbe().baudRate, 9600u);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 780 && elapsed < 1500, qPrintable(QString::number(elapsed)));
        QCOMPARE(w->widget<QLabel>("progressLabel")->text(), QString("Scanning 9600 1 None"));
        QCOMPARE(w->widget<QProgressBar>("progressBar")->value(), 3);
    }

    void stopSendsNothingMoreAndScanStartsOver()
    {
        w->click("pushButtonScan");
        nextProbe();
        nextProbe();
        w->click("pushButtonScan");
        QCOMPARE(scanButtonText(), QString("Scan"));
        QVERIFY(w->widget("pushButtonOpen")->isEnabled());
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
        QTest::qWait(900);
        QCOMPARE(pty->readAvailable(), QByteArray());
        QVERIFY(w->statusText().endsWith("| TX:30B | RX:0B"));

        w->click("pushButtonScan");
        QCOMPARE(nextProbe().baudRate, 2400u);
        QCOMPARE(w->widget<QComboBox>("comboBoxStopBit")->currentText(), QString("1"));
        QCOMPARE(w->widget<QComboBox>("comboBoxParity")->currentText(), QString("None"));
    }

    // 81 probes of 15 bytes, then one more tick for the last answer.
    void silentGatewayIsNotFound()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonScan");
        QVERIFY(answerer.waitForBoxes(1, 40000));
        QCOMPARE(answerer.last().title, QString("Not found"));
        QCOMPARE(answerer.last().text, QString("No device found."));
        QCOMPARE(answerer.last().icon, QMessageBox::Information);
        QVERIFY(w->statusText().endsWith("| TX:1215B | RX:0B"));
        QCOMPARE(pty->readAvailable().size(), 81 * probe.size());
        QCOMPARE(scanButtonText(), QString("Scan"));
        QVERIFY(w->widget("pushButtonOpen")->isEnabled());
        QCOMPARE(w->widget<QComboBox>("comboBoxBaudRate")->currentText(), QString("115200"));
        QCOMPARE(w->widget<QComboBox>("comboBoxStopBit")->currentText(), QString("2"));
        QCOMPARE(w->widget<QComboBox>("comboBoxParity")->currentText(), QString("EVEN"));
    }
};

QTEST_MAIN(TestDeviceScan)
#include "tst_devicescan.moc"
