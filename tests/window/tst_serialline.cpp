#include "messageboxanswerer.h"
#include "ptywindowtest.h"
#include "sampletables.h"
#include "tablefilling.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTableWidget>
#include <QTabWidget>
#include <QtMath>

#include <thread>

namespace {
const QByteArray debugAnswer = QByteArray::fromHex("0C5500000000000D");
const QByteArray debugFrame = QByteArray::fromHex("550C0C01776F726B6D6F64650103D70D");
const QByteArray probe = QByteArray::fromHex("550C0B00676574506172616D039D0D");
} // namespace

// The window on a serial line whose other end the test plays by hand: the
// port's states, what it shows of what arrives, which blocks it takes as
// answers, the scan's probes and the raw test telegrams.
class TestSerialLine : public PtyWindowTest
{
    Q_OBJECT

    void write(const QByteArray &bytes) { QVERIFY(pty->write(bytes)); }
    void showHex(bool hex) { w->widget<QCheckBox>("checkBoxHex4Disp")->setChecked(hex); }

    QString text(const char *widget) const
    {
        if (auto *box = qobject_cast<QComboBox *>(w->widget(widget)))
            return box->currentText();
        if (auto *label = qobject_cast<QLabel *>(w->widget(widget)))
            return label->text();
        return w->widget<QAbstractButton>(widget)->text();
    }

    // Writes the bytes from another thread, as a busy line does, until the
    // window has counted them all.
    void feed(const QByteArray &bytes)
    {
        const QString counted = QString("RX:%1B").arg(
            w->statusText().section(':', -1).chopped(1).toLongLong() + bytes.size());
        std::thread writer([&] { pty->write(bytes); });
        const bool done = QTest::qWaitFor([&] { return w->statusText().endsWith(counted); }, 30000);
        writer.join();
        QVERIFY(done);
    }

    // The window tall enough for several lines in the receive area.
    ReceiveView *shownArea()
    {
        w->window().resize(855, 900);
        w->window().show();
        return QTest::qWaitForWindowExposed(&w->window()) ? w->widget<ReceiveView>("textEditRecv")
                                                          : nullptr;
    }

    // The text the area shows, selected with the mouse from corner to corner.
    static QString shownText(ReceiveView *area)
    {
        QWidget *view = area->viewport();
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(0, 0));
        QTest::mouseMove(view, QPoint(view->width() - 1, view->height() - 1));
        QTest::mouseRelease(view, Qt::LeftButton, {},
                            QPoint(view->width() - 1, view->height() - 1));
        return area->selectedText();
    }

    static QByteArray numberedLines(int from, int to)
    {
        QByteArray lines;
        for (int i = from; i < to; ++i)
            lines += QByteArray::number(i).rightJustified(78, '.') + "\r\n";
        return lines;
    }

    // The baud rate the next probe went out at.
    quint32 nextProbe()
    {
        return pty->read(probe.size(), 1000) == probe ? pty->lineSettings().baudRate : 0;
    }

private slots:
    // Open, Close and Open again at other settings: one live connection.
    void openAndCloseSwitchTheWindowState()
    {
        const QList<const char *> commandsAndSends = {
            "groupBox_operation", "pushButton_1byte_send_n", "pushButton_485toknx_w_send"};
        const QList<const char *> selectors = {"comboBoxComm", "comboBoxBaudRate",
                                               "comboBoxStopBit", "comboBoxParity"};
        QCOMPARE(w->statusText(), pty->slavePath() + " Open 2400 8 1 | TX:0B | RX:0B");
        w->click("pushButtonOpen");
        QCOMPARE(w->statusText(), QString("Serial port is not open | TX:0B | RX:0B"));
        for (const char *name : commandsAndSends)
            QVERIFY2(!w->widget(name)->isEnabled(), name);
        for (const char *name : selectors)
            QVERIFY2(w->widget(name)->isEnabled(), name);
        QVERIFY(!w->widget("comboBoxDataBit")->isEnabled());

        w->select("comboBoxBaudRate", "56000");
        w->select("comboBoxStopBit", "2");
        QVERIFY(w->openPort(pty->slavePath()));
        QCOMPARE(w->statusText(), pty->slavePath() + " Open 56000 8 2 | TX:0B | RX:0B");
        QCOMPARE(pty->lineSettings().baudRate, 56000u);
        QVERIFY(pty->lineSettings().twoStopBits);
        for (const char *name : commandsAndSends)
            QVERIFY2(w->widget(name)->isEnabled(), name);
        for (const char *name : selectors)
            QVERIFY2(!w->widget(name)->isEnabled(), name);
        write("\x01\x02\x03");
        QTRY_COMPARE(w->receivedText(), QString("01 02 03 "));
        QTest::qWait(100);
        QVERIFY(w->statusText().endsWith("RX:3B"));
    }

    // A file that is no serial device, the device the window holds, no entry.
    void openFailureShowsTheReason_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("remedy");
        QTest::newRow("no serial device") << "notaport" << QString();
        QTest::newRow("held") << "held"
                              << "is in use by another program";
        QTest::newRow("empty port list") << QString() << QString();
    }

    void openFailureShowsTheReason()
    {
        QFETCH(QString, entry);
        QFETCH(QString, remedy);
        const QString path = entry == "held" ? pty->slavePath() : workDir.filePath(entry);
        QVERIFY(entry != "notaport" || workDir.write(entry, "x"));
        WindowUnderTest failing(entry.isEmpty() ? QStringList() : QStringList{path});
        if (entry.isEmpty())
            failing.widget<QComboBox>("comboBoxComm")->clear();
        MessageBoxAnswerer answerer;
        failing.click("pushButtonOpen");
        QCOMPARE(answerer.texts(),
                 QStringList{"Cannot open the port\nCheck to see if the serial port is occupied"});
        QCOMPARE(answerer.last().title, QString("ERROR"));
        QCOMPARE(answerer.last().icon, QMessageBox::Critical);
        const QString details = answerer.last().informativeText;
        QCOMPARE(details.isEmpty(), entry.isEmpty());
        QVERIFY2(details.contains(remedy) && (remedy.isEmpty() || details.contains(path)),
                 qPrintable(details));
        QVERIFY(!failing.isPortOpen());
    }

    // A vanished device closes the port once, says so once and ends a scan.
    void lostPortClosesOnce()
    {
        w->click("pushButtonScan");
        MessageBoxAnswerer answerer;
        pty.reset();
        QVERIFY(answerer.waitForBoxes(1));
        QTest::qWait(200);
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().title, QString("ERROR"));
        QVERIFY(answerer.last().text.contains("lost"));
        QVERIFY(!w->isPortOpen());
        QVERIFY(w->widget("comboBoxComm")->isEnabled() && w->widget("pushButtonOpen")->isEnabled());
        QCOMPARE(text("pushButtonScan"), QString("Scan"));
    }

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

    // After a long feed of lines that wrap, the newest line is shown whole and
    // the scroll bar is at its end. Scrolled up, the area stays on its lines
    // while more arrive and the oldest are dropped; back at the end it follows
    // again.
    void newestBytesInReach()
    {
        ReceiveView *area = shownArea();
        QVERIFY(area);
        area->setFont(QFont(area->font().family(), 24)); // 78 characters take two rows
        showHex(false);
        feed(numberedLines(0, 1000));
        QVERIFY(shownText(area).endsWith(numberedLines(999, 1000).trimmed() + '\n'));
        const QScrollBar *scrollBar = area->verticalScrollBar();
        QTRY_COMPARE(scrollBar->maximum() + scrollBar->pageStep(), 1001); // and the open line
        const QFontMetricsF metrics(area->font());
        const int rows = qCeil(metrics.horizontalAdvance(QString(78, '0')) /
                               (area->viewport()->width() - 2 * 4));
        QVERIFY(rows >= 2);
        // The lines counted as fitting at the end fit: whole ones and the open one.
        QVERIFY(((scrollBar->pageStep() - 1) * rows + 1) * metrics.lineSpacing() <=
                area->viewport()->height());
        QCOMPARE(scrollBar->value(), scrollBar->maximum());

        QTest::keyClick(area, Qt::Key_PageUp);
        QTest::keyClick(area, Qt::Key_PageUp);
        const QString reading = shownText(area);
        QVERIFY(!reading.contains(numberedLines(999, 1000).trimmed()));
        feed(QByteArray("Z\n").repeated(49500)); // 500 lines over the area's 50,000
        QVERIFY(!w->receivedText().startsWith(numberedLines(0, 1)));
        QTRY_VERIFY(area->verticalScrollBar()->maximum() > 40000);
        QCOMPARE(shownText(area), reading);

        QTest::keyClick(area, Qt::Key_End);
        feed("last");
        QVERIFY(shownText(area).endsWith("Z\nlast"));
    }

    // A word is selected by a double click, text by dragging, all by Ctrl+A,
    // and copied; a selection stays while bytes arrive.
    void selectAndCopy()
    {
        ReceiveView *area = shownArea();
        QVERIFY(area);
        showHex(false);
        feed("alpha beta\r\ngamma");
        const QFontMetricsF metrics(area->font());
        const auto at = [&](int column, int row) {
            return QPointF(4 + (column + 0.2) * metrics.horizontalAdvance('0'),
                           4 + (row + 0.5) * metrics.lineSpacing())
                .toPoint();
        };
        QWidget *view = area->viewport();
        QTest::mouseDClick(view, Qt::LeftButton, {}, at(7, 0));
        feed("\r\ndelta");
        QCOMPARE(area->selectedText(), QString("beta"));
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("beta"));

        QTest::mousePress(view, Qt::LeftButton, {}, at(8, 0));
        QTest::mouseMove(view, at(3, 1));
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(3, 1));
        QCOMPARE(area->selectedText(), QString("ta\ngam"));
        QTest::keyClick(area, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("alpha beta\ngamma\ndelta"));

        // What a screen reader is given: the text, the selection, the character
        // under a point and where it is drawn.
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(area);
        QVERIFY(accessible && accessible->textInterface());
        QCOMPARE(accessible->role(), QAccessible::EditableText);
        QVERIFY(accessible->state().readOnly);
        QCOMPARE(accessible->text(QAccessible::Value), QString("alpha beta\ngamma\ndelta"));
        QAccessibleTextInterface *text = accessible->textInterface();
        QCOMPARE(text->characterCount(), 22);
        int from = -1;
        int to = -1;
        text->selection(0, &from, &to);
        QCOMPARE(std::pair(from, to), std::pair(0, 22));
        text->setSelection(0, 6, 13);
        QCOMPARE(area->selectedText(), QString("beta\nga"));
        QCOMPARE(text->text(11, 16), QString("gamma"));
        const QPoint onM = view->mapToGlobal(at(2, 1));
        QCOMPARE(text->offsetAtPoint(onM), 13);
        QVERIFY(text->characterRect(13).contains(onM));
        QVERIFY(!text->characterRect(12).contains(onM));
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

        // A file that cannot be opened, a device that takes no byte.
        for (const QString &path :
             {workDir.filePath("no/such/dir/file.txt"), QString("/dev/full")}) {
            const int boxes = answerer.count();
            answerer.answerFileDialog(path);
            w->click("pushButtonSave");
            QCOMPARE(answerer.count(), boxes + 1);
            QCOMPARE(answerer.last().text, QString("Cannot write!"));
            QCOMPARE(answerer.last().icon, QMessageBox::Critical);
        }

        w->click("pushButtonDebug");
        w->click("pushButtonClear");
        QCOMPARE(w->receivedText(), QString());
        QVERIFY(w->statusText().endsWith("| TX:0B | RX:0B"));
    }

    void modeCommands_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("text");
        const QByteArray working = QByteArray::fromHex("550C0C01776F726B6D6F64650203D80D");
        QTest::newRow("debug") << QByteArray("pushButtonDebug") << debugFrame
                               << QByteArray::fromHex("0C55AABBCCDDEE0D")
                               << "Setting debug mode successfully.";
        QTest::newRow("working") << QByteArray("pushButtonWorkMode") << working
                                 << QByteArray::fromHex("0C5500000000000D")
                                 << "Setting work mode successfully.";
        QTest::newRow("wrong end") << QByteArray("pushButtonDebug") << debugFrame
                                   << QByteArray::fromHex("0C55000000000000") << QString();
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

    // A download the gateway leaves unanswered ends with the next command, or
    // with Close; it says so once, in the status bar and the capture, and the
    // command's answer is the command's: no box for the download after the fact.
    void commandEndsTheDownload()
    {
        MessageBoxAnswerer answerer;
        answerer.answerFileDialog(workDir.filePath("capture.txt"));
        w->widget<QAction>("actionCaptureToFile")->trigger();
        fillTables(*w, SampleTables(3).make(2, 0, 0));
        QElapsedTimer clock;
        clock.start();
        const QStringList ended = {"another command was sent", "the port was closed"};
        for (const QString &why : ended) {
            w->click("pushButtonBurnData");
            QCOMPARE(pty->read(13, 1000).size(), 13); // the table-size frame, left unanswered
            if (why == ended.last()) {
                w->click("pushButtonOpen");
                QVERIFY(w->openPort(pty->slavePath()));
            }
            w->click("pushButtonDebug");
            QCOMPARE(pty->read(debugFrame.size(), 1000), debugFrame);
            write(debugAnswer);
            QVERIFY(answerer.waitForBoxes(answerer.count() + 1));
            QCOMPARE(answerer.last().text, QString("Setting debug mode successfully."));
            QCOMPARE(text("downloadEndedLabel"),
                     "Download stopped at telegram number: " + why + ".");
        }
        QTest::qWait(int(qMax<qint64>(0, 5000 - clock.elapsed())));
        QCOMPARE(answerer.count(), 2);
        w->widget<QAction>("actionCaptureToFile")->trigger();
        QFile capture(workDir.filePath("capture.txt"));
        QVERIFY(capture.open(QIODevice::ReadOnly));
        QCOMPARE(capture.readAll().count(" -- Download stopped at telegram number: "), 2);
    }

    // Serial configure refuses a box without an item. An answered command
    // leaves no note; a silent gateway is noted 3 s after the frame, without
    // a box, until the next command.
    void commandsWithoutAnswer()
    {
        MessageBoxAnswerer answerer;
        auto *note = w->widget<QLabel>("noAnswerLabel");
        w->widget<QComboBox>("comboBoxStopBit_set")->setCurrentIndex(-1);
        w->click("pushButtonConfigSerial");
        QCOMPARE(answerer.texts(), QStringList{"Choose the baud rate, the stop bits and the parity "
                                               "under \"Serial Options\" first."});
        QCOMPARE(answerer.last().title, QString("ERROR"));

        QElapsedTimer clock;
        clock.start();
        w->click("pushButtonDebug");
        QCOMPARE(pty->read(debugFrame.size(), 1000), debugFrame);
        write(debugAnswer);
        QVERIFY(answerer.waitForBoxes(2));
        QTest::qWait(int(qMax<qint64>(0, 3400 - clock.elapsed())));
        QVERIFY(!note->isVisibleTo(&w->window()));

        clock.restart();
        w->click("pushButtonWorkMode");
        QTRY_VERIFY_WITH_TIMEOUT(note->isVisibleTo(&w->window()), 8000);
        QVERIFY2(clock.elapsed() >= 2900, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(note->text(), QString("No answer from the gateway"));
        QCOMPARE(answerer.count(), 2);
        w->click("pushButtonDebug");
        QVERIFY(!note->isVisibleTo(&w->window()));
    }

    // A row no editor would take, as an imported file may hold: nothing is
    // sent, and the row is shown on its page.
    void downloadRefusesAFaultyRow()
    {
        MessageBoxAnswerer answerer;
        fillTables(*w, SampleTables(8).make(1, 2, 1));
        auto *table = w->widget<QTableWidget>("tableWidget_1byte");
        table->item(1, 8)->setText("300");
        w->click("pushButtonBurnData");
        QCOMPARE(answerer.texts(),
                 QStringList{"Nothing was downloaded: row 2 of \"485 to KNX(1 Byte)\" cannot be "
                             "sent.\nMax: \"300\" is not a number from 0 to 255"});
        QCOMPARE(answerer.last().title, QString("ERROR"));
        QCOMPARE(w->widget<QTabWidget>("tabWidget_General")->currentWidget(),
                 table->parentWidget());
        QCOMPARE(table->currentRow(), 1);
        QCOMPARE(pty->read(1, 300), QByteArray());
        QVERIFY(w->statusText().endsWith("| TX:0B | RX:0B"));
    }

    // The first write that fails ends the capture with an error.
    void captureThatCannotBeWritten()
    {
        MessageBoxAnswerer answerer;
        auto *action = w->widget<QAction>("actionCaptureToFile");
        auto *note = w->widget<QLabel>("captureLabel");
        answerer.answerFileDialog("/dev/full");
        action->trigger();
        QVERIFY(action->isChecked() && note->isVisibleTo(&w->window()));
        QCOMPARE(note->text(), QString("Capturing to /dev/full"));
        w->click("pushButtonDebug");
        QVERIFY(answerer.waitForBoxes(1, 5000));
        QCOMPARE(answerer.last().title, QString("ERROR"));
        QVERIFY2(answerer.last().text.startsWith("The capture has stopped: /dev/full cannot be"),
                 qPrintable(answerer.last().text));
        QVERIFY(!action->isChecked() && !note->isVisibleTo(&w->window()));
    }

    void sent_data()
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
        QTest::newRow("incomplete")
            << QByteArray("pushButton_485toknx_w_send")
            << QByteArray("lineEdit_485toknx_w_telegram") << "01 0" << QByteArray();
    }

    void sent()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        w->widget<QLineEdit>(field)->setText(text);
        w->click(button);
        QCOMPARE(pty->read(qMax(1, int(bytes.size())), 300), bytes);
        QVERIFY(w->statusText().endsWith(QString("| TX:%1B | RX:0B").arg(bytes.size())));
    }

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
};

QTEST_MAIN(TestSerialLine)
#include "tst_serialline.moc"
