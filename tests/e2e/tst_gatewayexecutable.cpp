#include "downloadframes.h"
#include "frame.h"
#include "toolport.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Emulator = QStringLiteral(GATEWAY_EMULATOR);
const QByteArray Probe = buildFrame(CMD_READ_SERIAL_PARAMETERS, scanProbePayload());
} // namespace

// The gateway-emulator program, as ./run.sh and a user start it.
class TestGatewayExecutable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QProcess help;
        help.start(Emulator, {QStringLiteral("--help")});
        QVERIFY(help.waitForFinished(10000));
        QCOMPARE(help.exitCode(), 0);
        helpText = QString::fromLocal8Bit(help.readAllStandardOutput());
    }

    void helpListsEveryOption_data()
    {
        QTest::addColumn<QString>("option");
        for (const char *option :
             {"--link", "--baud", "--stop-bits", "--parity", "--require-debug-mode", "--silent",
              "--drop", "--delay", "--split-gap", "--split-at", "--noise", "--wrong-framing"})
            QTest::newRow(option) << QString::fromLatin1(option);
    }

    void helpListsEveryOption()
    {
        QFETCH(QString, option);
        QVERIFY2(helpText.contains(option + QLatin1Char(' ')), qPrintable(helpText));
    }

    void publishesTheLinkAndAnswersThroughIt_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("settingsText");
        QTest::addColumn<qint32>("baudRate");
        QTest::addColumn<bool>("twoStopBits");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("defaults") << QStringList() << "9600 baud, 1 stop bit, None" << 9600 << false
                                  << QByteArray::fromHex("0C55060002000000690D");
        QTest::newRow("115200 2 ODD")
            << QStringList{"--baud", "8", "--stop-bits", "2", "--parity", "1"}
            << "115200 baud, 2 stop bits, ODD" << 115200 << true
            << QByteArray::fromHex("0C55060008020100720D");
        QTest::newRow("noise and a wrong end byte")
            << QStringList{"--noise", "A5", "--wrong-framing", "end"}
            << "9600 baud, 1 stop bit, None" << 9600 << false
            << QByteArray::fromHex("A50C55060002000000690A");
    }

    void publishesTheLinkAndAnswersThroughIt()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, settingsText);
        QFETCH(qint32, baudRate);
        QFETCH(bool, twoStopBits);
        QFETCH(QByteArray, answer);
        QTemporaryDir directory;
        const QString link = directory.filePath(QStringLiteral("gateway"));
        QProcess emulator;
        emulator.start(Emulator, QStringList{QStringLiteral("--link"), link} + arguments);
        QVERIFY(emulator.waitForStarted());
        QTRY_VERIFY(emulator.canReadLine());
        QCOMPARE(QString::fromLocal8Bit(emulator.readLine()),
                 QStringLiteral("Gateway at %1 (%2)\n").arg(link, settingsText));
        QVERIFY(QFileInfo(link).isSymLink());

        {
            ToolPort tool(link);
            QVERIFY(tool.open(baudRate, twoStopBits ? QSerialPort::TwoStop : QSerialPort::OneStop));
            QVERIFY(tool.send(Probe));
            QTRY_COMPARE(tool.received.toHex(' '), answer.toHex(' '));
        }

        emulator.terminate();
        QVERIFY(emulator.waitForFinished(5000));
        QCOMPARE(emulator.exitStatus(), QProcess::NormalExit);
        QCOMPARE(emulator.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
        const QString log = QString::fromLocal8Bit(emulator.readAllStandardError());
        QVERIFY2(log.contains(QLatin1String("rx #1 scan probe: 55 0C 0B")), qPrintable(log));
        QVERIFY2(log.contains(QLatin1String("tx answer to #1: ")), qPrintable(log));
    }

    // Frames are taken in order: the refused table-size frame leaves no answer
    // before the answer to the mode command.
    void requireDebugModeRefusesADownloadInWorkingMode()
    {
        QTemporaryDir directory;
        const QString link = directory.filePath(QStringLiteral("gateway"));
        QProcess emulator;
        emulator.start(Emulator,
                       {QStringLiteral("--link"), link, QStringLiteral("--require-debug-mode")});
        QVERIFY(emulator.waitForStarted());
        QTRY_VERIFY(emulator.canReadLine());
        {
            ToolPort tool(link);
            QVERIFY(tool.open());
            QVERIFY(tool.send(tableSizesFrame(0, 0, 0)));
            QVERIFY(tool.send(buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(DebugMode))));
            QTRY_COMPARE(tool.received.size(), CommandAnswerLength);
            QCOMPARE(quint8(tool.received.at(3)), quint8(CMD_SET_OPERATING_MODE));
            QVERIFY(tool.send(tableSizesFrame(0, 0, 0)));
            QTRY_COMPARE(tool.received.size(), 2 * CommandAnswerLength);
            QCOMPARE(quint8(tool.received.at(CommandAnswerLength + 3)), quint8(CMD_TABLE_SIZES));
        }
        emulator.terminate();
        QVERIFY(emulator.waitForFinished(5000));
        const QString log = QString::fromLocal8Bit(emulator.readAllStandardError());
        QVERIFY2(log.contains(QLatin1String(
                     "no answer to #1: refused, downloads are taken in debug mode only")),
                 qPrintable(log));
        QVERIFY2(log.contains(QLatin1String("download complete: 0 + 0 + 0 rows")), qPrintable(log));
    }

    void refusesAnInvalidOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("baud index 9") << QStringList{"--baud", "9"};
        QTest::newRow("drop 0") << QStringList{"--drop", "0"};
        QTest::newRow("odd noise digits") << QStringList{"--noise", "FFF"};
        QTest::newRow("unknown framing") << QStringList{"--wrong-framing", "middle"};
    }

    void refusesAnInvalidOption()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir directory;
        const QString link = directory.filePath(QStringLiteral("gateway"));
        QProcess emulator;
        emulator.start(Emulator, QStringList{QStringLiteral("--link"), link} + arguments);
        QVERIFY(emulator.waitForFinished(10000));
        QCOMPARE(emulator.exitCode(), 2);
        QVERIFY(emulator.readAllStandardOutput().isEmpty());
        QVERIFY(emulator.readAllStandardError().contains(arguments.first().toLatin1()));
        QVERIFY(!QFileInfo(link).exists());
    }

private:
    QString helpText;
};

QTEST_GUILESS_MAIN(TestGatewayExecutable)
#include "tst_gatewayexecutable.moc"
