#include "commandframeparser.h"
#include "frame.h"

#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const QByteArray Probe = hex("550C0B00676574506172616D039D0D");

QByteArray withByte(QByteArray frame, int offset, quint8 value)
{
    frame[offset] = char(value);
    return frame;
}

// Feeds the bytes, then ends the burst; returns every frame found.
QList<QByteArray> framesOf(CommandFrameParser &parser, const QByteArray &bytes)
{
    const QList<QByteArray> frames = parser.feed(bytes);
    return frames + parser.flush();
}
} // namespace

class TestCommandFrameParser : public QObject
{
    Q_OBJECT

private slots:
    void acceptsEachCommandFrame_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("scan probe") << Probe;
        QTest::newRow("debug mode") << hex("550C0C01776F726B6D6F64650103D70D");
        QTest::newRow("working mode") << hex("550C0C01776F726B6D6F64650203D80D");
        QTest::newRow("serial parameters") << hex("550C060202000000 6B0D");
        QTest::newRow("table sizes") << hex("550C090A00000000000000740D");
        QTest::newRow("485-to-KNX row") << buildFrame(CMD_ROW_485_TO_KNX_W, QByteArray(108, 0x55));
        QTest::newRow("1-byte row, sum carries")
            << buildFrame(CMD_ROW_1BYTE, QByteArray(208, char(0xFF)));
        QTest::newRow("KNX-to-485 row") << buildFrame(CMD_ROW_KNX_TO_485_W, QByteArray(74, 0));
        QTest::newRow("framing bytes inside") << buildFrame(CMD_TABLE_SIZES, hex("550C0D550C0D"));
        QTest::newRow("unknown command, no payload") << buildFrame(0x07, {});
    }

    void acceptsEachCommandFrame()
    {
        QFETCH(QByteArray, frame);
        CommandFrameParser parser;
        QCOMPARE(parser.feed(frame), QList<QByteArray>{frame});
        QCOMPARE(parser.pendingSize(), 0);
        QVERIFY(parser.takeSkipped().isEmpty());
    }

    void rejectsBrokenFrames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("LEN one too high") << withByte(Probe, 2, 0x0C);
        QTest::newRow("LEN one too low") << withByte(Probe, 2, 0x0A);
        QTest::newRow("LEN 2, sum and end byte fit it") << hex("550C0200630D");
        QTest::newRow("LEN 0") << hex("550C000D");
        QTest::newRow("checksum high byte") << withByte(Probe, 12, 0x04);
        QTest::newRow("checksum low byte") << withByte(Probe, 13, 0x9E);
        QTest::newRow("end byte") << withByte(Probe, 14, 0x0A);
        QTest::newRow("answer start bytes") << withByte(withByte(Probe, 0, 0x0C), 1, 0x55);
        QTest::newRow("second start byte") << withByte(Probe, 1, 0x0D);
        QTest::newRow("first start byte") << withByte(Probe, 0, 0x54);
        QTest::newRow("payload byte changed") << withByte(Probe, 6, 'T');
    }

    void rejectsBrokenFrames()
    {
        QFETCH(QByteArray, bytes);
        CommandFrameParser parser;
        QVERIFY(framesOf(parser, bytes).isEmpty());
        QCOMPARE(parser.takeSkipped(), bytes);
        QCOMPARE(parser.pendingSize(), 0);
    }

    void findsValidFrameAfterNoise_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("foundAtOnce"); // without waiting for the end of the burst
        QTest::newRow("noise") << hex("FF0013AA") << true;
        QTest::newRow("stray start byte") << hex("55") << true;
        QTest::newRow("start bytes, then 55 taken as LEN") << hex("550C") << false;
        QTest::newRow("truncated frame") << Probe.left(6) << true;
        QTest::newRow("frame with a bad checksum") << withByte(Probe, 13, 0) << true;
        QTest::newRow("frame with a bad end byte") << withByte(Probe, 14, 0) << true;
        QTest::newRow("header promising 215 bytes") << hex("550CD303") << false;
    }

    void findsValidFrameAfterNoise()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, foundAtOnce);
        CommandFrameParser parser;
        const QList<QByteArray> atOnce = parser.feed(before + Probe);
        QCOMPARE(atOnce.isEmpty(), !foundAtOnce);
        const QList<QByteArray> all = atOnce + parser.flush();
        QCOMPARE(all, QList<QByteArray>{Probe});
        QCOMPARE(parser.takeSkipped(), before);
    }

    void frameSplitAcrossFeeds()
    {
        for (int cut = 1; cut < Probe.size(); ++cut) {
            CommandFrameParser parser;
            QVERIFY(parser.feed(Probe.left(cut)).isEmpty());
            QCOMPARE(parser.pendingSize(), cut);
            QCOMPARE(parser.feed(Probe.mid(cut)), QList<QByteArray>{Probe});
            QVERIFY(parser.takeSkipped().isEmpty());
        }
    }

    void longFrameByteByByte()
    {
        const QByteArray row = buildFrame(CMD_ROW_1BYTE, QByteArray(208, 0x0D));
        CommandFrameParser parser;
        for (int i = 0; i < row.size() - 1; ++i)
            QVERIFY(parser.feed(row.mid(i, 1)).isEmpty());
        QCOMPARE(parser.feed(row.right(1)), QList<QByteArray>{row});
    }

    void twoFramesInOneFeed()
    {
        const QByteArray debug = hex("550C0C01776F726B6D6F64650103D70D");
        CommandFrameParser parser;
        QCOMPARE(parser.feed(Probe + debug), (QList<QByteArray>{Probe, debug}));
        QCOMPARE(parser.pendingSize(), 0);
    }

    void clearForgetsHeldBackBytes()
    {
        CommandFrameParser parser;
        parser.feed(Probe.left(9));
        parser.clear();
        QVERIFY(parser.feed(Probe.mid(9)).isEmpty());
        QVERIFY(parser.flush().isEmpty());
        QCOMPARE(parser.feed(Probe), QList<QByteArray>{Probe});
    }
};

QTEST_GUILESS_MAIN(TestCommandFrameParser)
#include "tst_commandframeparser.moc"
