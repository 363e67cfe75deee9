#include "downloadframes.h"
#include "rowdecoding.h"

#include <QTest>

#include <numeric>

namespace {
// The frame with one payload byte changed, framed anew with LEN and checksum
// right, so that only the row's own layout can find the fault.
QByteArray withByte(const QByteArray &frame, int offset, quint8 byte)
{
    QByteArray payload = frame.mid(4, frame.size() - FrameOverhead);
    payload[offset - 4] = char(byte);
    return buildFrame(quint8(frame.at(3)), payload);
}

const Tele485ToKnxW Write485{"n", "01 02 03", "", "write", "1/2/3", "1 byte", "200"};
} // namespace

// Row frames built by the tool's own builders decode back to the cells sent.
class TestRowDecoding : public QObject
{
    Q_OBJECT

private slots:
    void decodesTheToolsRows_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("decoded"); // the name never goes to the gateway
        QByteArray bytes(64, '\0');
        std::iota(bytes.begin(), bytes.end(), char(0xC0)); // c0 c1 ... ff
        const QString full = bytes.toHex(' '), ack = bytes.right(32).toHex(' ');
        QTest::newRow("485 write, lower case, full blocks")
            << row485ToKnxWFrame(511, {"n", full, ack, "write", "0/0/1", "2 byte", "65535"}) << 511
            << QStringList{"", full.toUpper(), ack.toUpper(), "write", "0/0/1", "2 byte", "65535"};
        QTest::newRow("485 read row, length matching no item")
            << row485ToKnxWFrame(7, {"n", "0A", "0B", "read", "15/7/255", "3 byte", ""}) << 7
            << QStringList{"", "0A", "0B", "read", "15/7/255", "#255", ""};
        QTest::newRow("1-byte, lower case, no minus ack")
            << row1ByteFrame(255,
                             {"n", "01 02", "0a", "ff", "", "1/2/3", "1 byte", "0", "255", "5"})
            << 255 << QStringList{"", "01 02", "0A", "FF", "", "1/2/3", "1 byte", "0", "255", "5"};
        QTest::newRow("KNX read row, lower case")
            << rowKnxTo485WFrame(513, {"n", "read", "115200", "15/7/255", "2 byte", "", "aa bb"})
            << 513 << QStringList{"", "read", "115200", "15/7/255", "2 byte", "", "AA BB"};
    }

    void decodesTheToolsRows()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, row);
        QFETCH(QStringList, decoded);
        QString error;
        const std::optional<AnyDecodedRow> result = decodeRowFrame(frame, &error);
        QVERIFY2(result, qPrintable(error));
        const auto [index, cells] = std::visit(
            [](const auto &taken) { return std::pair(taken.row, cellsOf(taken.record)); }, *result);
        QCOMPARE(cells, decoded);
        QCOMPARE(index, row);
    }

    void refusesMalformedRows_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("why");
        const QByteArray write485 = row485ToKnxWFrame(0, Write485);
        QTest::newRow("485 row one byte short")
            << buildFrame(CMD_ROW_485_TO_KNX_W, write485.mid(4, 107)) << "114 bytes, 115 expected";
        QTest::newRow("telegram count 65")
            << withByte(write485, 14, 65) << "telegram count 65 above 64 slots";
        QTest::newRow("1-byte minus ack count 255")
            << withByte(row1ByteFrame(0, {}), 179, 255)
            << "minus acknowledgement count 255 above 32 slots";
        QTest::newRow("telegram sum")
            << withByte(write485, 7, 0x07) << "telegram sum 0007, its bytes sum to 0006";
    }

    void refusesMalformedRows()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QString, why);
        QString error;
        QVERIFY(!decodeRowFrame(frame, &error));
        QCOMPARE(error, why);
    }
};

QTEST_GUILESS_MAIN(TestRowDecoding)
#include "tst_rowdecoding.moc"
