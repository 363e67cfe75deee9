#include "messageboxanswerer.h"
#include "ptywindowtest.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {
const QByteArray debugAnswer = QByteArray::fromHex("0C55000000000 00D");
} // namespace

class TestReceivePath : public PtyWindowTest
{
    Q_OBJECT

    void write(const QByteArray &bytes) { QVERIFY(pty->write(bytes)); }

private slots:
    void hexFormAndReceiveCount()
    {
        write(QByteArray::fromHex("550c0dff00"));
        QTRY_COMPARE(w->receivedText(), QString("55 0C 0D FF 00 "));
        QVERIFY(w->statusText().endsWith("| TX:0B | RX:5B"));
    }

    void textFormShowsEveryByteButZero()
    {
        w->widget<QCheckBox>("checkBoxHex4Disp")->setChecked(false);
        write(QByteArray("OK\0X", 4));
        QTRY_COMPARE(w->receivedText(), QString("OKX"));
        QVERIFY(w->statusText().endsWith("RX:4B"));
    }

    void markupIsShownLiterally()
    {
        w->widget<QCheckBox>("checkBoxHex4Disp")->setChecked(false);
        const QByteArray text = "<b>bold</b> &amp;  <img src=\"x.png\">";
        write(text);
        QTRY_COMPARE(w->receivedText(), QString::fromLatin1(text));
    }

    void commandCountsTxAndShowsNothing()
    {
        w->click("pushButtonDebug");
        QCOMPARE(pty->read(16, 1000), QByteArray::fromHex("550C0C01776F726B6D6F64650103D70D"));
        QVERIFY(w->statusText().endsWith("| TX:16B | RX:0B"));
        QCOMPARE(w->receivedText(), QString());
    }

    void answerInPiecesWithin50msIsDispatchedOnce()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonDebug");
        write(debugAnswer.left(3));
        QTest::qWait(10);
        write(debugAnswer.mid(3));
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().text, QString("Setting debug mode successfully."));
        QCOMPARE(w->receivedText(), QString("0C 55 00 00 00 00 00 0D "));
        // A second answer is only shown: nothing is awaited any more.
        write(debugAnswer);
        QTRY_COMPARE(w->receivedText(), QString("0C 55 00 00 00 00 00 0D ").repeated(2));
        QTest::qWait(100);
        QCOMPARE(answerer.count(), 1);
    }

    void answerAfterAQuietGapIsOnlyShown()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonDebug");
        write(debugAnswer.left(3));
        QTRY_COMPARE(w->receivedText(), QString("0C 55 00 "));
        QTest::qWait(60);
        write(debugAnswer.mid(3));
        QTRY_COMPARE(w->receivedText(), QString("0C 55 00 00 00 00 00 0D "));
        QTest::qWait(100);
        QCOMPARE(answerer.count(), 0);
    }

    void moreBytesThanAwaitedAreShownNotDispatched()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonScan");
        w->click("pushButtonScan"); // Stop: ten bytes are still awaited
        const QByteArray twelve = QByteArray::fromHex("0C5500000200000000000 00D");
        QCOMPARE(twelve.size(), 12);
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
        while (clock.elapsed() < 600) {
            write("\x11\x22\x33\x44");
            QTest::qWait(10);
            if (firstShown < 0 && !w->receivedText().isEmpty())
                firstShown = clock.elapsed();
        }
        QVERIFY2(firstShown >= 0 && firstShown <= 100, qPrintable(QString::number(firstShown)));
        const int shownBeforeQuiet = w->receivedText().size();
        QVERIFY(shownBeforeQuiet > 0);
        QTRY_VERIFY(w->statusText().endsWith(
            QString("RX:%1B").arg(w->receivedText().remove('\n').size() / 3)));
    }

    void clearResetsCountersAndArea()
    {
        w->click("pushButtonDebug");
        write("\x01\x02");
        QTRY_VERIFY(!w->receivedText().isEmpty());
        w->click("pushButtonClear");
        QCOMPARE(w->receivedText(), QString());
        QVERIFY(w->statusText().endsWith("| TX:0B | RX:0B"));
    }

    void saveWritesTheAreaAsShown()
    {
        QByteArray bytes;
        for (int i = 0; i < 40; ++i)
            bytes.append(char(i));
        write(bytes);
        QTRY_VERIFY(w->statusText().endsWith("RX:40B"));
        w->widget<QCheckBox>("checkBoxHex4Disp")->setChecked(false);
        write("\r\nline \xA0 <x>");
        QTRY_VERIFY(w->statusText().endsWith("RX:52B"));

        MessageBoxAnswerer answerer;
        answerer.answerFileDialog(workDir.filePath("received.txt"));
        w->click("pushButtonSave");
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(answerer.fileDialogs().size(), 1);
        QCOMPARE(answerer.fileDialogs().last().title, QString("Save data"));
        QCOMPARE(answerer.fileDialogs().last().nameFilters,
                 QStringList({"Document (*.txt *.dat)", "All (*.*)"}));

        QFile file(workDir.filePath("received.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected = byteArrayToHexStr(bytes.left(32)).toLatin1() + "\n" +
                                    byteArrayToHexStr(bytes.mid(32)).toLatin1() + "\nline \xA0 <x>";
        QCOMPARE(file.readAll(), expected);
    }

    void saveRefusals()
    {
        MessageBoxAnswerer answerer;
        w->click("pushButtonSave");
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().title, QString("Tip"));
        QCOMPARE(answerer.last().text, QString("Nothing to save..."));
        QCOMPARE(answerer.last().icon, QMessageBox::Information);
        QVERIFY(answerer.fileDialogs().isEmpty());

        write("\x01");
        QTRY_VERIFY(!w->receivedText().isEmpty());
        answerer.answerFileDialog(QString()); // cancelled
        w->click("pushButtonSave");
        QCOMPARE(answerer.count(), 1);

        answerer.answerFileDialog(workDir.filePath("no/such/dir/file.txt"));
        w->click("pushButtonSave");
        QCOMPARE(answerer.count(), 2);
        QCOMPARE(answerer.last().title, QString("ERROR"));
        QCOMPARE(answerer.last().text, QString("Cannot write!"));
        QCOMPARE(answerer.last().icon, QMessageBox::Critical);
    }
};

QTEST_MAIN(TestReceivePath)
#include "tst_receivepath.moc"
