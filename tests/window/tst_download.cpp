#include "downloadframes.h"
#include "messageboxanswerer.h"
#include "ptywindowtest.h"
#include "sampletables.h"
#include "tablefilling.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableWidget>
#include <QTest>

namespace {
const QByteArray sizesAnswer = QByteArray::fromHex("0C550600000000 0D");
const QByteArray rowAnswer = QByteArray::fromHex("0C55080300000000000D");
} // namespace

// The test plays a gateway that answers what it chooses, by hand.
class TestDownload : public PtyWindowTest
{
    Q_OBJECT

    QByteArray nextFrame(int size) { return pty->read(size, 1000); }

private slots:
    void emptyTablesAreOneFrameThenSuccess()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QCOMPARE(nextFrame(13), QByteArray::fromHex("550C090A00000000000000740D"));
        QVERIFY(w->widget("progressBar")->isVisibleTo(&w->window()));
        QVERIFY(pty->write(sizesAnswer));
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().title, QString("Success"));
        QCOMPARE(answerer.last().text,
                 QString("Download over!Success!Please change to working mode."));
        QCOMPARE(answerer.last().icon, QMessageBox::Information);
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
    }

    void unansweredFrameIsNamed_data()
    {
        QTest::addColumn<int>("rows485");
        QTest::addColumn<int>("rows1Byte");
        QTest::addColumn<int>("rowsKnx");
        QTest::addColumn<int>("answered");
        QTest::addColumn<QString>("text");
        QTest::newRow("sizes") << 1 << 1 << 1 << 0 << "Download telegram number error!";
        QTest::newRow("485 row 0")
            << 2 << 0 << 0 << 1 << "Download telegram 485 to knx(Write) 1 error!";
        QTest::newRow("485 row 1")
            << 2 << 0 << 0 << 2 << "Download telegram 485 to knx(Write) 2 error!";
        QTest::newRow("1-byte row 0")
            << 0 << 1 << 0 << 1 << "Download telegram 1 byte telegram 1 error!";
        QTest::newRow("KNX row 1")
            << 1 << 0 << 2 << 3 << "Download telegram knx to 485(Write) 2 error!";
    }

    // Three seconds after the frame without an answer.
    void unansweredFrameIsNamed()
    {
        QFETCH(int, rows485);
        QFETCH(int, rows1Byte);
        QFETCH(int, rowsKnx);
        QFETCH(int, answered);
        QFETCH(QString, text);
        fillTables(*w, SampleTables(1).make(rows485, rows1Byte, rowsKnx));
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        for (int frame = 0; frame < answered; ++frame) {
            QVERIFY(!pty->read(13, 1000).isEmpty());
            pty->readAvailable();
            QVERIFY(pty->write(frame == 0 ? sizesAnswer : rowAnswer));
            QTRY_COMPARE(w->widget<QProgressBar>("progressBar")->value(), frame + 1);
        }
        QCOMPARE(w->widget<QProgressBar>("progressBar")->maximum(),
                 1 + rows485 + rows1Byte + rowsKnx);
        QVERIFY(answerer.waitForBoxes(1, 4000));
        QCOMPARE(answerer.last().title, QString("Download error!"));
        QCOMPARE(answerer.last().text, text);
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
    }

    // After the error an answer may still come: it is only shown.
    void lateAnswerIsNoSuccess()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(1, 4000));
        QCOMPARE(answerer.last().text, QString("Download telegram number error!"));
        QVERIFY(pty->write(sizesAnswer));
        QTRY_VERIFY(w->statusText().endsWith("RX:8B"));
        QTest::qWait(200);
        QCOMPARE(answerer.count(), 1);
    }

    void testTelegramsGoOutRaw_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("485 to KNX") << QByteArray("pushButton_485toknx_w_send")
                                    << QByteArray("lineEdit_485toknx_w_telegram") << "01 02 03"
                                    << QByteArray::fromHex("010203");
        QTest::newRow("plus, mixed")
            << QByteArray("pushButton_1byte_send_p") << QByteArray("lineEdit_1byte_telegram1")
            << "0a-0B-ff" << QByteArray::fromHex("0A0BFF");
        QTest::newRow("minus, one pair")
            << QByteArray("pushButton_1byte_send_n") << QByteArray("lineEdit_1byte_telegram2")
            << "7E" << QByteArray::fromHex("7E");
        const QString pairs = QString("a5 ").repeated(63) + "5a";
        QTest::newRow("64 pairs") << QByteArray("pushButton_485toknx_w_send")
                                  << QByteArray("lineEdit_485toknx_w_telegram") << pairs
                                  << QByteArray(63, char(0xA5)) + char(0x5A);
    }

    void testTelegramsGoOutRaw()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        w->widget<QLineEdit>(field)->setText(text);
        w->click(button);
        QCOMPARE(pty->read(bytes.size(), 1000), bytes);
        QVERIFY(w->statusText().endsWith(QString("| TX:%1B | RX:0B").arg(bytes.size())));
    }

    void incompleteTestTelegramsSendNothing()
    {
        for (const QString &text : {QString(), QString("01 "), QString("01 0"), QString("0")}) {
            w->widget<QLineEdit>("lineEdit_485toknx_w_telegram")->setText(text);
            w->click("pushButton_485toknx_w_send");
        }
        QTest::qWait(100);
        QCOMPARE(pty->readAvailable(), QByteArray());
        QVERIFY(w->statusText().endsWith("| TX:0B | RX:0B"));
    }
};

QTEST_MAIN(TestDownload)
#include "tst_download.moc"
