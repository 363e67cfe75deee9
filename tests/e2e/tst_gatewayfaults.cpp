#include "frame.h"
#include "gatewayemulator.h"
#include "toolport.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {
const QByteArray Probe = buildFrame(CMD_READ_SERIAL_PARAMETERS, scanProbePayload());
const QByteArray ProbeAnswer = QByteArray::fromHex("0C55060002000000690D");

// Upper bound for a timed answer: the configured time plus a generous margin.
constexpr int LateMarginMs = 2000;
} // namespace

// The fault options of the virtual gateway, each observed from the tool's side.
class TestGatewayFaults : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        gateway = std::make_unique<GatewayEmulator>();
        QVERIFY2(gateway->isOpen(), qPrintable(gateway->errorString()));
        tool = std::make_unique<ToolPort>(gateway->portPath());
        QVERIFY(tool->open());
        withheld = std::make_unique<QSignalSpy>(gateway.get(), &GatewayEmulator::answerWithheld);
    }

    void cleanup()
    {
        withheld.reset();
        tool.reset();
        gateway.reset();
    }

    void silenceNeverAnswersUntilSwitchedOff()
    {
        GatewayFaults faults;
        faults.silent = true;
        gateway->setFaults(faults);
        QVERIFY(tool->send(Probe));
        QVERIFY(tool->send(buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(DebugMode))));
        QTRY_COMPARE(withheld->size(), 2);
        QCOMPARE(withheld->at(0).at(1).toString(), QStringLiteral("silent"));
        // The gateway still acts on what it hears.
        QCOMPARE(gateway->operatingMode(), DebugMode);

        gateway->setFaults({});
        QVERIFY(tool->send(Probe));
        QTRY_COMPARE(tool->received, ProbeAnswer);
    }

    void dropsTheAnswersToARangeOfFrames()
    {
        GatewayFaults faults;
        QVERIFY(parseFrameRanges(QStringLiteral("2-3,5"), &faults.dropped));
        gateway->setFaults(faults);
        QSignalSpy sent(gateway.get(), &GatewayEmulator::answerSent);
        const QList<bool> answered = {true, false, false, true, false, true};
        for (int i = 0; i < answered.size(); ++i) {
            QVERIFY(tool->send(Probe));
            QTRY_COMPARE(gateway->framesReceived(), i + 1);
            QCOMPARE(sent.size() + withheld->size(), i + 1);
            QCOMPARE(sent.size(), int(answered.mid(0, i + 1).count(true)));
        }
        QTRY_COMPARE(tool->received, ProbeAnswer + ProbeAnswer + ProbeAnswer);
    }

    void droppedSerialAnswerStillSwitches()
    {
        GatewayFaults faults;
        faults.dropped = {{1, 1}};
        gateway->setFaults(faults);
        QVERIFY(
            tool->send(buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(8, 0, 0))));
        QTRY_COMPARE(withheld->size(), 1);
        QCOMPARE(gateway->serialSettings().baudIndex, 8);
    }

    void delayedAnswerComesLate()
    {
        constexpr int DelayMs = 300;
        GatewayFaults faults;
        faults.delayMs = DelayMs;
        gateway->setFaults(faults);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(tool->send(Probe));
        QTRY_COMPARE_WITH_TIMEOUT(tool->received, ProbeAnswer, DelayMs + LateMarginMs);
        QVERIFY2(clock.elapsed() >= DelayMs, qPrintable(QString::number(clock.elapsed())));
    }

    void splitAnswerComesInTwoPiecesWithTheGap()
    {
        constexpr int GapMs = 250;
        GatewayFaults faults;
        faults.splitGapMs = GapMs;
        faults.splitAt = 4;
        gateway->setFaults(faults);
        QVERIFY(tool->send(Probe));
        QTRY_COMPARE_WITH_TIMEOUT(tool->received, ProbeAnswer, GapMs + LateMarginMs);
        QCOMPARE(tool->chunks.size(), 2);
        QCOMPARE(tool->chunks.at(0).bytes, ProbeAnswer.left(4));
        const qint64 gap = tool->chunks.at(1).atMs - tool->chunks.at(0).atMs;
        QVERIFY2(gap >= GapMs && gap < GapMs + LateMarginMs, qPrintable(QString::number(gap)));
    }

    void noiseBeforeTheAnswer()
    {
        GatewayFaults faults;
        faults.noise = QByteArray::fromHex("FF00AA");
        gateway->setFaults(faults);
        QVERIFY(tool->send(Probe));
        QTRY_COMPARE(tool->received, faults.noise + ProbeAnswer);
    }

    void wrongFraming_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("end") << "end" << QByteArray::fromHex("0C55060002000000690A");
        QTest::newRow("start") << "start" << QByteArray::fromHex("550C060002000000690D");
        QTest::newRow("short") << "short" << QByteArray::fromHex("0C550600020000000D");
        QTest::newRow("long") << "long" << QByteArray::fromHex("0C5506000200000069000D");
    }

    void wrongFraming()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, answer);
        GatewayFaults faults;
        QVERIFY(parseWrongFraming(kind, &faults.framing));
        gateway->setFaults(faults);
        QSignalSpy sent(gateway.get(), &GatewayEmulator::answerSent);
        QVERIFY(tool->send(Probe));
        QTRY_COMPARE(sent.size(), 1);
        QTRY_COMPARE(tool->received.toHex(' '), answer.toHex(' '));
        // The tool would not take it as a scan answer.
        QVERIFY(!(isAnswerFrame(tool->received) && tool->received.size() == ScanAnswerLength));
    }

    void frameRangesText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("one") << "7" << true << "7";
        QTest::newRow("range") << "1-80" << true << "1-80";
        QTest::newRow("list") << "1-3, 9" << true << "1-3,9";
        QTest::newRow("same ends") << "4-4" << true << "4";
        QTest::newRow("zero") << "0" << false << "";
        QTest::newRow("backwards") << "5-3" << false << "";
        QTest::newRow("open end") << "1-" << false << "";
        QTest::newRow("negative") << "-3" << false << "";
        QTest::newRow("empty part") << "1,,2" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("word") << "all" << false << "";
    }

    void frameRangesText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, normalised);
        QList<FrameRange> ranges = {{100, 200}};
        QCOMPARE(parseFrameRanges(text, &ranges), valid);
        if (valid)
            QCOMPARE(::frameRangesText(ranges), normalised);
        else
            QCOMPARE(ranges.size(), 1); // left as it was
    }

    void splitPointStaysInsideTheAnswer_data()
    {
        QTest::addColumn<int>("splitAt");
        QTest::addColumn<int>("firstPiece");
        QTest::newRow("half") << 0 << 5;
        QTest::newRow("one byte") << 1 << 1;
        QTest::newRow("beyond the end") << 50 << 9;
    }

    void splitPointStaysInsideTheAnswer()
    {
        QFETCH(int, splitAt);
        QFETCH(int, firstPiece);
        GatewayFaults faults;
        faults.splitGapMs = 10;
        faults.splitAt = splitAt;
        const QList<QByteArray> pieces = answerPieces(ProbeAnswer, faults);
        QCOMPARE(pieces.size(), 2);
        QCOMPARE(pieces.at(0).size(), firstPiece);
        QCOMPARE(pieces.at(0) + pieces.at(1), ProbeAnswer);
    }

private:
    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<ToolPort> tool;
    std::unique_ptr<QSignalSpy> withheld;
};

QTEST_GUILESS_MAIN(TestGatewayFaults)
#include "tst_gatewayfaults.moc"
