#include "gatewayemulator.h"
#include "sampletables.h"
#include "tablecomparison.h"
#include "toolport.h"

#include <QSignalSpy>
#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const QByteArray Probe = hex("550C0B00676574506172616D039D0D");
const QByteArray ProbeAnswer = hex("0C55060002000000690D");
} // namespace

// The virtual gateway over a real pty, with a QSerialPort as the tool: its
// answers, the line settings it hears, the tables it keeps, and its faults.
class TestGatewayEmulator : public QObject
{
    Q_OBJECT

    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<ToolPort> tool;

    // Sends a frame and waits for an answer of the given length.
    bool exchange(const QByteArray &frame, int answerLength)
    {
        tool->received.clear();
        QSignalSpy arrived(&tool->port, &QSerialPort::readyRead);
        bool going = tool->send(frame);
        while (going && tool->received.size() < answerLength)
            going = arrived.wait(2000);
        return going && tool->received.size() == answerLength && isAnswerFrame(tool->received);
    }

private slots:
    void init()
    {
        tool.reset();
        gateway = std::make_unique<GatewayEmulator>();
        tool = std::make_unique<ToolPort>(gateway->portPath());
        QVERIFY(tool->open());
    }

    // Bytes at another speed or stop bits are garbage to the gateway; either
    // way it counts them.
    void answersTheScanProbeOnlyAtItsLineSettings_data()
    {
        QTest::addColumn<SerialSettings>("own");
        QTest::addColumn<qint32>("rate");
        QTest::addColumn<bool>("twoStopBits");
        QTest::addColumn<QByteArray>("answer"); // nothing when ignored
        const QByteArray none;
        QTest::newRow("115200 2 ODD")
            << SerialSettings{8, 2, 1} << 115200 << true << hex("0C55060008020100720D");
        QTest::newRow("2400 1.5 EVEN, on a 1-stop-bit line")
            << SerialSettings{0, 1, 2} << 2400 << false << hex("0C550600000102006A0D");
        QTest::newRow("2400 against 9600") << SerialSettings{2, 0, 0} << 2400 << false << none;
        QTest::newRow("2 stop bits against 1") << SerialSettings{2, 0, 0} << 9600 << true << none;
        QTest::newRow("1 stop bit against 2") << SerialSettings{2, 2, 0} << 9600 << false << none;
    }

    void answersTheScanProbeOnlyAtItsLineSettings()
    {
        QFETCH(SerialSettings, own);
        QFETCH(qint32, rate);
        QFETCH(bool, twoStopBits);
        QFETCH(QByteArray, answer);
        gateway->setSerialSettings(own);
        QSignalSpy ignored(gateway.get(), &GatewayEmulator::framesIgnored);
        QVERIFY(tool->setLine(rate, twoStopBits));
        const QByteArray bytes = hex("FF00") + Probe;
        QVERIFY(tool->send(bytes));
        if (answer.isEmpty())
            QTRY_COMPARE(ignored.size(), 1);
        else
            QTRY_COMPARE(tool->received.toHex(' '), answer.toHex(' '));
        QCOMPARE(gateway->framesReceived(), answer.isEmpty() ? 0 : 1);
        QCOMPARE(gateway->bytesReceived(), bytes.size());
    }

    void modeCommandSwitchesMode()
    {
        for (OperatingMode mode : {DebugMode, WorkingMode}) {
            QVERIFY(exchange(buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(mode)),
                             CommandAnswerLength));
            QCOMPARE(gateway->operatingMode(), mode);
        }
    }

    void serialParametersAnsweredAtOldSettingsThenAdopted()
    {
        QSignalSpy ignored(gateway.get(), &GatewayEmulator::framesIgnored);
        int baudIndexWhenAnswered = -1;
        QObject context;
        connect(gateway.get(), &GatewayEmulator::answerSent, &context,
                [&] { baudIndexWhenAnswered = gateway->serialSettings().baudIndex; });
        QVERIFY(exchange(buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(4, 2, 2)),
                         CommandAnswerLength));
        QCOMPARE(baudIndexWhenAnswered, DefaultGatewaySettings.baudIndex);

        QVERIFY(tool->send(Probe));
        QTRY_COMPARE(ignored.size(), 1);
        QVERIFY(tool->setLine(19200, true));
        QVERIFY(exchange(Probe, ScanAnswerLength));
        QCOMPARE(tool->received.mid(4, 3), hex("040202"));
    }

    void holdsADownloadExactlyUntilNewTableSizes()
    {
        const DownloadTables sent = SampleTables(20).make(
            Tele485ToKnxW::mostRows, Tele1Byte::mostRows, TeleKnxTo485W::mostRows);
        BurnFlag flag = BurnFlag::start(sent);
        while (const auto next = takeNextDownloadFrame(flag, sent))
            QVERIFY(exchange(next->frame, next->frame.at(3) == CMD_TABLE_SIZES ? CommandAnswerLength
                                                                               : RowAnswerLength));
        QVERIFY(gateway->downloadComplete());
        const QStringList differences = tableDifferences(sent, gateway->storedTables());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 5).join('\n')));
        // The comparison does see a changed cell or a missing row.
        const Tele1Byte held = gateway->storedTables().rows1Byte[9];
        DownloadTables changed = sent;
        changed.rows1Byte[9].telegram_n = changed.rows1Byte[9].max = "00";
        changed.rowsKnxTo485W.removeLast();
        QCOMPARE(tableDifferences(changed, gateway->storedTables()),
                 QStringList({QString("1-byte row 9, max: \"00\" sent, \"%1\" held").arg(held.max),
                              QString("1-byte row 9, telegram(-): \"00\" sent, \"%1\" held")
                                  .arg(held.telegram_n),
                              "KNX-to-485 table: 511 rows sent, 512 held"}));

        QVERIFY(exchange(tableSizesFrame(1, 0, 2), CommandAnswerLength));
        QVERIFY(!gateway->downloadComplete());
        const DownloadTables emptyRows{{Tele485ToKnxW()}, {}, QList<TeleKnxTo485W>(2)};
        QVERIFY(tableDifferences(emptyRows, gateway->storedTables()).isEmpty());
    }

    void goAwayMakesThePortFail()
    {
        QSignalSpy errors(&tool->port, &QSerialPort::errorOccurred);
        gateway->goAway();
        QTRY_VERIFY(!errors.isEmpty());
        const auto error = errors.first().first().value<QSerialPort::SerialPortError>();
        QVERIFY(error == QSerialPort::ReadError || error == QSerialPort::ResourceError);
    }

    void silenceAnswersNothingYetActs()
    {
        GatewayFaults faults;
        faults.silent = true;
        gateway->setFaults(faults);
        QVERIFY(tool->send(buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(DebugMode))));
        QTRY_COMPARE(gateway->operatingMode(), DebugMode);
        // No answer to the mode command comes before the probe's.
        gateway->setFaults({});
        QVERIFY(tool->send(Probe));
        QTRY_COMPARE(tool->received, ProbeAnswer);
    }

    void dropsTheAnswersToARangeOfFrames()
    {
        GatewayFaults faults;
        QVERIFY(parseFrameRanges(QStringLiteral("2-3,5"), &faults.dropped));
        gateway->setFaults(faults);
        QString answered; // one mark per frame
        QObject context;
        connect(gateway.get(), &GatewayEmulator::answerSent, &context, [&] { answered += 'y'; });
        connect(gateway.get(), &GatewayEmulator::answerWithheld, &context,
                [&] { answered += '-'; });
        QVERIFY(tool->send(Probe.repeated(6)));
        QTRY_COMPARE(answered, QStringLiteral("y--y-y"));
        QTRY_COMPARE(tool->received, ProbeAnswer.repeated(3));
    }

    void delayedAnswerComesInTwoPiecesWithTheGap()
    {
        GatewayFaults faults;
        faults.delayMs = 300;
        faults.splitGapMs = 250;
        faults.splitAt = 4;
        gateway->setFaults(faults);
        const qint64 sentAt = tool->clock.elapsed();
        QVERIFY(tool->send(Probe));
        QTRY_COMPARE(tool->chunks, (QByteArrayList{ProbeAnswer.left(4), ProbeAnswer.mid(4)}));
        const qint64 delay = tool->arrivalsMs.at(0) - sentAt;
        const qint64 gap = tool->arrivalsMs.at(1) - tool->arrivalsMs.at(0);
        QVERIFY2(delay >= 300 && delay < 2300 && gap >= 250 && gap < 2250,
                 qPrintable(QStringLiteral("%1 ms late, %2 ms gap").arg(delay).arg(gap)));
    }

    void noiseAndWrongFraming_data()
    {
        QTest::addColumn<QString>("framing");
        QTest::addColumn<QByteArray>("onLine");
        QTest::newRow("end") << "end" << hex("FF00AA0C55060002000000690A");
        QTest::newRow("start") << "start" << hex("FF00AA550C060002000000690D");
        QTest::newRow("short") << "short" << hex("FF00AA0C550600020000000D");
        QTest::newRow("long") << "long" << hex("FF00AA0C5506000200000069000D");
    }

    void noiseAndWrongFraming()
    {
        QFETCH(QString, framing);
        QFETCH(QByteArray, onLine);
        GatewayFaults faults;
        faults.noise = hex("FF00AA");
        QVERIFY(parseWrongFraming(framing, &faults.framing));
        gateway->setFaults(faults);
        QVERIFY(tool->send(Probe));
        QTRY_COMPARE(tool->received.toHex(' '), onLine.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestGatewayEmulator)
#include "tst_gatewayemulator.moc"
