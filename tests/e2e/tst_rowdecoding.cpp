#include "byteforms.h"
#include "downloadframes.h"
#include "reframed.h"
#include "rowdecoding.h"
#include "sampletables.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
// "00 04 08 ..." of `count` bytes, in lower case.
QString lowerCaseBytes(int count, int step)
{
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[i] = char(i * step);
    return QString::fromLatin1(bytes.toHex(' '));
}

QList<quint16> sumsOf(const QStringList &telegrams)
{
    QList<quint16> sums;
    for (const QString &telegram : telegrams)
        sums << byteSum(telegramBytes(telegram));
    return sums;
}

QByteArray withPayloadSize(const QByteArray &frame, int size)
{
    QByteArray payload = frame.mid(4, frame.size() - FrameOverhead);
    payload.resize(size, 0x55);
    return buildFrame(quint8(frame.at(3)), payload);
}

const Tele485ToKnxW Write485{"n", "01 02 03", "", "write", "1/2/3", "1 byte", "200"};
const Tele485ToKnxW Read485{"n", "01 02 03", "04", "read", "1/2/3", "1 byte", ""};
const Tele1Byte Row1Byte{"n", "01 02", "0a", "ff", "", "1/2/3", "1 byte", "200", "10", "5"};
const TeleKnxTo485W WriteKnx{"n", "write", "9600", "1/2/3", "1 byte", "7", "01 02"};

template <typename Record> QStringList decodedCells(const std::optional<DecodedRow<Record>> &row)
{
    return row ? cellsOf(row->record) : QStringList();
}
} // namespace

// Row frames built by the tool's own builders decode back to the cells sent.
class TestRowDecoding : public QObject
{
    Q_OBJECT

private slots:
    void row485ToKnxW_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("decoded"); // without the name
        const QString full = lowerCaseBytes(64, 4);
        const QString fullAck = lowerCaseBytes(32, 7);
        QTest::newRow("write, no ack")
            << 0 << QStringList{"n", "01 02 03", "", "write", "1/2/3", "1 byte", "200"}
            << QStringList{"", "01 02 03", "", "write", "1/2/3", "1 byte", "200"};
        QTest::newRow("read row, no value")
            << 7 << QStringList{"n", "0A", "0B", "read", "15/7/255", "1 bit", ""}
            << QStringList{"", "0A", "0B", "read", "15/7/255", "1 bit", ""};
        QTest::newRow("lower case, 2-byte value")
            << 511 << QStringList{"n", "0a ff 1b", "a0 b1", "write", "0/0/1", "2 byte", "65535"}
            << QStringList{"", "0A FF 1B", "A0 B1", "write", "0/0/1", "2 byte", "65535"};
        QTest::newRow("64-byte telegram, full ack")
            << 3 << QStringList{"n", full, fullAck, "write", "4/5/6", "6 bit", "63"}
            << QStringList{"", full.toUpper(), fullAck.toUpper(), "write", "4/5/6", "6 bit", "63"};
        QTest::newRow("length matching no item")
            << 1 << QStringList{"n", "01", "", "write", "1/2/3", "3 byte", "1"}
            << QStringList{"", "01", "", "write", "1/2/3", "#255", "1"};
        // -1 in the one-bit type field reads as "read".
        QTest::newRow("type matching no item")
            << 1 << QStringList{"n", "01", "", "Write", "1/2/3", "1 bit", "1"}
            << QStringList{"", "01", "", "read", "1/2/3", "1 bit", ""};
    }

    void row485ToKnxW()
    {
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, decoded);
        const auto record = recordFromCells<Tele485ToKnxW>(cells);
        QString error;
        const auto result = decodeRow485ToKnxW(row485ToKnxWFrame(quint16(row), record), &error);
        QVERIFY2(result, qPrintable(error));
        QCOMPARE(decodedCells(result), decoded);
        QCOMPARE(result->row, row);
        QCOMPARE(result->telegramSums, sumsOf({record.telegram}));
    }

    void row1Byte_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("decoded");
        const QString full = lowerCaseBytes(64, 3);
        const QString fullAck = lowerCaseBytes(32, 9);
        QTest::newRow("lower case, empty minus ack")
            << 0 << cellsOf(Row1Byte)
            << QStringList{"", "01 02", "0A", "FF", "", "1/2/3", "1 byte", "200", "10", "5"};
        QTest::newRow("full blocks")
            << 255
            << QStringList{"n", full, fullAck, full, fullAck, "15/7/255", "1 byte", "0", "255", "1"}
            << QStringList{"",
                           full.toUpper(),
                           fullAck.toUpper(),
                           full.toUpper(),
                           fullAck.toUpper(),
                           "15/7/255",
                           "1 byte",
                           "0",
                           "255",
                           "1"};
        QTest::newRow("length matching no item")
            << 2 << QStringList{"n", "01", "", "02", "", "1/2/3", "", "1", "2", "3"}
            << QStringList{"", "01", "", "02", "", "1/2/3", "#255", "1", "2", "3"};
    }

    void row1Byte()
    {
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, decoded);
        const auto record = recordFromCells<Tele1Byte>(cells);
        QString error;
        const auto result = decodeRow1Byte(row1ByteFrame(quint16(row), record), &error);
        QVERIFY2(result, qPrintable(error));
        QCOMPARE(decodedCells(result), decoded);
        QCOMPARE(result->row, row);
        QCOMPARE(result->telegramSums, sumsOf({record.telegram_p, record.telegram_n}));
    }

    // The frame carries the low 8 bits of the row index only.
    void row1ByteIndexAbove255()
    {
        QString error;
        const auto result = decodeRow1Byte(row1ByteFrame(300, Row1Byte), &error);
        QVERIFY2(result, qPrintable(error));
        QCOMPARE(result->row, 300 & 0xFF);
    }

    void rowKnxTo485W_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("decoded");
        const QString full = lowerCaseBytes(64, 5);
        QTest::newRow("response, lower case")
            << 513 << QStringList{"n", "response", "115200", "15/7/255", "2 byte", "40000", "aa bb"}
            << QStringList{"", "response", "115200", "15/7/255", "2 byte", "40000", "AA BB"};
        QTest::newRow("read row, no value")
            << 0 << QStringList{"n", "read", "2400", "1/0/0", "1 bit", "", "01"}
            << QStringList{"", "read", "2400", "1/0/0", "1 bit", "", "01"};
        QTest::newRow("64-byte telegram")
            << 1 << QStringList{"n", "write", "56000", "2/3/4", "4 bit", "15", full}
            << QStringList{"", "write", "56000", "2/3/4", "4 bit", "15", full.toUpper()};
        QTest::newRow("items matching nothing")
            << 2 << QStringList{"", "resp", "300", "1/2/3", "", "9", "01"}
            << QStringList{"", "#3", "#255", "1/2/3", "#255", "9", "01"};
    }

    void rowKnxTo485W()
    {
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, decoded);
        const auto record = recordFromCells<TeleKnxTo485W>(cells);
        QString error;
        const auto result = decodeRowKnxTo485W(rowKnxTo485WFrame(quint16(row), record), &error);
        QVERIFY2(result, qPrintable(error));
        QCOMPARE(decodedCells(result), decoded);
        QCOMPARE(result->row, row);
        QVERIFY(result->telegramSums.isEmpty());
    }

    void anyRowByItsCommand()
    {
        QString error;
        const auto row = decodeRowFrame(rowKnxTo485WFrame(4, WriteKnx), &error);
        QVERIFY2(row, qPrintable(error));
        QVERIFY(std::holds_alternative<DecodedRow<TeleKnxTo485W>>(*row));
        QCOMPARE(std::get<DecodedRow<TeleKnxTo485W>>(*row).row, 4);
        QVERIFY(!decodeRowFrame(tableSizesFrame(1, 2, 3), &error));
        QCOMPARE(error, QString("not a row frame"));
    }

    void malformedFrames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("why");
        const QByteArray write485 = row485ToKnxWFrame(0, Write485);
        const QByteArray read485 = row485ToKnxWFrame(0, Read485);
        const QByteArray oneByte = row1ByteFrame(0, Row1Byte);
        const QByteArray knx = rowKnxTo485WFrame(0, WriteKnx);
        QTest::newRow("empty") << QByteArray() << "not a row frame";
        QTest::newRow("485 row one byte short")
            << withPayloadSize(write485, 107) << "114 bytes, 115 expected";
        QTest::newRow("1-byte row one byte long")
            << withPayloadSize(oneByte, 209) << "216 bytes, 215 expected";
        QTest::newRow("KNX row of a 485 row's size")
            << buildFrame(CMD_ROW_KNX_TO_485_W, write485.mid(4, 108)) << "115 bytes, 81 expected";
        QTest::newRow("wrong LEN")
            << QByteArray(write485).replace(2, 1, "\x70") << "not framed as a command 03 row";
        QTest::newRow("wrong end byte")
            << QByteArray(knx).replace(80, 1, "\x0A") << "not framed as a command 05 row";
        QTest::newRow("485 telegram count 65")
            << withByte(write485, 14, 65) << "telegram count 65 above 64 slots";
        QTest::newRow("485 ack count 33")
            << withByte(write485, 79, 33) << "acknowledgement count 33 above 32 slots";
        QTest::newRow("1-byte minus telegram count 65")
            << withByte(oneByte, 81, 65) << "minus telegram count 65 above 64 slots";
        QTest::newRow("1-byte minus ack count 255")
            << withByte(oneByte, 179, 255) << "minus acknowledgement count 255 above 32 slots";
        QTest::newRow("KNX telegram count 65")
            << withByte(knx, 13, 65) << "telegram count 65 above 64 slots";
        QTest::newRow("485 telegram sum")
            << withByte(write485, 7, 0x07) << "telegram sum 0007, its bytes sum to 0006";
        QTest::newRow("1-byte minus telegram sum")
            << withByte(oneByte, 8, 0x01) << "minus telegram sum 01FF, its bytes sum to 00FF";
        QTest::newRow("485 count without its bytes' sum")
            << withByte(write485, 14, 2) << "telegram slot 2 holds 03, filler 55 expected";
        QTest::newRow("485 filler 00")
            << withByte(write485, 20, 0x00) << "telegram slot 5 holds 00, filler 55 expected";
        QTest::newRow("KNX filler 55")
            << withByte(knx, 20, 0x55) << "telegram slot 6 holds 55, filler 00 expected";
        QTest::newRow("1-byte plus ack filler")
            << withByte(oneByte, 178, 0x00)
            << "plus acknowledgement slot 31 holds 00, filler 55 expected";
        QTest::newRow("485 read row with a value")
            << withByte(read485, 13, 0x01) << "read row with value 1";
        QTest::newRow("KNX read row with a value")
            << withByte(withByte(knx, 6, 1), 10, 0x80) << "read row with value 32775";
        QTest::newRow("1-byte row with byte 4 set")
            << withByte(oneByte, 4, 0x01) << "byte 4 is 01, 00 expected";
    }

    void malformedFrames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QString, why);
        QString error;
        QVERIFY(!decodeRowFrame(frame, &error));
        QCOMPARE(error, why);
    }

    // Random damage to valid frames, and random bytes of any size: every
    // frame is either decoded or refused with a reason, and nothing is read
    // outside it.
    void damagedFramesAreDecodedOrRefused()
    {
        QRandomGenerator random(485);
        SampleTables samples(7);
        const QList<QByteArray> frames = {
            row485ToKnxWFrame(1, samples.row485ToKnxW(1)),
            row1ByteFrame(2, samples.row1Byte(2)),
            rowKnxTo485WFrame(3, samples.rowKnxTo485W(3)),
        };
        int decoded = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray frame = frames.at(round % frames.size());
            for (int hits = random.bounded(1, 3); hits > 0; --hits)
                frame = withByte(frame, random.bounded(4, int(frame.size()) - 3),
                                 quint8(random.bounded(256)));
            if (round % 10 == 0)
                frame.truncate(random.bounded(int(frame.size())));
            QString error;
            const bool taken = decodeRowFrame(frame, &error).has_value();
            QVERIFY2(taken == error.isEmpty(), qPrintable(error));
            decoded += taken;
        }
        QVERIFY(decoded > 0 && decoded < 3000);
    }
};

QTEST_GUILESS_MAIN(TestRowDecoding)
#include "tst_rowdecoding.moc"
