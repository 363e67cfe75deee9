#include "gatewayemulator.h"
#include "itemtexts.h"
#include "messageboxanswerer.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "tablecomparison.h"
#include "tablefilling.h"
#include "windowundertest.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

namespace {
const QString success = "Download over!Success!Please change to working mode.";
} // namespace

// The real window against the virtual gateway, as a user runs them together.
class TestGatewaySession : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;
    QString logText;
    QTextStream log{&logText};
    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<WindowUnderTest> w;
    std::unique_ptr<MessageBoxAnswerer> answerer;

    // A gateway at the settings, the window's port open on it, and its faults.
    bool start(SerialSettings settings = {0, 0, 0}, const GatewayFaults &faults = {})
    {
        gateway = std::make_unique<GatewayEmulator>(settings);
        gateway->setLog(&log);
        gateway->setFaults(faults);
        w = std::make_unique<WindowUnderTest>(QStringList{gateway->portPath()});
        answerer = std::make_unique<MessageBoxAnswerer>();
        return w->openPort(gateway->portPath());
    }

    QStringList selected() const
    {
        QStringList texts;
        for (const char *box : {"comboBoxBaudRate", "comboBoxStopBit", "comboBoxParity"})
            texts << w->widget<QComboBox>(box)->currentText();
        return texts;
    }

    void expectHeld(const TelegramTables &sent) const
    {
        const QStringList differences = tableDifferences(sent, gateway->storedTables());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 5).join('\n')));
    }

private slots:
    void cleanup() { answerer.reset(), w.reset(), gateway.reset(); }

    void scanFindsTheGateway_data()
    {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("probes");
        QTest::newRow("9600 on the third probe") << 2 << 3;
        QTest::newRow("2400 on the first probe") << 0 << 1;
    }

    void scanFindsTheGateway()
    {
        QFETCH(int, baud);
        QFETCH(int, probes);
        QVERIFY(start({baud, 0, 0}));
        QElapsedTimer clock;
        clock.start();
        w->click("pushButtonScan");
        QVERIFY(answerer->waitForBoxes(1));
        QVERIFY2(clock.elapsed() >= (probes - 1) * 400 && clock.elapsed() < probes * 400 + 300,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(answerer->texts(), QStringList{"Found serial configuration."});
        QCOMPARE(selected(), QStringList({baudRateTexts().at(baud), "1", "None"}));
        QVERIFY(w->statusText().endsWith(QString("| TX:%1B | RX:10B").arg(probes * 15)));
    }

    // The gateway's link is listed while it exists: at once when the list is
    // opened, within the refresh otherwise. The selection stays on its device;
    // the popup shows the path whole; the tooltip names the device.
    void portListFollowsTheGatewayLink()
    {
        const QString link = workDir.filePath("a-rather-long-name-for-the-virtual-gateway-link");
        const QString other = workDir.filePath("other");
        QVERIFY(workDir.write("other", {}));
        w = std::make_unique<WindowUnderTest>(QStringList{link, other});
        w->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w->window()));
        auto *ports = w->widget<QComboBox>("comboBoxComm");
        QCOMPARE(ports->currentText(), other);
        QCOMPARE(ports->findText(link), -1);

        gateway = std::make_unique<GatewayEmulator>();
        gateway->setLog(&log);
        QVERIFY(gateway->publish(link));
        QTest::mouseClick(ports, Qt::LeftButton);
        QCOMPARE(ports->itemText(0), link);
        QCOMPARE(ports->currentText(), other);
        QCOMPARE(ports->itemData(0, Qt::ToolTipRole).toString(), link);
        QVERIFY(ports->view()->width() > ports->fontMetrics().horizontalAdvance(link));
        ports->hidePopup();

        gateway->goAway();
        QTRY_COMPARE_WITH_TIMEOUT(ports->findText(link), -1, 5000);
        QCOMPARE(ports->currentText(), other);
    }

    // A scan and a command whose answer comes after more bytes than the area
    // keeps: every byte is in the capture, in the order of the line, and the
    // file is whole when the capture is stopped and when the window closes.
    void captureHoldsTheWholeSession()
    {
        QVERIFY(start({2, 0, 0}));
        const QString file = workDir.filePath("capture.txt");
        auto *action = w->widget<QAction>("actionCaptureToFile");
        answerer->answerFileDialog(file);
        action->trigger();
        QCOMPARE(w->widget<QLabel>("captureLabel")->text(), "Capturing to " + file);
        w->click("pushButtonScan");
        QVERIFY(answerer->waitForBoxes(1));

        auto *area = w->widget<ReceiveView>("textEditRecv");
        area->setMaximumLineCount(3);
        GatewayFaults faults;
        faults.noise = QByteArray(2000, '\xA5');
        gateway->setFaults(faults);
        w->click("pushButtonDebug");
        QTRY_VERIFY(w->statusText().endsWith(QString("RX:%1B").arg(10 + 2008)));
        QCOMPARE(area->lineCount(), 3);
        action->trigger();
        QVERIFY(!action->isChecked());

        QFile capture(file);
        QVERIFY(capture.open(QIODevice::ReadOnly));
        const QRegularExpression form(
            "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} (TX|RX)((?: [0-9A-F]{2})+)$");
        QStringList kinds;
        QByteArrayList sent;
        QByteArray received;
        for (const QByteArray &line : capture.readAll().split('\n')) {
            const QRegularExpressionMatch parts = form.match(QString::fromLatin1(line));
            QVERIFY2(parts.hasMatch() || line.isEmpty(), line.constData());
            kinds << parts.captured(1);
            const QByteArray bytes = QByteArray::fromHex(parts.captured(2).toLatin1());
            if (kinds.last() == "TX")
                sent << bytes;
            else
                received += bytes;
        }
        QCOMPARE(kinds.mid(0, 5), QStringList({"TX", "TX", "TX", "RX", "TX"}));
        QCOMPARE(kinds.last(), QString()); // the file ends with a whole line
        const QByteArray probe = QByteArray::fromHex("550C0B00676574506172616D039D0D");
        QCOMPARE(sent, QByteArrayList({probe, probe, probe,
                                       QByteArray::fromHex("550C0C01776F726B6D6F64650103D70D")}));
        QCOMPARE(received.size(), 10 + 2008);
        QCOMPARE(received.mid(10, 2000), faults.noise);

        // Started again, it appends; closing the window ends it.
        answerer->answerFileDialog(file);
        action->trigger();
        w->widget<QLineEdit>("lineEdit_485toknx_w_telegram")->setText("01 02");
        w->click("pushButton_485toknx_w_send");
        w.reset();
        QVERIFY(capture.seek(0));
        QVERIFY(capture.readAll().endsWith(" TX 01 02\n"));
    }

    // Serial configure moves gateway and tool, and the two still talk.
    void commandsSwitchTheGateway()
    {
        QVERIFY(start());
        w->click("pushButtonDebug");
        QVERIFY(answerer->waitForBoxes(1));
        QCOMPARE(gateway->operatingMode(), DebugMode);
        w->click("pushButtonWorkMode");
        QVERIFY(answerer->waitForBoxes(2));
        QCOMPARE(gateway->operatingMode(), WorkingMode);
        w->select("comboBoxBaudRate_set", "57600");
        w->select("comboBoxStopBit_set", "2");
        w->select("comboBoxParity_set", "ODD");
        w->click("pushButtonConfigSerial");
        QVERIFY(answerer->waitForBoxes(3));
        QCOMPARE(
            QList<int>({gateway->serialSettings().baudIndex, gateway->serialSettings().stopBitIndex,
                        gateway->serialSettings().parityIndex}),
            QList<int>({7, 2, 1}));
        QCOMPARE(selected(), QStringList({"57600", "2", "ODD"}));
        w->click("pushButtonDebug");
        QVERIFY(answerer->waitForBoxes(4));
        QCOMPARE(
            answerer->texts(),
            QStringList({"Setting debug mode successfully.", "Setting work mode successfully.",
                         "Setting serial port successfully.", "Setting debug mode successfully."}));
    }

    // 1,281 frames of every type, length and baud rate, lower- and upper-case
    // hex, telegrams up to 64 bytes, acknowledgements from none to 32.
    void fullTablesArriveAsTheWindowHoldsThem()
    {
        QVERIFY(start());
        fillTables(*w, SampleTables(3).make(512, 256, 512));
        w->click("pushButtonBurnData");
        QVERIFY(answerer->waitForBoxes(1, 30000));
        QCOMPARE(answerer->texts(), QStringList{success});
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
        expectHeld(w->tables());
        QVERIFY(w->statusText().endsWith(QString("RX:%1B").arg(8 + 1280 * 10)));

        // The comparison sees a changed cell or a missing row, and no value of a read row.
        const Tele1Byte held = gateway->storedTables().rows1Byte[9];
        TelegramTables changed = w->tables();
        changed.rows1Byte[9].telegram_n = changed.rows1Byte[9].max = "00";
        changed.rowsKnxTo485W.removeLast();
        for (Tele485ToKnxW &row : changed.rows485ToKnxW)
            row.value = row.ntype == "read" ? "0" : row.value;
        QCOMPARE(tableDifferences(changed, gateway->storedTables()),
                 QStringList({QString("1-byte row 9, max: \"00\" sent, \"%1\" held").arg(held.max),
                              QString("1-byte row 9, telegram(-): \"00\" sent, \"%1\" held")
                                  .arg(held.telegram_n),
                              "KNX-to-485 table: 511 rows sent, 512 held"}));
    }

    void framesGoOutInTableOrder()
    {
        QVERIFY(start());
        fillTables(*w, SampleTables(2).make(2, 0, 1));
        QSignalSpy frames(gateway.get(), &GatewayEmulator::frameReceived);
        w->click("pushButtonBurnData");
        QVERIFY(answerer->waitForBoxes(1));
        QList<quint8> commands;
        for (const QList<QVariant> &frame : frames)
            commands << frame.at(0).value<quint8>();
        QCOMPARE(commands, QList<quint8>({CMD_TABLE_SIZES, CMD_ROW_485_TO_KNX_W,
                                          CMD_ROW_485_TO_KNX_W, CMD_ROW_KNX_TO_485_W}));
    }

    // Three seconds without an answer name the frame; a late answer is no success.
    void unansweredFrame_data()
    {
        QTest::addColumn<int>("dropped");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<QString>("text");
        QTest::newRow("late sizes") << 0 << 3300 << "Download telegram number error!";
        QTest::newRow("KNX row 0") << 6 << 0 << "Download telegram knx to 485(Write) 1 error!";
    }

    void unansweredFrame()
    {
        QFETCH(int, dropped);
        QFETCH(int, delayMs);
        QFETCH(QString, text);
        GatewayFaults faults;
        faults.dropped = {{dropped, dropped}};
        faults.delayMs = delayMs;
        QVERIFY(start({0, 0, 0}, faults));
        fillTables(*w, SampleTables(4).make(2, 2, 1));
        w->click("pushButtonBurnData");
        QVERIFY(answerer->waitForBoxes(1, 4000));
        QCOMPARE(answerer->last().title + " " + answerer->last().text, "Download error! " + text);
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
        QTest::qWait(delayMs ? 800 : 100);
        QCOMPARE(answerer->count(), 1);
    }

    // The download sends the tables as they were when it started.
    void editingDuringADownloadChangesNothingSent()
    {
        GatewayFaults faults;
        faults.delayMs = 30;
        QVERIFY(start({0, 0, 0}, faults));
        fillTables(*w, SampleTables(6).make(20, 10, 20));
        const TelegramTables before = w->tables();
        QSignalSpy frames(gateway.get(), &GatewayEmulator::frameReceived);
        w->click("pushButtonBurnData");
        QTRY_VERIFY(frames.size() >= 5);
        QVERIFY(frames.size() < downloadFrameCount(before));
        w->widget<QTableWidget>("tableWidget_485toknx_w")->setCurrentCell(10, 0);
        w->click("pushButton_485toknx_w_delete");
        answerer->answerNext(QMessageBox::Yes);
        w->click("pushButton_knxto485_w_clear");
        QVERIFY(answerer->waitForBoxes(2, 10000));
        QCOMPARE(answerer->last().text, success);
        expectHeld(before);
    }
};

QTEST_MAIN(TestGatewaySession)
#include "tst_gatewaysession.moc"
