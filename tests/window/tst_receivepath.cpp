#include "messageboxanswerer.h"
#include "ptywindowtest.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>

namespace {
const QByteArray debugAnswer = QByteArray::fromHex("0C5500000000000D");
} // namespace

class TestReceivePath : public PtyWindowTest
{
    Q_OBJECT

    void write(const QByteArray &bytes) { QVERIFY(pty->write(bytes)); }
    void showHex(bool hex) { w->widget<QCheckBox>("checkBoxHex4Disp")->setChecked(hex); }

private slots:
    void forms_data()
    {
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("hex") << true << QByteArray::fromHex("550c0dff00") << "55 0C 0D FF 00 ";
        QTest::newRow("zero byte") << false << QByteArray("OK\0X", 4) << "OKX";
        QTest::newRow("markup") << false << QByteArray("<b>x</b> &amp;  <img src=\"a.png\">")
                                << "<b>x</b> &amp;  <img src=\"a.png\">";
    }

    void forms()
    {
        QFETCH(bool, hex);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        showHex(hex);
        write(bytes);
        QTRY_COMPARE(w->receivedText(), shown);
        QVERIFY(w->statusText().endsWith(QString("| TX:0B | RX:%1B").arg(bytes.size())));
    }

    // An answer in pieces is taken when no 50 ms gap falls between them. A
    // second answer is only shown once one was taken; else it is the answer.
    void answerInPieces_data()
    {
        QTest::addColumn<bool>("quietGap");
        QTest::addColumn<int>("boxes");
        QTest::newRow("10 ms") << false << 1;
        QTest::newRow("after the gap") << true << 0;
    }

    void answerInPieces()
    {
        QFETCH(bool, quietGap);
        QFETCH(int, boxes);
        MessageBoxAnswerer answerer;
        w->click("pushButtonDebug");
        write(debugAnswer.left(3));
        if (quietGap)
            QTRY_COMPARE(w->receivedText(), QString("0C 55 00 ")); // shown 50 ms after
        else
            QTest::qWait(10);
        write(debugAnswer.mid(3));
        QTRY_COMPARE(w->receivedText(), QString("0C 55 00 00 00 00 00 0D "));
        QTest::qWait(100);
        QCOMPARE(answerer.count(), boxes);
        write(debugAnswer);
        QTRY_VERIFY(w->statusText().endsWith("RX:16B"));
        QTest::qWait(100);
        QCOMPARE(answerer.count(), 1);
    }

    void moreBytesThanAwaitedAreShownNotDispatched()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonScan");
        w->click("pushButtonScan"); // Stop: ten bytes are still awaited
        const QByteArray twelve = QByteArray::fromHex("0C55000002000000000000 0D");
        write(twelve);
        QTRY_COMPARE(w->receivedText(), byteArrayToHexStr(twelve));
        QTest::qWait(500);
        QCOMPARE(answerer.count(), 0);
    }

    // The line never falls quiet for 50 ms, yet what arrives is shown.
    void continuousTrafficIsShownWithin100ms()
    {
        QElapsedTimer clock;
        clock.start();
        qint64 firstShown = -1;
        while (clock.elapsed() < 500) {
            write("\x11\x22\x33\x44");
            QTest::qWait(10);
            if (firstShown < 0 && !w->receivedText().isEmpty())
                firstShown = clock.elapsed();
        }
        QVERIFY2(firstShown >= 0 && firstShown <= 100, qPrintable(QString::number(firstShown)));
    }

    void clearAndSave()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonSave");
        QCOMPARE(answerer.texts(), QStringList{"Nothing to save..."});
        QCOMPARE(answerer.last().title, QString("Tip"));

        QByteArray bytes;
        for (int i = 0; i < 40; ++i)
            bytes.append(char(i));
        write(bytes);
        QTRY_VERIFY(w->statusText().endsWith("RX:40B"));
        showHex(false);
        write("\r\nline \xA0 <x>");
        QTRY_VERIFY(w->statusText().endsWith("RX:52B"));
        answerer.answerFileDialog(workDir.filePath("received.txt"));
        w->click("pushButtonSave");
        QCOMPARE(answerer.fileDialogs().last().title, QString("Save data"));
        QFile file(workDir.filePath("received.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), byteArrayToHexStr(bytes.left(32)).toLatin1() + "\n" +
                                     byteArrayToHexStr(bytes.mid(32)).toLatin1() +
                                     "\nline \xA0 <x>");

        answerer.answerFileDialog(workDir.filePath("no/such/dir/file.txt"));
        w->click("pushButtonSave");
        QCOMPARE(answerer.last().text, QString("Cannot write!"));
        QCOMPARE(answerer.last().icon, QMessageBox::Critical);

        w->click("pushButtonDebug");
        w->click("pushButtonClear");
        QCOMPARE(w->receivedText(), QString());
        QVERIFY(w->statusText().endsWith("| TX:0B | RX:0B"));
    }
};

QTEST_MAIN(TestReceivePath)
#include "tst_receivepath.moc"
