#include "gatewayemulator.h"
#include "messageboxanswerer.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "ser2netserver.h"
#include "settingsfile.h"
#include "tablecomparison.h"
#include "tablefilling.h"
#include "windowundertest.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
const QString success = "Download over!Success!Please change to working mode.";
} // namespace

// The window at ports of a serial device server: ser2net on this machine,
// in front of the virtual gateway's pseudo-terminal.
class TestNetworkPort : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;
    QString logText;
    QTextStream log{&logText};
    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<Ser2NetServer> server;
    std::unique_ptr<WindowUnderTest> w;
    std::unique_ptr<MessageBoxAnswerer> answerer;

    // A gateway at the settings behind ser2net, and the window.
    void start(const SerialSettings &settings, Ser2NetServer::Accepter accepter)
    {
        gateway = std::make_unique<GatewayEmulator>(settings);
        gateway->setLog(&log);
        server = std::make_unique<Ser2NetServer>(gateway->portPath(), accepter);
        QVERIFY(server->isListening());
        w = std::make_unique<WindowUnderTest>();
        answerer = std::make_unique<MessageBoxAnswerer>();
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
        const int port = name.section(':', -1).toInt();
        addPort("127.0.0.1", port, name.startsWith("tcp") ? 1 : 0);
        if (w->widget<QComboBox>("comboBoxComm")->currentText() != name)
            return false;
        w->click("pushButtonOpen");
        return QTest::qWaitFor([this] { return w->isPortOpen(); }, 5000);
    }

    void expectHeld(const TelegramTables &sent) const
    {
        const QStringList differences = tableDifferences(sent, gateway->storedTables());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 5).join('\n')));
    }

private slots:
    void cleanup() { answerer.reset(), w.reset(), server.reset(), gateway.reset(); }

    // The dialog remembers the port beside the language; the line settings
    // reach the gateway's port: Serial configure moves both, the download at
    // the new settings arrives intact, and 0xFF passes both ways.
    void rfc2217CarriesSettingsAndEveryByte()
    {
        QVERIFY(workDir.write("config.ini", "[GeneralSettings]\nlanguage=1\n"));
        start({0, 0, 0}, Ser2NetServer::Accepter::Rfc2217);
        QVERIFY(openServerPort());
        const QSettings settings("config.ini", QSettings::IniFormat);
        QCOMPARE(settings.value("NetworkPorts/recent").toStringList(),
                 QStringList{server->portName()});
        QCOMPARE(settings.value("GeneralSettings/language").toString(), QString("1"));
        QVERIFY(!w->widget<QAction>("actionNetworkPort")->isEnabled());

        w->select("comboBoxBaudRate_set", "57600");
        w->select("comboBoxStopBit_set", "2");
        w->click("pushButtonConfigSerial");
        QVERIFY(answerer->waitForBoxes(1));
        QCOMPARE(answerer->texts(), QStringList{"Setting serial port successfully."});
        QCOMPARE(gateway->serialSettings().baudIndex, 7);
        QCOMPARE(gateway->serialSettings().stopBitIndex, 2);

        fillTables(*w, SampleTables(5).make(512, 256, 512));
        w->click("pushButtonBurnData");
        QVERIFY(answerer->waitForBoxes(2, 60000));
        QCOMPARE(answerer->last().text, success);
        expectHeld(w->tables());

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
        start({2, 0, 0}, Ser2NetServer::Accepter::RawTcp);
        QVERIFY(openServerPort());
        for (const char *button : {"pushButtonScan", "pushButtonConfigSerial"}) {
            w->click(button);
            QVERIFY2(answerer->last().text.contains("is a raw TCP port"),
                     qPrintable(answerer->last().text));
        }
        QCOMPARE(answerer->count(), 2);
        QCOMPARE(w->widget<QPushButton>("pushButtonScan")->text(), QString("Scan"));
        QVERIFY(w->statusText().endsWith("| TX:0B | RX:0B"));

        w->click("pushButtonDebug");
        QVERIFY(answerer->waitForBoxes(3));
        QCOMPARE(answerer->last().text, QString("Setting debug mode successfully."));
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
        start({0, 0, 0}, Ser2NetServer::Accepter::Rfc2217);
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

        for (const QString &host : {"[::1]", "::1", "[::1]:2217"}) {
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

QTEST_MAIN(TestNetworkPort)
#include "tst_networkport.moc"
