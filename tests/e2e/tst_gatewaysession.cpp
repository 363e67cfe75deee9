#include "gatewayemulator.h"
#include "messageboxanswerer.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "ser2netserver.h"
#include "settingsfile.h"
#include "tablecomparison.h"
#include "tablefilling.h"
#include "windowundertest.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {
const QString success = "Download over!Success!Please change to working mode.";
} // namespace

// The real window against the virtual gateway, as a user runs them together:
// on the gateway's pseudo-terminal, and at ports of a serial device server
// (ser2net on this machine in front of the pseudo-terminal).
class TestGatewaySession : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;
    QString logText;
    QTextStream log{&logText};
    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<Ser2NetServer> server;
    std::unique_ptr<WindowUnderTest> w;
    std::unique_ptr<MessageBoxAnswerer> answerer;

    // A gateway at the settings with the faults, and the window, its port
    // open on the gateway's pseudo-terminal unless the gateway is behind a
    // server; false when that port does not open.
    bool start(SerialSettings settings = {0, 0, 0}, const GatewayFaults &faults = {},
               std::optional<Ser2NetServer::Accepter> accepter = std::nullopt)
    {
        gateway = std::make_unique<GatewayEmulator>(settings);
        gateway->setLog(&log);
        gateway->setFaults(faults);
        if (accepter)
            server = std::make_unique<Ser2NetServer>(gateway->portPath(), *accepter);
        w = std::make_unique<WindowUnderTest>(QStringList{gateway->portPath()});
        answerer = std::make_unique<MessageBoxAnswerer>();
        return accepter ? server->isListening() : w->openPort(gateway->portPath());
    }

    // "Network port…" with the address typed in.
    void addPort(const QString &host, int port, int kind)
    {
        answerer->answerDialog([=](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("lineEditNetworkHost")->setText(host);
            dialog->findChild<QSpinBox *>("spinBoxNetworkPort")->setValue(port);
            dialog->findChild<QComboBox *>("comboBoxNetworkKind")->setCurrentIndex(kind);
            dialog->accept();
        });
        w->widget<QAction>("actionNetworkPort")->trigger();
    }

    // The server's port added and opened.
    bool openServerPort()
    {
        const QString name = server->portName();
        addPort("127.0.0.1", name.section(':', -1).toInt(), name.startsWith("tcp") ? 1 : 0);
        if (w->widget<QComboBox>("comboBoxComm")->currentText() != name)
            return false;
        w->click("pushButtonOpen");
        return QTest::qWaitFor([this] { return w->isPortOpen(); }, 5000);
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
    void cleanup() { answerer.reset(), w.reset(), server.reset(), gateway.reset(); }

    // Found at the first probe: the selectors follow the gateway.
    void scanFindsTheGateway()
    {
        QVERIFY(start({0, 0, 1}));
        w->click("pushButtonScan");
        QVERIFY(answerer->waitForBoxes(1));
        QCOMPARE(answerer->texts(), QStringList{"Found serial configuration."});
        QCOMPARE(selected(), QStringList({"2400", "1", "ODD"}));
        QVERIFY(w->statusText().endsWith("| TX:15B | RX:10B"));
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
        QVERIFY(start());
        const QString file = workDir.filePath("capture.txt");
        auto *action = w->widget<QAction>("actionCaptureToFile");
        answerer->answerFileDialog(file);
        action->trigger();
        QCOMPARE(w->widget<QLabel>("captureLabel")->text(), "Capturing to " + file);
        w->click("pushButtonScan");
        QVERIFY(answerer->waitForBoxes(1));
        w->widget<ReceiveView>("textEditRecv")->setMaximumLineCount(3);
        GatewayFaults faults;
        faults.noise = QByteArray(2000, '\xA5');
        gateway->setFaults(faults);
        const QByteArray debugAnswer =
            buildAnswer(CMD_SET_OPERATING_MODE, QByteArray(1, DebugMode));
        w->click("pushButtonDebug");
        QTRY_VERIFY(w->statusText().endsWith(QString("RX:%1B").arg(10 + 2008)));
        action->trigger();
        QVERIFY(!action->isChecked());

        QFile capture(file);
        QVERIFY(capture.open(QIODevice::ReadOnly));
        const QString captured = QString::fromLatin1(capture.readAll());
        QVERIFY(captured.endsWith('\n'));
        const QRegularExpression form(
            "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} (TX|RX)((?: [0-9A-F]{2})+)$");
        QStringList lines;
        for (const QString &line : captured.split('\n', Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch parts = form.match(line);
            QVERIFY2(parts.hasMatch(), qPrintable(line));
            lines << parts.captured(1) + parts.captured(2);
        }
        QCOMPARE(lines,
                 QStringList({"TX 55 0C 0B 00 67 65 74 50 61 72 61 6D 03 9D 0D",
                              "RX 0C 55 06 00 00 00 00 00 67 0D",
                              "TX 55 0C 0C 01 77 6F 72 6B 6D 6F 64 65 01 03 D7 0D",
                              "RX " + byteArrayToHexStr(faults.noise + debugAnswer).trimmed()}));

        // Started again, it appends; closing the window ends it.
        answerer->answerFileDialog(file);
        action->trigger();
        w->widget<QLineEdit>("lineEdit_485toknx_w_telegram")->setText("01 02");
        w->click("pushButton_485toknx_w_send");
        w.reset();
        QVERIFY(capture.seek(0));
        QVERIFY(capture.readAll().endsWith(" TX 01 02\n"));
    }

    // 621 frames of every type, length and baud rate, lower- and upper-case
    // hex, telegrams up to 64 bytes, acknowledgements from none to 32, rows
    // past 255 in both large tables.
    void tablesArriveAsTheWindowHoldsThem()
    {
        QVERIFY(start());
        fillTables(*w, SampleTables(3).make(300, 20, 300));
        w->click("pushButtonBurnData");
        QVERIFY(answerer->waitForBoxes(1, 30000));
        QCOMPARE(answerer->texts(), QStringList{success});
        QVERIFY(!w->widget("progressBar")->isVisibleTo(&w->window()));
        expectHeld(w->tables());
        QVERIFY(w->statusText().endsWith(QString("RX:%1B").arg(8 + 620 * 10)));

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
                              "KNX-to-485 table: 299 rows sent, 300 held"}));
    }

    // Three seconds without an answer name the frame (the sixth, the KNX
    // table's first after the table sizes and two rows of each other table);
    // a late answer is no success.
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

    // The dialog remembers the port beside the language; the line settings
    // reach the gateway's port: Serial configure moves both, a command at the
    // new settings is answered, and 0xFF passes both ways.
    void rfc2217CarriesSettingsAndEveryByte()
    {
        QVERIFY(workDir.write("config.ini", "[GeneralSettings]\nlanguage=1\n"));
        QVERIFY(start({0, 0, 0}, {}, Ser2NetServer::Accepter::Rfc2217));
        QVERIFY(openServerPort());
        const QSettings settings("config.ini", QSettings::IniFormat);
        QCOMPARE(settings.value("NetworkPorts/recent").toStringList(),
                 QStringList{server->portName()});
        QCOMPARE(settings.value("GeneralSettings/language").toString(), QString("1"));
        QVERIFY(!w->widget<QAction>("actionNetworkPort")->isEnabled());

        w->select("comboBoxBaudRate_set", "57600");
        w->select("comboBoxStopBit_set", "2");
        w->select("comboBoxParity_set", "ODD");
        w->click("pushButtonConfigSerial");
        QVERIFY(answerer->waitForBoxes(1));
        QCOMPARE(answerer->texts(), QStringList{"Setting serial port successfully."});
        const SerialSettings moved = gateway->serialSettings();
        QCOMPARE(QList<int>({moved.baudIndex, moved.stopBitIndex, moved.parityIndex}),
                 QList<int>({7, 2, 1}));
        QCOMPARE(selected(), QStringList({"57600", "2", "ODD"}));

        w->widget<QLineEdit>("lineEdit_485toknx_w_telegram")->setText("01 FF FF 02");
        w->click("pushButton_485toknx_w_send");
        QTRY_VERIFY2(logText.contains("skipped 4 bytes: 01 FF FF 02"),
                     qPrintable(logText.right(300)));

        GatewayFaults noise;
        noise.noise = QByteArray::fromHex("FF00FFFF");
        gateway->setFaults(noise);
        w->click("pushButtonClear");
        w->click("pushButtonDebug");
        QTRY_COMPARE(w->receivedText(),
                     "FF 00 FF FF " + byteArrayToHexStr(buildAnswer(
                                          CMD_SET_OPERATING_MODE, QByteArray(1, char(DebugMode)))));
    }

    // Bytes only: receive, mode commands and the download at the server's
    // settings; Scan and Serial configure refuse and send nothing.
    void rawTcpAtFixedSettings()
    {
        QVERIFY(start({2, 0, 0}, {}, Ser2NetServer::Accepter::RawTcp));
        QVERIFY(openServerPort());
        for (const char *button : {"pushButtonScan", "pushButtonConfigSerial"}) {
            w->click(button);
            QVERIFY2(answerer->last().text.contains("is a raw TCP port"),
                     qPrintable(answerer->last().text));
        }
        QCOMPARE(answerer->count(), 2);
        QCOMPARE(w->widget<QPushButton>("pushButtonScan")->text(), QString("Scan"));
        QVERIFY(w->statusText().endsWith("| TX:0B | RX:0B"));

        w->click("pushButtonWorkMode");
        QVERIFY(answerer->waitForBoxes(3));
        QCOMPARE(answerer->last().text, QString("Setting work mode successfully."));
        QCOMPARE(gateway->operatingMode(), WorkingMode);
        fillTables(*w, SampleTables(6).make(20, 10, 20));
        w->click("pushButtonBurnData");
        QVERIFY(answerer->waitForBoxes(4, 20000));
        QCOMPARE(answerer->last().text, success);
        expectHeld(w->tables());
        QCOMPARE(gateway->framesReceived(CMD_READ_SERIAL_PARAMETERS), 0);
        QCOMPARE(gateway->framesReceived(CMD_SET_SERIAL_PARAMETERS), 0);

        // Closed, the dialog offers the port used last.
        w->click("pushButtonOpen");
        QStringList offered;
        answerer->answerDialog([&offered](QDialog *dialog) {
            offered << dialog->findChild<QComboBox *>("comboBoxNetworkRecent")->currentText()
                    << dialog->findChild<QLineEdit *>("lineEditNetworkHost")->text()
                    << dialog->findChild<QSpinBox *>("spinBoxNetworkPort")->text()
                    << dialog->findChild<QComboBox *>("comboBoxNetworkKind")->currentText();
            dialog->reject();
        });
        w->widget<QAction>("actionNetworkPort")->trigger();
        QCOMPARE(offered,
                 QStringList({server->portName(), "127.0.0.1", server->portName().section(':', -1),
                              "TCP: raw bytes, the server fixes the settings"}));
    }

    // The server going away mid-download is a lost port, with the reason.
    void serverClosingMidDownloadLosesThePort()
    {
        QVERIFY(start({0, 0, 0}, {}, Ser2NetServer::Accepter::Rfc2217));
        QVERIFY(openServerPort());
        fillTables(*w, SampleTables(7).make(512, 0, 0));
        w->click("pushButtonBurnData");
        QTRY_VERIFY(gateway->framesReceived() >= 20);
        server->stop();
        QVERIFY(answerer->waitForBoxes(1));
        QCOMPARE(answerer->last().text,
                 QString("The serial port was lost.\nCheck the cable and the adapter, then open "
                         "the port again."));
        QVERIFY2(answerer->last().informativeText.contains("closed"),
                 qPrintable(answerer->last().informativeText));
        QVERIFY(!w->isPortOpen());
        QVERIFY(!gateway->downloadComplete());
        QVERIFY(w->widget("comboBoxComm")->isEnabled());
    }

    // What a server says before it closes shows as it is, never as markup;
    // "[::1]" as the README writes it, "::1" and "[::1]:2217" name one port.
    void serverTextAsPlainTextAndIpv6Hosts()
    {
        w = std::make_unique<WindowUnderTest>();
        answerer = std::make_unique<MessageBoxAnswerer>();
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QByteArray html = "<h1 style=\"color:green\">Download complete</h1>"
                                "<a href=\"http://example.org\">details</a>";
        connect(&server, &QTcpServer::newConnection, &server, [&] {
            QTcpSocket *client = server.nextPendingConnection();
            client->write(html);
            client->disconnectFromHost();
        });
        addPort("127.0.0.1", server.serverPort(), 1);
        w->click("pushButtonOpen");
        QVERIFY(answerer->waitForBoxes(1));
        QVERIFY2(answerer->last().informativeText.contains(QString::fromLatin1(html)),
                 qPrintable(answerer->last().informativeText));
        QVERIFY(answerer->last().plainText);
        QVERIFY(!w->isPortOpen());

        for (const QString host : {"[::1]", "::1", "[::1]:2217"}) {
            addPort(host, host.endsWith("2217") ? 2000 : 2217, 0);
            QCOMPARE(w->widget<QComboBox>("comboBoxComm")->currentText(),
                     QString("rfc2217://[::1]:2217"));
        }
    }

    // A port kept in the user's settings file is still added. Refused at once; a
    // server that takes the connection and says nothing is given up after
    // 5 s, while the window goes on and shows that it connects.
    void portsThatCannotBeOpened()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(userSettingsFile());
        w = std::make_unique<WindowUnderTest>();
        answerer = std::make_unique<MessageBoxAnswerer>();
        QFile::remove(workDir.filePath("config.ini"));
        QVERIFY(QDir(workDir.path()).mkdir("config.ini"));
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 refusing = closed.serverPort();
        closed.close();
        addPort("127.0.0.1", refusing, 0);
        QCOMPARE(answerer->texts(), QStringList{workDir.filePath("config.ini") +
                                                " cannot be written: the settings are kept in " +
                                                userSettingsFile() + "."});
        w->click("pushButtonOpen");
        QVERIFY(answerer->waitForBoxes(2));
        QCOMPARE(answerer->last().text,
                 QString("Cannot open the port\nCheck to see if the serial port is occupied"));
        QVERIFY2(answerer->last().informativeText.contains("refused"),
                 qPrintable(answerer->last().informativeText));

        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        addPort("127.0.0.1", silent.serverPort(), 0);
        QElapsedTimer clock;
        clock.start();
        w->click("pushButtonOpen");
        QVERIFY(!w->isPortOpen() && !w->widget("pushButtonOpen")->isEnabled());
        QTRY_VERIFY(silent.hasPendingConnections());
        QVERIFY(w->widget("progressLabel")->isVisibleTo(&w->window()));
        QCOMPARE(w->widget<QLabel>("progressLabel")->text(),
                 QString("Connecting to rfc2217://127.0.0.1:%1…").arg(silent.serverPort()));
        QVERIFY(answerer->waitForBoxes(3, 10000)); // where the ports are kept, said once
        QVERIFY2(clock.elapsed() >= 4900 && clock.elapsed() < 8000,
                 qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(answerer->last().informativeText.contains("set up no session within 5 s"),
                 qPrintable(answerer->last().informativeText));
        QVERIFY(!w->isPortOpen() && w->widget("pushButtonOpen")->isEnabled());
        QVERIFY(!w->widget("progressLabel")->isVisibleTo(&w->window()));
        QFile::remove(userSettingsFile());
    }
};

QTEST_MAIN(TestGatewaySession)
#include "tst_gatewaysession.moc"
