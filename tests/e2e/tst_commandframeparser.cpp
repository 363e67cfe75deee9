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

void addRow(const char *name, const QByteArray &bytes, const QByteArrayList &frames)
{
    QTest::newRow(name) << bytes << frames;
}
} // namespace

class TestCommandFrameParser : public QObject
{
    Q_OBJECT

private slots:
    // Each burst fed whole, then ended: the frames taken; the bytes before
    // them are skipped as noise.
    void takesExactFramesOnly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("frames");
        const QByteArray tableSizes = buildFrame(CMD_TABLE_SIZES, hex("550C0D550C0D"));
        addRow("framing bytes inside", tableSizes, {tableSizes});
        addRow("two frames", Probe + tableSizes, {Probe, tableSizes});
        addRow("LEN one too high", withByte(Probe, 2, 0x0C), {});
        addRow("LEN 2, sum and end byte fit it", hex("550C0200630D"), {});
        addRow("checksum high byte", withByte(Probe, 12, 0x04), {});
        addRow("checksum low byte", withByte(Probe, 13, 0x9E), {});
        addRow("end byte", withByte(Probe, 14, 0x0A), {});
        // Only the start byte is wrong: LEN, sum and end byte fit it.
        addRow("first start byte", hex("540C0B00676574506172616D039C0D"), {});
        addRow("second start byte", hex("550D0B00676574506172616D039E0D"), {});
        addRow("after noise", hex("FF0013AA") + Probe, {Probe});
        addRow("after a bad checksum", withByte(Probe, 13, 0) + Probe, {Probe});
        addRow("after a header promising 215 bytes", hex("550CD303") + Probe, {Probe});
    }

    void takesExactFramesOnly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, frames);
        CommandFrameParser parser;
        const QByteArrayList fed = parser.feed(bytes);
        QCOMPARE(fed + parser.flush(), frames);
        QCOMPARE(parser.takeSkipped(), bytes.chopped(frames.join().size()));
        QCOMPARE(parser.pendingSize(), 0);
    }

    void frameSplitAcrossReads()
    {
        for (int cut = 1; cut < Probe.size(); ++cut) {
            CommandFrameParser parser;
            QVERIFY(parser.feed(Probe.left(cut)).isEmpty());
            QCOMPARE(parser.pendingSize(), cut);
            QCOMPARE(parser.feed(Probe.mid(cut)), QByteArrayList{Probe});
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandFrameParser)
#include "tst_commandframeparser.moc"
