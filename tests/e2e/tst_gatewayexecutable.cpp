#include "downloadframes.h"
#include "toolport.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The gateway-emulator program, as ./run.sh and a user start it: it publishes
// its link, answers through it at the settings given, takes a download in
// debug mode only, and removes the link on SIGTERM.
class TestGatewayExecutable : public QObject
{
    Q_OBJECT

private slots:
    void runsAsAProgram()
    {
        QTemporaryDir directory;
        const QString link = directory.filePath(QStringLiteral("gateway"));
        QProcess emulator;
        emulator.start(GATEWAY_EMULATOR, {"--link", link, "--baud", "8", "--stop-bits", "2",
                                          "--parity", "1", "--require-debug-mode"});
        QTRY_VERIFY(emulator.canReadLine());
        QVERIFY(emulator.readLine().startsWith("Gateway at " + link.toLocal8Bit()));
        {
            ToolPort tool(link);
            QVERIFY(tool.open(115200, true));
            QVERIFY(tool.send(buildFrame(CMD_READ_SERIAL_PARAMETERS, scanProbePayload())));
            QTRY_COMPARE(tool.received.toHex(' '), QByteArray("0c 55 06 00 08 02 01 00 72 0d"));

            // Frames are taken in order: the table-size frame is refused
            // before the mode command and taken after it.
            tool.received.clear();
            QVERIFY(tool.send(tableSizesFrame(0, 0, 0)));
            QVERIFY(tool.send(buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(DebugMode))));
            QVERIFY(tool.send(tableSizesFrame(0, 0, 0)));
            QTRY_COMPARE(tool.received.size(), 2 * CommandAnswerLength);
            QCOMPARE(tool.received.at(3), char(CMD_SET_OPERATING_MODE));
            QCOMPARE(tool.received.at(CommandAnswerLength + 3), char(CMD_TABLE_SIZES));
        }
        emulator.terminate();
        QVERIFY(emulator.waitForFinished(5000));
        QCOMPARE(emulator.exitStatus(), QProcess::NormalExit);
        QCOMPARE(emulator.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestGatewayExecutable)
#include "tst_gatewayexecutable.moc"
