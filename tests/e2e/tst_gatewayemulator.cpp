#include "downloadframes.h"
#include "frame.h"
#include "gatewayemulator.h"
#include "itemtexts.h"
#include "toolport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const QByteArray Probe = buildFrame(CMD_READ_SERIAL_PARAMETERS, scanProbePayload());

QSerialPort::StopBits stopBitsOf(int stopBitIndex)
{
    return stopBitIndex == TwoStopIndex ? QSerialPort::TwoStop : QSerialPort::OneStop;
}

qint32 rateOf(int baudIndex)
{
    return baudRateTexts().at(baudIndex).toInt();
}

const Tele485ToKnxW Row485{"", "01 02 03", "", "write", "1/2/3", "1 byte", "200"};
const Tele1Byte Row1Byte{"", "01", "", "02", "", "1/2/4", "1 byte", "0", "255", "5"};
const TeleKnxTo485W RowKnx{"", "read", "9600", "1/2/5", "1 bit", "", "0A"};
} // namespace

// The virtual gateway over a real pty, with a QSerialPort as the tool.
class TestGatewayEmulator : public QObject
{
    Q_OBJECT

private slots:
    void answersScanProbeWithItsIndexes_data()
    {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("stop");
        QTest::addColumn<int>("parity");
        QTest::addRow("9600 1 None") << 2 << 0 << 0;
        QTest::addRow("115200 2 ODD") << 8 << 2 << 1;
        QTest::addRow("2400 1.5 EVEN, on a 1-stop-bit line") << 0 << 1 << 2;
        QTest::addRow("56000 1 EVEN") << 6 << 0 << 2;
    }

    void answersScanProbeWithItsIndexes()
    {
        QFETCH(int, baud);
        QFETCH(int, stop);
        QFETCH(int, parity);
        GatewayEmulator gateway({baud, stop, parity});
        QVERIFY2(gateway.isOpen(), qPrintable(gateway.errorString()));
        QSignalSpy received(&gateway, &GatewayEmulator::frameReceived);
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open(rateOf(baud), stopBitsOf(stop)));

        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(tool.received.size(), ScanAnswerLength);
        QVERIFY(isAnswerFrame(tool.received));
        QCOMPARE(quint8(tool.received.at(4)), quint8(baud));
        QCOMPARE(quint8(tool.received.at(5)), quint8(stop));
        QCOMPARE(quint8(tool.received.at(6)), quint8(parity));
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.first().at(0).value<quint8>(), quint8(CMD_READ_SERIAL_PARAMETERS));
        QCOMPARE(gateway.framesReceived(CMD_READ_SERIAL_PARAMETERS), 1);
    }

    void answerLayout()
    {
        GatewayEmulator gateway;
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open());
        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(tool.received.toHex(' '), hex("0C55060002000000690D").toHex(' '));
    }

    void ignoresFramesAtOtherLineSettings_data()
    {
        QTest::addColumn<int>("gatewayBaud");
        QTest::addColumn<int>("gatewayStop");
        QTest::addColumn<int>("toolRate");
        QTest::addColumn<bool>("toolTwoStop");
        QTest::addRow("2400 against 9600") << 2 << 0 << 2400 << false;
        QTest::addRow("115200 against 9600") << 2 << 0 << 115200 << false;
        QTest::addRow("2 stop bits against 1") << 2 << 0 << 9600 << true;
        QTest::addRow("1 stop bit against 2") << 2 << 2 << 9600 << false;
        QTest::addRow("2 stop bits against 1.5") << 2 << 1 << 9600 << true;
        QTest::addRow("56000 against 57600") << 7 << 0 << 56000 << false;
    }

    void ignoresFramesAtOtherLineSettings()
    {
        QFETCH(int, gatewayBaud);
        QFETCH(int, gatewayStop);
        QFETCH(int, toolRate);
        QFETCH(bool, toolTwoStop);
        GatewayEmulator gateway({gatewayBaud, gatewayStop, 0});
        QSignalSpy ignored(&gateway, &GatewayEmulator::framesIgnored);
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open(toolRate, toolTwoStop ? QSerialPort::TwoStop : QSerialPort::OneStop));

        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(ignored.size(), 1);
        QCOMPARE(ignored.first().at(0).toInt(), Probe.size());
        QCOMPARE(ignored.first().at(1).value<quint32>(), quint32(toolRate));
        QCOMPARE(ignored.first().at(2).toBool(), toolTwoStop);
        QCOMPARE(gateway.framesReceived(), 0);

        // At the gateway's own settings the same probe is answered, and only it.
        QVERIFY(tool.setLine(rateOf(gatewayBaud), stopBitsOf(gatewayStop)));
        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(gateway.framesReceived(), 1);
        QTRY_COMPARE(tool.received.size(), ScanAnswerLength);
        QCOMPARE(ignored.size(), 1);
    }

    void modeCommandSwitchesMode()
    {
        GatewayEmulator gateway;
        QCOMPARE(gateway.operatingMode(), WorkingMode);
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open());

        for (OperatingMode mode : {DebugMode, WorkingMode, DebugMode}) {
            tool.received.clear();
            QVERIFY(tool.send(buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(mode))));
            QTRY_COMPARE(tool.received.size(), CommandAnswerLength);
            QVERIFY(isAnswerFrame(tool.received));
            QCOMPARE(quint8(tool.received.at(3)), quint8(CMD_SET_OPERATING_MODE));
            QCOMPARE(quint8(tool.received.at(4)), quint8(mode));
            QCOMPARE(gateway.operatingMode(), mode);
        }
        QCOMPARE(gateway.framesReceived(CMD_SET_OPERATING_MODE), 3);
    }

    void serialParametersAnsweredAtOldSettingsThenAdopted_data()
    {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("stop");
        QTest::addColumn<int>("parity");
        QTest::addRow("115200 1 None") << 8 << 0 << 0;
        QTest::addRow("19200 2 EVEN") << 4 << 2 << 2;
    }

    void serialParametersAnsweredAtOldSettingsThenAdopted()
    {
        QFETCH(int, baud);
        QFETCH(int, stop);
        QFETCH(int, parity);
        GatewayEmulator gateway;
        QSignalSpy ignored(&gateway, &GatewayEmulator::framesIgnored);
        int baudIndexWhenAnswered = -1;
        connect(&gateway, &GatewayEmulator::answerSent, this,
                [&] { baudIndexWhenAnswered = gateway.serialSettings().baudIndex; });
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open());

        QVERIFY(tool.send(
            buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(baud, stop, parity))));
        QTRY_COMPARE(tool.received.size(), CommandAnswerLength);
        QVERIFY(isAnswerFrame(tool.received));
        QCOMPARE(baudIndexWhenAnswered, DefaultGatewaySettings.baudIndex);
        QCOMPARE(gateway.serialSettings().baudIndex, baud);
        QCOMPARE(gateway.serialSettings().stopBitIndex, stop);
        QCOMPARE(gateway.serialSettings().parityIndex, parity);

        tool.received.clear();
        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(ignored.size(), 1);

        QVERIFY(tool.setLine(rateOf(baud), stopBitsOf(stop)));
        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(tool.received.size(), ScanAnswerLength);
        QCOMPARE(tool.received.mid(4, 3), serialParametersPayload(baud, stop, parity));
    }

    void downloadFramesAnsweredAndKept()
    {
        GatewayEmulator gateway;
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open());
        struct Step
        {
            QByteArray frame;
            int answerLength;
        };
        const QList<Step> download = {
            {tableSizesFrame(2, 1, 1), CommandAnswerLength},
            {row485ToKnxWFrame(0, Row485), RowAnswerLength},
            {row485ToKnxWFrame(1, Row485), RowAnswerLength},
            {row1ByteFrame(0, Row1Byte), RowAnswerLength},
            {rowKnxTo485WFrame(0, RowKnx), RowAnswerLength},
        };
        for (const Step &step : download) {
            tool.received.clear();
            QVERIFY(tool.send(step.frame));
            QTRY_COMPARE(tool.received.size(), step.answerLength);
            QVERIFY(isAnswerFrame(tool.received));
            QCOMPARE(tool.received.at(3), step.frame.at(3));
            if (step.answerLength == RowAnswerLength)
                QCOMPARE(tool.received.mid(4, 3), step.frame.mid(4, 2) + '\0');
        }
        QVERIFY(gateway.downloadComplete());
        const DownloadTables held = gateway.storedTables();
        QCOMPARE(held.rows485ToKnxW.size(), 2);
        QCOMPARE(held.rows485ToKnxW.at(1).addr, Row485.addr);
        QCOMPARE(held.rows1Byte.size(), 1);
        QCOMPARE(held.rows1Byte.at(0).addr, Row1Byte.addr);
        QCOMPARE(held.rowsKnxTo485W.size(), 1);
        QCOMPARE(held.rowsKnxTo485W.at(0).addr, RowKnx.addr);
        QCOMPARE(gateway.framesReceived(CMD_ROW_485_TO_KNX_W), 2);
        QCOMPARE(gateway.framesReceived(CMD_ROW_1BYTE), 1);
        QCOMPARE(gateway.framesReceived(CMD_ROW_KNX_TO_485_W), 1);
        QCOMPARE(gateway.framesReceived(CMD_TABLE_SIZES), 1);

        // A new download starts over.
        QVERIFY(tool.send(download.first().frame));
        QTRY_COMPARE(gateway.framesReceived(CMD_TABLE_SIZES), 2);
        QVERIFY(!gateway.downloadComplete());
        QCOMPARE(gateway.storedTables().rows485ToKnxW.first().addr, QString());
    }

    void refusesFramesThatDoNotFitTheirCommand_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("unknown command") << buildFrame(0x07, {});
        QTest::newRow("probe payload") << buildFrame(CMD_READ_SERIAL_PARAMETERS, "getParaM");
        QTest::newRow("mode byte 03") << buildFrame(CMD_SET_OPERATING_MODE, "workmode\x03");
        QTest::newRow("mode keyword") << buildFrame(CMD_SET_OPERATING_MODE, "workMode\x01");
        QTest::newRow("baud index 9")
            << buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(9, 0, 0));
        QTest::newRow("parity index 3")
            << buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(2, 0, 3));
        QTest::newRow("short row")
            << buildFrame(CMD_ROW_485_TO_KNX_W, row485ToKnxWFrame(0, Row485).mid(4, 107));
        QTest::newRow("long table sizes") << buildFrame(CMD_TABLE_SIZES, QByteArray(7, 0));
    }

    void refusesFramesThatDoNotFitTheirCommand()
    {
        QFETCH(QByteArray, frame);
        GatewayEmulator gateway;
        QSignalSpy withheld(&gateway, &GatewayEmulator::answerWithheld);
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open());

        QVERIFY(tool.send(frame));
        QTRY_COMPARE(withheld.size(), 1);
        QVERIFY(withheld.first().at(1).toString().startsWith(QLatin1String("refused")));
        QCOMPARE(gateway.operatingMode(), WorkingMode);
        QCOMPARE(gateway.serialSettings().baudIndex, DefaultGatewaySettings.baudIndex);
        QCOMPARE(gateway.serialSettings().parityIndex, DefaultGatewaySettings.parityIndex);
        QCOMPARE(gateway.announcedTableSizes().rows485ToKnxW, 0);

        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(gateway.framesReceived(), 2);
        QTRY_COMPARE(tool.received.size(), ScanAnswerLength);
    }

    void findsFrameAfterNoiseAndBrokenFrames_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("noise") << hex("FF001355");
        QTest::newRow("frame with a bad checksum") << hex("550C0B00676574506172616D039E0D");
        QTest::newRow("header promising 215 bytes") << hex("550CD304");
    }

    void findsFrameAfterNoiseAndBrokenFrames()
    {
        QFETCH(QByteArray, before);
        GatewayEmulator gateway;
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open());
        QVERIFY(tool.send(before + Probe));
        QTRY_COMPARE(tool.received.size(), ScanAnswerLength);
        QCOMPARE(gateway.framesReceived(), 1);
    }

    void countsEveryByteTheToolWrote()
    {
        GatewayEmulator gateway;
        QSignalSpy ignored(&gateway, &GatewayEmulator::framesIgnored);
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open(2400));
        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(ignored.size(), 1);
        QVERIFY(tool.setLine(9600, QSerialPort::OneStop));
        const QByteArray rest = hex("FF00") + Probe + hex("550C0B") + Probe;
        QVERIFY(tool.send(rest));
        QTRY_COMPARE(gateway.framesReceived(), 2);
        QCOMPARE(gateway.bytesReceived(), Probe.size() + rest.size());
    }

    void logsOneLinePerFrame()
    {
        QString text;
        QTextStream log(&text);
        GatewayEmulator gateway;
        gateway.setLog(&log);
        QSignalSpy ignored(&gateway, &GatewayEmulator::framesIgnored);
        ToolPort tool(gateway.portPath());
        QVERIFY(tool.open(2400));
        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(ignored.size(), 1);
        QVERIFY(tool.setLine(9600, QSerialPort::OneStop));
        QVERIFY(tool.send(Probe));
        QTRY_COMPARE(tool.received.size(), ScanAnswerLength);

        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.at(0).endsWith(
                     "ignored 15 bytes at 2400 baud, 1 stop bit (own 9600 baud, 1 stop bit)"),
                 qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).endsWith("rx #1 scan probe: 55 0C 0B 00 67 65 74 50 61 72 61 6D 03 "
                                      "9D 0D"),
                 qPrintable(lines.at(1)));
        QVERIFY2(lines.at(2).endsWith("tx answer to #1: 0C 55 06 00 02 00 00 00 69 0D"),
                 qPrintable(lines.at(2)));
    }

    void goAwayMakesThePortFail()
    {
        QTemporaryDir directory;
        const QString link = directory.filePath(QStringLiteral("gateway"));
        GatewayEmulator gateway;
        QVERIFY2(gateway.publish(link), qPrintable(gateway.errorString()));
        ToolPort tool(link);
        QVERIFY(tool.open());
        QSignalSpy errors(&tool.port, &QSerialPort::errorOccurred);

        gateway.goAway();
        QTRY_VERIFY(!errors.isEmpty());
        const auto error = errors.first().first().value<QSerialPort::SerialPortError>();
        QVERIFY(error == QSerialPort::ReadError || error == QSerialPort::ResourceError);
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(!gateway.isOpen());
    }

    void publishedLinkLeadsToTheGateway()
    {
        QTemporaryDir directory;
        const QString link = directory.filePath(QStringLiteral("gateway"));
        QVERIFY(QFile::link(QStringLiteral("/nonexistent/stale"), link));
        {
            GatewayEmulator gateway;
            QVERIFY2(gateway.publish(link), qPrintable(gateway.errorString()));
            QCOMPARE(QFileInfo(link).symLinkTarget(), gateway.portPath());
            ToolPort tool(link);
            QVERIFY(tool.open());
            QVERIFY(tool.send(Probe));
            QTRY_COMPARE(tool.received.size(), ScanAnswerLength);
        }
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void publishLeavesAnOrdinaryFileAlone()
    {
        QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("notes"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        GatewayEmulator gateway;
        QVERIFY(!gateway.publish(path));
        QVERIFY(!gateway.errorString().isEmpty());
        QVERIFY(QFileInfo(path).isFile());
        QVERIFY(!QFileInfo(path).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestGatewayEmulator)
#include "tst_gatewayemulator.moc"
