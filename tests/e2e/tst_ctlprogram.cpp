#include "ctlprocess.h"
#include "gatewayemulator.h"
#include "gatewayjob.h"
#include "gatewayscan.h"
#include "projectfiles.h"
#include "pseudoterminal.h"
#include "sampletables.h"
#include "ser2netserver.h"
#include "serialchange.h"
#include "tablecomparison.h"
#include "tabledownload.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

namespace {
// Runs the job of rs485ctl's engine in this process to its end.
JobReport run(GatewayJob &job)
{
    QSignalSpy finished(&job, &GatewayJob::finished);
    job.start();
    if (finished.isEmpty() && !finished.wait(60000))
        qWarning("the job did not end");
    return job.report();
}
} // namespace

// rs485ctl as a user runs it, its engine in this process and the gateway
// program, against virtual gateways.
class TestCtlProgram : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString logText;
    QTextStream log{&logText};
    const TelegramTables tables = SampleTables(3).make(3, 2, 3);
    QString projectPath;

    std::unique_ptr<GatewayEmulator>
    startGateway(const GatewayFaults &faults = {},
                 const SerialSettings &settings = DefaultGatewaySettings)
    {
        auto gateway = std::make_unique<GatewayEmulator>(settings);
        gateway->setLog(&log);
        gateway->setFaults(faults);
        return gateway;
    }

private slots:
    void initTestCase()
    {
        projectPath = dir.filePath("project.db");
        QVERIFY(writeProjectAt(projectPath, tables));
    }

    // Two gateways are commissioned while the silent third fails; each
    // port's work goes on regardless of the others.
    void commissionGatewaysInParallel()
    {
        GatewayFaults silent;
        silent.silent = true;
        std::vector<std::unique_ptr<GatewayEmulator>> gateways;
        for (const GatewayFaults &faults : {GatewayFaults(), GatewayFaults(), silent}) {
            gateways.push_back(startGateway(faults));
            gateways.back()->setRequireDebugMode(true);
        }
        const Outcome outcome =
            rs485ctl({"download", projectPath, "--commission", "--json", "--timeout", "0.3",
                      "--retries", "1", "--port", gateways[0]->portPath(), "--port",
                      gateways[1]->portPath(), "--port", gateways[2]->portPath()});
        QCOMPARE(outcome.exitCode, 1);
        const QJsonArray ports = QJsonDocument::fromJson(outcome.out.toUtf8())["ports"].toArray();
        QCOMPARE(ports.size(), 3);
        for (int done = 0; done < 2; ++done) {
            QCOMPARE(ports[done]["result"].toString(), QString("done"));
            QCOMPARE(ports[done]["message"].toString(),
                     QString("in debug mode; 3 + 2 + 3 rows downloaded; in working mode"));
            QCOMPARE(ports[done]["framesAnswered"].toInt(), 2 + downloadFrameCount(tables));
            QVERIFY(tableDifferences(tables, gateways[done]->storedTables()).isEmpty());
            QCOMPARE(gateways[done]->operatingMode(), WorkingMode);
        }
        QCOMPARE(ports[2]["result"].toString(), QString("failed"));
        QCOMPARE(ports[2]["step"].toString(), QString("debug mode"));
        QCOMPARE(ports[2]["message"].toString(),
                 QString("no answer to the debug-mode command after 2 tries"));
        QVERIFY(outcome.err.contains(
            QRegularExpression("\nPORT +RESULT +FRAMES +LATE +RETRIES +TIME")));
    }

    // Answers dropped twice: the frame is sent again until one is taken.
    void droppedAnswers()
    {
        GatewayFaults faults;
        faults.dropped = {{2, 3}};
        const auto gateway = startGateway(faults);
        const Outcome outcome =
            rs485ctl({"download", projectPath, "--port", gateway->portPath(), "--timeout", "0.3"});
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY2(outcome.err.contains("no answer to 485 to KNX row 1, sending it again"),
                 qPrintable(outcome.err));
        QVERIFY2(outcome.out.contains(QRegularExpression(" 9 +0 +2 +\\d+\\.\\d s ")),
                 qPrintable(outcome.out));
        QVERIFY(gateway->downloadComplete());
    }

    // Answers a little later than --timeout are each taken for the frame
    // that is out, and counted; a frame never answered fails, named, however
    // late the answers before it came.
    void lateAnswers()
    {
        const QString oneRow = dir.filePath("one-row.db");
        QVERIFY(writeProjectAt(oneRow, SampleTables(5).make(1, 0, 0)));
        GatewayFaults faults;
        faults.delayMs = 1500;
        faults.dropped = {{2, 2}};
        const auto gateway = startGateway(faults);
        const Outcome outcome = rs485ctl({"download", oneRow, "--json", "--timeout", "1",
                                          "--retries", "0", "--port", gateway->portPath()});
        QCOMPARE(outcome.exitCode, 1);
        const QJsonObject port =
            QJsonDocument::fromJson(outcome.out.toUtf8())["ports"].toArray().at(0).toObject();
        QCOMPARE(port["message"].toString(), QString("no answer to 485 to KNX row 1 after 1 try"));
        QCOMPARE(port["lateAnswers"].toInt(), 1);
        QCOMPARE(port["framesAnswered"].toInt(), 1);
        // The gateway stored the row whose answer it dropped.
        QVERIFY(gateway->downloadComplete());
    }

    // Exit 2 with the reason, and not a byte on the line. PORT and PROJECT
    // stand for the gateway's port and a project with a bad row.
    void badInputSendsNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("bad row") << QStringList{"download", "PROJECT", "--port", "PORT"}
                                 << "485 to KNX(1 Byte) row 2, Addr.: \"0/0/0\" is not a group "
                                    "address from 0/0/1 to 15/7/255; nothing was sent";
        QTest::newRow("not a project")
            << QStringList{"download", RS485CTL, "--port", "PORT"} << "is not a project file";
        QTest::newRow("unknown option")
            << QStringList{"mode", "debug", "--port", "PORT", "--colour"} << "Unknown option";
        QTest::newRow("unknown mode")
            << QStringList{"mode", "sleep", "--port", "PORT"} << "mode takes debug or working";
        QTest::newRow("unknown baud rate")
            << QStringList{"mode", "debug", "--port", "PORT", "--baud", "1234"} << "--baud takes";
        QTest::newRow("incomplete telegram")
            << QStringList{"send", "01 0", "--port", "PORT"} << "\"01 0\" is not a telegram";
        QTest::newRow("no network port")
            << QStringList{"mode", "debug", "--port", "PORT", "--port", "rfc2217://127.0.0.1"}
            << "--port rfc2217://127.0.0.1 is no network port";
        QTest::newRow("one device twice")
            << QStringList{"mode", "debug", "--port", "PORT", "--port", "LINK"}
            << "name the same device";
        QTest::newRow("scan over raw TCP")
            << QStringList{"mode", "debug",  "--scan",           "--port",
                           "PORT", "--port", "tcp://127.0.0.1:9"}
            << "tcp://127.0.0.1:9 is a raw TCP port";
    }

    void badInputSendsNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        TelegramTables badRow = tables;
        badRow.rows1Byte[1].addr = "0/0/0";
        const QString badProject = dir.filePath("bad-row.db");
        QVERIFY(writeProjectAt(badProject, badRow));
        const auto gateway = startGateway();
        const QString link = dir.filePath("link-to-gateway");
        QFile::remove(link);
        QVERIFY(QFile::link(gateway->portPath(), link));
        arguments.replaceInStrings(QRegularExpression("^PORT$"), gateway->portPath());
        arguments.replaceInStrings(QRegularExpression("^LINK$"), link);
        arguments.replaceInStrings(QRegularExpression("^PROJECT$"), badProject);
        const Outcome outcome = rs485ctl(arguments);
        QCOMPARE(outcome.exitCode, 2);
        QVERIFY2(outcome.err.contains(reason), qPrintable(outcome.err));
        QCOMPARE(gateway->bytesReceived(), 0);
    }

    // A project file that cannot be read whole is refused, saying where and
    // what: exit 2, not a byte on the line, no control character printed.
    void hostileProjectSendsNothing_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char *name, const QString &statement, const QString &reason) {
            QTest::newRow(name) << QStringList{statement} << reason;
        };
        row("count above the rows", "update general set num_485_to_knx_w = 4",
            "485 to KNX: the file claims 4 rows, the table holds 3");
        row("rows claimed as none", "update general set num_knx_to_485_w = 0",
            "KNX to 485: the file claims 0 rows, the table holds 3");
        row("count beyond int", "update general set num_485_to_knx_w = 4294967299",
            "general, num_485_to_knx_w: 4294967299 is out of range");
        row("missing table", "drop table tele_1byte",
            "485 to KNX(1 Byte): the table tele_1byte is missing");
        row("value NULL", "update tele_485_to_knx_w set ntype = 'write', value = null where id = 1",
            "485 to KNX row 1, Value: NULL is not a whole number");
        row("value text",
            "update tele_485_to_knx_w set ntype = 'write', value = 'twelve' where id = 2",
            "485 to KNX row 2, Value: \"twelve\" is not a whole number");
        row("value a fraction", "update tele_knx_to_485_w set value = 2.6 where id = 1",
            "KNX to 485 row 1, Value: 2.6 is not a whole number");
        row("terminal codes in a cell",
            "update tele_485_to_knx_w set telegram = char(27) || ']0;x' || char(7) where id = 1",
            "485 to KNX row 1, Telegram: \"\\x1B]0;x\\x07\" is not a telegram");
    }

    void hostileProjectSendsNothing()
    {
        QFETCH(QStringList, statements);
        QFETCH(QString, reason);
        const QString hostile = dir.filePath("hostile.db");
        QFile::remove(hostile);
        QVERIFY(QFile::copy(projectPath, hostile));
        QCOMPARE(sqlRows(hostile, statements), QStringList());
        const auto gateway = startGateway();
        const Outcome outcome = rs485ctl({"download", hostile, "--port", gateway->portPath()});
        QCOMPARE(outcome.exitCode, 2);
        QVERIFY2(outcome.err.contains(reason), qPrintable(outcome.err));
        QVERIFY(!outcome.err.contains(QChar(0x1b)) && !outcome.err.contains(QChar(7)));
        QCOMPARE(gateway->bytesReceived(), 0);
    }

    // No file, a folder, a pipe, a file locked by a writer: each said as it is.
    void projectThatIsNoFile()
    {
        const QString fifo = dir.filePath("fifo.db");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString locked = dir.filePath("locked.db");
        QVERIFY(QFile::copy(projectPath, locked));
        QSqlDatabase writer = QSqlDatabase::addDatabase("QSQLITE", "writer");
        writer.setDatabaseName(locked);
        QVERIFY(writer.open() && QSqlQuery(writer).exec("begin exclusive"));
        const QList<std::pair<QString, QString>> cases = {
            {dir.filePath("none.db"), "none.db: no such file"},
            {dir.path(), " is a folder, not a project file"},
            {fifo, "fifo.db is not a regular file"},
            {locked, "locked.db: the file is locked by another program that is writing it"}};
        for (const auto &[path, reason] : cases) {
            const Outcome outcome = rs485ctl({"download", path, "--port", "/dev/null"});
            QCOMPARE(outcome.exitCode, 2);
            QVERIFY2(outcome.err.contains(reason), qPrintable(outcome.err));
        }
        writer.close();
        writer = QSqlDatabase();
        QSqlDatabase::removeDatabase("writer");
    }

    // Exit 2 names the port, with the system's or the network's reason; the
    // other port is served.
    void portThatCannotBeOpened()
    {
        const auto gateway = startGateway();
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString refusing = QString("rfc2217://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        const Outcome outcome = rs485ctl({"mode", "debug", "--port", "/dev/rs485ctl-none", "--port",
                                          refusing, "--port", gateway->portPath()});
        QCOMPARE(outcome.exitCode, 2);
        QVERIFY2(outcome.out.contains(QRegularExpression(
                     "\n/dev/rs485ctl-none +cannot open .* No such file or directory\n")),
                 qPrintable(outcome.out));
        QVERIFY2(outcome.out.contains(QRegularExpression(
                     "\n" + QRegularExpression::escape(refusing) + " +cannot open .* refused")),
                 qPrintable(outcome.out));
        QVERIFY(outcome.out.contains(QRegularExpression(" done +1 +0 .* in debug mode\n")));
        QCOMPARE(gateway->operatingMode(), DebugMode);
    }

    // What a device server says before it closes reaches the user as text:
    // escape codes shown as escapes, in the table and in the JSON report.
    void serverTextReachesNoTerminal()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        connect(&server, &QTcpServer::newConnection, &server, [&server] {
            QTcpSocket *client = server.nextPendingConnection();
            client->write("\x1b]0;owned\x07\x1b[2K\rFAKE: done 9 frames\n<h1>Done</h1>");
            client->disconnectFromHost();
        });
        const QString port = QString("tcp://127.0.0.1:%1").arg(server.serverPort());
        const Outcome outcome = rs485ctl({"mode", "debug", "--json", "--port", port});
        QCOMPARE(outcome.exitCode, 2);
        const QString printed = outcome.out + outcome.err;
        QVERIFY2(!printed.contains(QChar(0x1b)) && !printed.contains(QChar(7)) &&
                     !printed.contains('\r'),
                 qPrintable(printed));
        QVERIFY2(outcome.err.contains("said \"\\x1B]0;owned\\x07\\x1B[2K FAKE: done 9 frames "
                                      "<h1>Done</h1>\" and closed the connection."),
                 qPrintable(outcome.err));
        const QJsonObject report =
            QJsonDocument::fromJson(outcome.out.toUtf8())["ports"].toArray().at(0).toObject();
        QVERIFY(report["message"].toString().contains("\x1b]0;owned\x07"));
    }

    // ser2net serves one client; the next is told so, which is shown, and
    // the port counts as one that cannot be opened, whatever its kind.
    void serverThatTurnsTheClientAway()
    {
        const auto gateway = startGateway();
        for (const auto accepter :
             {Ser2NetServer::Accepter::Rfc2217, Ser2NetServer::Accepter::RawTcp}) {
            Ser2NetServer server(gateway->portPath(), accepter);
            QVERIFY(server.isListening());
            QTcpSocket first;
            first.connectToHost(QHostAddress::LocalHost,
                                quint16(server.portName().section(':', -1).toUInt()));
            QVERIFY(first.waitForConnected(5000));
            QTest::qWait(200); // ser2net takes the first client before the second
            const Outcome outcome = rs485ctl({"mode", "debug", "--port", server.portName()});
            QCOMPARE(outcome.exitCode, 2);
            QVERIFY2(outcome.out.contains(QRegularExpression(
                         " cannot open .* said \"Port('s device)? already in use\"")),
                     qPrintable(outcome.out));
        }
        QCOMPARE(gateway->framesReceived(), 0);
    }

    // A reader that goes away does not change the exit status.
    void closedOutputKeepsTheExitStatus()
    {
        const auto gateway = startGateway();
        QProcess shell;
        shell.start("bash", {"-c", "\"$0\" \"$@\" | true; exit ${PIPESTATUS[0]}", RS485CTL,
                             "download", projectPath, "--port", gateway->portPath()});
        QVERIFY(QTest::qWaitFor([&] { return shell.state() == QProcess::NotRunning; }, 30000));
        QCOMPARE(shell.exitCode(), 0);
        QVERIFY(gateway->downloadComplete());
    }

    // The gateway program at 115200 baud takes a download in debug mode only;
    // through ser2net, whose RFC 2217 port carries each setting to the
    // gateway's device, the scan finds it at its 9th probe.
    void scanThenCommissionTheGatewayProgramThroughRfc2217()
    {
        const QString link = dir.filePath("gateway");
        QProcess gateway;
        gateway.start(GATEWAY_EMULATOR, {"--link", link, "--baud", "8", "--require-debug-mode"});
        QTRY_VERIFY(gateway.canReadLine());
        Ser2NetServer server(link, Ser2NetServer::Accepter::Rfc2217);
        QVERIFY(server.isListening());
        const Outcome outcome = rs485ctl(
            {"download", "--commission", "--scan", projectPath, "--port", server.portName()},
            90000);
        gateway.terminate();
        QVERIFY(gateway.waitForFinished(5000));
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY2(outcome.out.contains("at 115200 baud, 1 stop bit, None; in debug mode; 3 + 2 + 3 "
                                      "rows downloaded; in working mode"),
                 qPrintable(outcome.out + outcome.err));
        const QString gatewayLog = QString::fromUtf8(gateway.readAllStandardError());
        const qsizetype complete = gatewayLog.indexOf("download complete: 3 + 2 + 3 rows");
        QVERIFY(complete > 0 && gatewayLog.indexOf("mode now working", complete) > complete);
    }

    // Ctrl+C ends a monitor: what arrived is printed in the capture format.
    void interruptEndsTheMonitor()
    {
        PseudoTerminal line;
        QProcess monitor;
        monitor.start(RS485CTL, {"monitor", "--port", line.slavePath()});
        const QRegularExpression captured(
            "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} RX 01 02 FE$",
            QRegularExpression::MultilineOption);
        QByteArray out;
        QElapsedTimer sinceSent;
        // Sent until the monitor is there to read it, as bursts of their own.
        QVERIFY(QTest::qWaitFor(
            [&] {
                if (!sinceSent.isValid() || sinceSent.elapsed() > 300) {
                    line.write(QByteArray::fromHex("0102FE"));
                    sinceSent.start();
                }
                out += monitor.readAllStandardOutput();
                return captured.match(QString::fromLatin1(out)).hasMatch();
            },
            10000));
        ::kill(pid_t(monitor.processId()), SIGINT);
        QVERIFY(monitor.waitForFinished(10000));
        QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(monitor.exitCode(), 130);
        QVERIFY(monitor.readAllStandardError().contains("interrupted"));
    }

    // The engine: noise with a false start, answers in two pieces. With no
    // retries, any answer the framing missed would end the download.
    void engineDownloadLeavesTheTablesHeld()
    {
        GatewayFaults faults;
        faults.noise = QByteArray::fromHex("FF0C550C");
        faults.splitGapMs = 20;
        faults.splitAt = 3;
        const auto gateway = startGateway(faults);
        const TelegramTables sent = SampleTables(7).make(40, 20, 40);
        GatewayJob job(gateway->portPath(), DefaultGatewaySettings, {3000, 0});
        job.addTask<TableDownload>(sent);
        const JobReport report = run(job);
        QVERIFY2(report.result == JobResult::Succeeded, qPrintable(report.message));
        QCOMPARE(report.message, QString("40 + 20 + 40 rows downloaded"));
        QCOMPARE(report.framesAnswered, downloadFrameCount(sent));
        QCOMPARE(report.resends, 0);
        const QStringList differences = tableDifferences(sent, gateway->storedTables());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 5).join('\n')));
    }

    // A port lost mid-download names how far the download got.
    void engineLostPortNamesTheRowReached()
    {
        const auto gateway = startGateway();
        GatewayJob job(gateway->portPath(), DefaultGatewaySettings, {3000, 0});
        job.addTask<TableDownload>(SampleTables(7).make(40, 0, 0));
        connect(gateway.get(), &GatewayEmulator::frameReceived, gateway.get(), [&gateway] {
            if (gateway->framesReceived() == 6)
                gateway->goAway();
        });
        const JobReport report = run(job);
        QCOMPARE(int(report.result), int(JobResult::Failed));
        QVERIFY2(QRegularExpression("^the port was lost after [56] of 41 frames, at 485 to KNX "
                                    "row [56]: ")
                     .match(report.message)
                     .hasMatch(),
                 qPrintable(report.message));
    }

    // The scan's end: a silent line is given up one interval after the 81st
    // probe, at the last combination; an answer to the 81st probe is found.
    // (Parity is invisible on a pty: the gateway hears the probes at no and
    // odd parity too, and drops its first two answers.)
    void engineScanToItsEnd()
    {
        PseudoTerminal silent;
        QElapsedTimer clock;
        GatewayJob nobody(silent.slavePath(), DefaultGatewaySettings, {300, 0});
        nobody.addTask<GatewayScan>(10);
        clock.start();
        JobReport report = run(nobody);
        QCOMPARE(report.message, QString("no answer at any of the 81 combinations"));
        QVERIFY(clock.elapsed() >= 810);
        QCOMPARE(silent.readAvailable().size(), 81 * 15);
        QCOMPARE(
            QList<int>({report.line.baudIndex, report.line.stopBitIndex, report.line.parityIndex}),
            QList<int>({8, 2, 2}));

        GatewayFaults faults;
        faults.dropped = {{1, 2}};
        const auto gateway = startGateway(faults, {8, 2, 2});
        GatewayJob last(gateway->portPath(), DefaultGatewaySettings, {300, 0});
        last.addTask<GatewayScan>(100);
        report = run(last);
        QVERIFY2(report.result == JobResult::Succeeded, qPrintable(report.message));
        QCOMPARE(report.message, QString("at 115200 baud, 2 stop bits, EVEN"));
        QCOMPARE(gateway->framesReceived(CMD_READ_SERIAL_PARAMETERS), 3);
    }

    // The scan finds a gateway at 4800 baud on its second probe. The answer
    // to the new settings is lost, but the gateway has switched: the command
    // is sent again unheard, and a probe at the new settings finds it.
    void engineScanThenFollowTheGatewayToNewSettings()
    {
        GatewayFaults faults;
        faults.dropped = {{2, 2}};
        const auto gateway = startGateway(faults, {1, 0, 0});
        GatewayJob job(gateway->portPath(), DefaultGatewaySettings, {300, 1});
        job.addTask<GatewayScan>();
        job.addTask<SerialChange>(SerialSettings{7, 2, 1});
        const JobReport report = run(job);
        QVERIFY2(report.result == JobResult::Succeeded, qPrintable(report.message));
        QCOMPARE(report.message,
                 QString("at 4800 baud, 1 stop bit, None; now at 57600 baud, 2 stop bits, ODD "
                         "(its answer to the command was lost)"));
        QCOMPARE(report.resends, 1);
        QCOMPARE(report.framesAnswered, 2);
        const SerialSettings held = gateway->serialSettings();
        QCOMPARE(QList<int>({held.baudIndex, held.stopBitIndex, held.parityIndex}),
                 QList<int>({7, 2, 1}));
        QCOMPARE(report.line.baudIndex, 7);
        QCOMPARE(gateway->framesReceived(CMD_READ_SERIAL_PARAMETERS), 2);
    }

    // The gateway program as ./run.sh and a user start it: it names its link
    // and settings, takes a download in debug mode only (the table-size frame
    // is refused before the mode command and taken after), and removes the
    // link on SIGTERM.
    void gatewayProgram()
    {
        const QString link = dir.filePath("gateway-program");
        QProcess gateway;
        gateway.start(GATEWAY_EMULATOR, {"--link", link, "--baud", "8", "--stop-bits", "2",
                                         "--parity", "1", "--require-debug-mode"});
        QTRY_VERIFY(gateway.canReadLine());
        QCOMPARE(gateway.readLine(),
                 "Gateway at " + link.toLocal8Bit() + " (115200 baud, 2 stop bits, ODD)\n");
        {
            QSerialPort tool(link);
            QVERIFY(tool.open(QIODevice::ReadWrite) && tool.setBaudRate(115200) &&
                    tool.setStopBits(QSerialPort::TwoStop));
            const QByteArray sizes = tableSizesFrame(0, 0, 0);
            tool.write(sizes + buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(DebugMode)) +
                       sizes);
            QByteArray answers;
            QTRY_VERIFY((answers += tool.readAll()).size() >= 2 * CommandAnswerLength);
            QCOMPARE(answers.at(3), char(CMD_SET_OPERATING_MODE));
            QCOMPARE(answers.at(CommandAnswerLength + 3), char(CMD_TABLE_SIZES));
        }
        gateway.terminate();
        QVERIFY(gateway.waitForFinished(5000));
        QCOMPARE(std::pair(gateway.exitStatus(), gateway.exitCode()),
                 std::pair(QProcess::NormalExit, 0));
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestCtlProgram)
#include "tst_ctlprogram.moc"
