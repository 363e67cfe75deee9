#include "commandframeparser.h"
#include "downloadframes.h"
#include "rowdecoding.h"

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

// Framed anew with LEN and checksum right.
QByteArray reframed(const QByteArray &frame)
{
    return buildFrame(quint8(frame.at(3)), frame.mid(4, frame.size() - FrameOverhead));
}
} // namespace

// How the virtual gateway reads what the tool sends. The parser takes every
// frame there is and nothing else (fuzz_frameparser: every frame taken is
// exact and in order); rows decode back to every cell sent, or are refused
// with the reason (fuzz_downloadframes: telegram bytes and row numbers of any
// texts).
class TestFrameReading : public QObject
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
        const QByteArrayList none, justProbe{Probe};
        QTest::newRow("framing bytes inside") << tableSizes << QByteArrayList{tableSizes};
        QTest::newRow("two frames") << Probe + tableSizes << QByteArrayList{Probe, tableSizes};
        QTest::newRow("LEN one too high") << withByte(Probe, 2, 0x0C) << none;
        QTest::newRow("checksum high byte") << withByte(Probe, 12, 0x04) << none;
        QTest::newRow("end byte") << withByte(Probe, 14, 0x0A) << none;
        // Only the start byte is wrong: LEN, sum and end byte fit it.
        QTest::newRow("first start byte") << hex("540C0B00676574506172616D039C0D") << none;
        QTest::newRow("second start byte") << hex("550D0B00676574506172616D039E0D") << none;
        QTest::newRow("after noise") << hex("FF0013AA") + Probe << justProbe;
        QTest::newRow("after a bad checksum") << withByte(Probe, 13, 0) + Probe << justProbe;
        QTest::newRow("after a header of 215 bytes") << hex("550CD303") + Probe << justProbe;
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
        // The same frames come when the bytes arrive in two reads.
        for (int cut = 1; cut < bytes.size(); ++cut) {
            CommandFrameParser split;
            QCOMPARE(split.feed(bytes.left(cut)) + split.feed(bytes.mid(cut)), fed);
        }
    }

    void decodesRows_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QStringList>("decoded"); // the name never goes to the gateway
        QTest::addColumn<QString>("refused");
        QByteArray bytes; // c0 c1 ... ff
        for (int i = 0; i < 64; ++i)
            bytes += char(0xC0 + i);
        const QString full = bytes.toHex(' '), ack = bytes.right(32).toHex(' ');
        QTest::newRow("485 write, lower case, full blocks")
            << row485ToKnxWFrame(511, {"n", full, ack, "write", "0/0/1", "2 byte", "65535"})
            << QStringList{"", full.toUpper(), ack.toUpper(), "write", "0/0/1", "2 byte", "65535"}
            << QString();
        QTest::newRow("1-byte, lower case, no minus ack")
            << row1ByteFrame(255,
                             {"n", "01 02", "0a", "ff", "", "1/2/3", "1 byte", "0", "255", "5"})
            << QStringList{"", "01 02", "0A", "FF", "", "1/2/3", "1 byte", "0", "255", "5"}
            << QString();
        QTest::newRow("KNX read row, lower case")
            << rowKnxTo485WFrame(513, {"n", "read", "115200", "15/7/255", "2 byte", "", "aa bb"})
            << QStringList{"", "read", "115200", "15/7/255", "2 byte", "", "AA BB"} << QString();

        // Only the row's own layout can find these faults.
        const QByteArray write485 =
            row485ToKnxWFrame(0, {"n", "01 02 03", "", "write", "1/2/3", "1 byte", "200"});
        QTest::newRow("485 row one byte short")
            << reframed(write485.chopped(1)) << QStringList() << "114 bytes, 115 expected";
        QTest::newRow("telegram count 65") << reframed(withByte(write485, 14, 65)) << QStringList()
                                           << "telegram count 65 above 64 slots";
        QTest::newRow("telegram sum") << reframed(withByte(write485, 7, 0x07)) << QStringList()
                                      << "telegram sum 0007, its bytes sum to 0006";
    }

    void decodesRows()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QStringList, decoded);
        QFETCH(QString, refused);
        QString error;
        const std::optional<AnyDecodedRow> result = decodeRowFrame(frame, &error);
        QCOMPARE(error, refused);
        QCOMPARE(result.has_value(), refused.isEmpty());
        if (result)
            QCOMPARE(std::visit([](const auto &row) { return cellsOf(row.record); }, *result),
                     decoded);
    }
};

QTEST_GUILESS_MAIN(TestFrameReading)
#include "tst_framereading.moc"
