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

QByteArray modeFrame(OperatingMode mode)
{
    return buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(mode));
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

    // Sends a frame: true when one answer to its command comes, of the length given.
    bool exchange(const QByteArray &frame, int answerLength)
    {
        tool->received.clear();
        QSignalSpy arrived(&tool->port, &QSerialPort::readyRead);
        bool going = tool->send(frame);
        while (going && tool->received.size() < answerLength)
            going = arrived.wait(2000);
        return going && tool->received.size() == answerLength && isAnswerFrame(tool->received) &&
               tool->received.at(3) == frame.at(3);
    }

private slots:
    void init()
    {
        tool.reset();
        gateway = std::make_unique<GatewayEmulator>();
        tool = std::make_unique<ToolPort>(gateway->portPath());
        QVERIFY(tool->open());
    }

    // Serial parameters are answered at the old settings, then only the new
    // ones are heard: bytes at another speed or stop bits are garbage to the
    // gateway, counted all the same. A mode command takes effect. A gateway
    // going away makes the port fail. (115200 2 ODD: tst_gatewayexecutable.)
    void commandsTakeEffectUntilGoingAway()
    {
        int baudIndexWhenAnswered = -1;
        QObject context;
        connect(gateway.get(), &GatewayEmulator::answerSent, &context,
                [&] { baudIndexWhenAnswered = gateway->serialSettings().baudIndex; });
        // 2400, 1.5 stop bits (one on a pty), EVEN
        const QByteArray serial =
            buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(0, 1, 2));
        QVERIFY(exchange(serial, CommandAnswerLength));
        QCOMPARE(baudIndexWhenAnswered, DefaultGatewaySettings.baudIndex);

        QSignalSpy ignored(gateway.get(), &GatewayEmulator::framesIgnored);
        const QByteArray probe = hex("FF00") + Probe;
        QVERIFY(tool->send(probe));
        QTRY_COMPARE(ignored.size(), 1);
        QVERIFY(tool->setLine(2400, true));
        QVERIFY(tool->send(probe));
        QTRY_COMPARE(ignored.size(), 2);
        QVERIFY(tool->setLine(2400));
        QVERIFY(exchange(Probe, ScanAnswerLength));
        QCOMPARE(tool->received.toHex(' '), QByteArray("0c 55 06 00 00 01 02 00 6a 0d"));
        QCOMPARE(gateway->framesReceived(), 2);
        QCOMPARE(gateway->bytesReceived(), serial.size() + 2 * probe.size() + Probe.size());

        for (OperatingMode mode : {DebugMode, WorkingMode}) {
            QVERIFY(exchange(modeFrame(mode), CommandAnswerLength));
            QCOMPARE(gateway->operatingMode(), mode);
        }

        QSignalSpy errors(&tool->port, &QSerialPort::errorOccurred);
        gateway->goAway();
        QTRY_VERIFY(!errors.isEmpty());
        const auto error = errors.first().first().value<QSerialPort::SerialPortError>();
        QVERIFY(error == QSerialPort::ReadError || error == QSerialPort::ResourceError);
    }

    void holdsADownloadExactlyUntilNewTableSizes()
    {
        // As many rows as the tables can hold.
        const DownloadTables sent = SampleTables(20).make(512, 256, 512);
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
        for (Tele485ToKnxW &row : changed.rows485ToKnxW)
            row.value = row.ntype == "read" ? "0" : row.value; // a read row sends no value
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

    // Debug-mode commands sent at once: which are answered, what goes on the
    // line; the gateway acts on each. Then, without faults, a probe's answer
    // alone follows.
    void faultsShapeTheAnswers_data()
    {
        QTest::addColumn<GatewayFaults>("faults");
        QTest::addColumn<QString>("answered"); // y or - for each command
        QTest::addColumn<QByteArray>("onLine");
        GatewayFaults faults;
        faults.silent = true;
        QTest::newRow("silent") << faults << "-" << QByteArray();
        faults = {};
        QVERIFY(parseFrameRanges(QStringLiteral("2-3,5"), &faults.dropped));
        QTest::newRow("drop 2-3,5") << faults << "y--y-y" << hex("0C5504010100670D").repeated(3);
        faults = {};
        faults.noise = hex("FF00AA");
        const char *const framings[][2] = {{"end", "0C5504010100670A"},
                                           {"start", "550C04010100670D"},
                                           {"short", "0C55040101000D"},
                                           {"long", "0C550401010067000D"}};
        for (const auto &[name, answer] : framings) {
            QVERIFY(parseWrongFraming(name, &faults.framing));
            QTest::newRow(name) << faults << "y" << faults.noise + hex(answer);
        }
    }

    void faultsShapeTheAnswers()
    {
        QFETCH(GatewayFaults, faults);
        QFETCH(QString, answered);
        QFETCH(QByteArray, onLine);
        gateway->setFaults(faults);
        QString marks;
        QObject context;
        connect(gateway.get(), &GatewayEmulator::answerSent, &context, [&] { marks += 'y'; });
        connect(gateway.get(), &GatewayEmulator::answerWithheld, &context, [&] { marks += '-'; });
        QVERIFY(tool->send(modeFrame(DebugMode).repeated(answered.size())));
        QTRY_COMPARE(marks, answered);
        QCOMPARE(gateway->operatingMode(), DebugMode);
        QTRY_COMPARE(tool->received.toHex(' '), onLine.toHex(' '));
        gateway->setFaults({});
        QVERIFY(tool->send(Probe));
        QTRY_COMPARE(tool->received.toHex(' '), (onLine + ProbeAnswer).toHex(' '));
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
};

QTEST_GUILESS_MAIN(TestGatewayEmulator)
#include "tst_gatewayemulator.moc"
