#include "downloadframes.h"

#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

Tele485ToKnxW row485(const QString &type)
{
    return {"name", "01 02 03", "", type, "1/2/3", "1 byte", type == "read" ? "" : "200"};
}

// Frames end in a checksum over everything before it and 0D.
bool wellFramed(const QByteArray &frame)
{
    const quint16 sum = byteSum(frame.left(frame.size() - 3));
    return quint8(frame.at(2)) == frame.size() - 4 && quint8(frame.back()) == FrameEnd &&
           quint8(frame.at(frame.size() - 3)) == sum >> 8 &&
           quint8(frame.at(frame.size() - 2)) == (sum & 0xFF);
}
} // namespace

class TestDownloadFrames : public QObject
{
    Q_OBJECT

private slots:
    void tableSizes()
    {
        QCOMPARE(tableSizesFrame(0, 0, 0), hex("550C090A00000000000000740D"));
        QCOMPARE(tableSizesFrame(2, 0, 1).mid(4, 6), hex("000200000001"));
        QCOMPARE(tableSizesFrame(512, 256, 512).mid(4, 6), hex("020001000200"));
    }

    void row485ToKnxWriteByteForByte()
    {
        const QByteArray frame = row485ToKnxWFrame(0, row485("write"));
        QCOMPARE(frame.size(), Row485ToKnxWFrameSize);
        QVERIFY(wellFramed(frame));
        QCOMPARE(frame.left(4), hex("550C6F03"));
        QCOMPARE(frame.mid(4, 11).toHex(' '), hex("0000 0006 00 0A03 04 00C8 03").toHex(' '));
        QCOMPARE(frame.mid(15, 64), hex("010203") + QByteArray(61, 0x55));
        QCOMPARE(frame.mid(79, 33), QByteArray(1, 0) + QByteArray(32, 0x55));
    }

    void readRowSendsNoValue()
    {
        Tele485ToKnxW record = row485("read");
        record.value = "200"; // an imported read row may carry one
        const QByteArray frame = row485ToKnxWFrame(7, record);
        QCOMPARE(frame.mid(4, 2), hex("0007"));
        QCOMPARE(quint8(frame.at(8)), quint8(1));
        QCOMPARE(frame.mid(12, 2), hex("0000"));
    }

    void unknownItemTextsGoAsMinusOne()
    {
        Tele485ToKnxW record = row485("Write");
        record.length = "3 byte";
        const QByteArray frame485 = row485ToKnxWFrame(0, record);
        QCOMPARE(quint8(frame485.at(8)), quint8(0x01)); // -1 in a one-bit field: read
        QCOMPARE(quint8(frame485.at(11)), quint8(0xFF));
        QCOMPARE(frame485.mid(12, 2), hex("0000"));

        const TeleKnxTo485W knx{"", "resp", "300", "1/2/3", "", "9", "01"};
        const QByteArray frameKnx = rowKnxTo485WFrame(0, knx);
        QCOMPARE(quint8(frameKnx.at(6)), quint8(0x03));
        QCOMPARE(quint8(frameKnx.at(9)), quint8(0xFF));
        QCOMPARE(frameKnx.mid(10, 2), hex("0009"));
        QCOMPARE(quint8(frameKnx.at(12)), quint8(0xFF));
    }

    void knxTo485RowFillsWithZeros()
    {
        const TeleKnxTo485W record{"n",      "response", "115200", "15/7/255",
                                   "2 byte", "40000",    "aa bb"};
        const QByteArray frame = rowKnxTo485WFrame(513, record);
        QCOMPARE(frame.size(), RowKnxTo485WFrameSize);
        QVERIFY(wellFramed(frame));
        QCOMPARE(frame.mid(3, 11).toHex(' '), hex("05 0201 02 7FFF 05 9C40 08 02").toHex(' '));
        QCOMPARE(frame.mid(14, 64), hex("AABB") + QByteArray(62, 0x00));
    }

    void oneByteRow()
    {
        const Tele1Byte record{"n", "01 02", "0a", "ff", "", "1/2/3", "1 byte", "200", "10", "5"};
        const QByteArray frame = row1ByteFrame(300, record);
        QCOMPARE(frame.size(), Row1ByteFrameSize);
        QVERIFY(wellFramed(frame));
        QCOMPARE(frame.mid(3, 14).toHex(' '),
                 hex("04 00 2C 0003 00FF 0A03 04 C8 0A 05 02").toHex(' '));
        QCOMPARE(frame.mid(17, 64), hex("0102") + QByteArray(62, 0x55));
        QCOMPARE(frame.mid(81, 65), hex("01FF") + QByteArray(63, 0x55));
        QCOMPARE(frame.mid(146, 33), hex("010A") + QByteArray(31, 0x55));
        QCOMPARE(frame.mid(179, 33), QByteArray(1, 0) + QByteArray(32, 0x55));
    }

    // An imported cell may hold more than a frame takes.
    void overlongImportedTelegramIsCut()
    {
        QStringList pairs;
        for (int i = 0; i < 70; ++i)
            pairs << "01";
        Tele485ToKnxW record = row485("write");
        record.telegram = pairs.join(' ');
        record.ack = pairs.join(' ');
        const QByteArray frame = row485ToKnxWFrame(0, record);
        QCOMPARE(frame.size(), Row485ToKnxWFrameSize);
        QCOMPARE(frame.mid(6, 2), hex("0040"));
        QCOMPARE(quint8(frame.at(14)), quint8(64));
        QCOMPARE(frame.mid(15, 64), QByteArray(64, 0x01));
        QCOMPARE(quint8(frame.at(79)), quint8(32));
        QCOMPARE(frame.mid(80, 32), QByteArray(32, 0x01));
    }

    // 2, 0 and 1 rows: sizes, 485 row 0, 485 row 1, KNX row 0, then done.
    void sequenceOrder()
    {
        DownloadTables tables;
        tables.rows485ToKnxW = {row485("write"), row485("read")};
        tables.rowsKnxTo485W = {{"", "write", "9600", "1/2/3", "1 bit", "1", "01"}};
        QCOMPARE(tables.frameCount(), 4);
        BurnFlag flag = BurnFlag::start(tables);

        QList<WorkMode> modes;
        QList<QByteArray> frames;
        while (const auto next = takeNextDownloadFrame(flag, tables)) {
            modes << next->mode;
            frames << next->frame;
            QCOMPARE(next->answerLength, next->mode == E_FUNC_MODE_BURN_NUM ? 8 : 10);
            QCOMPARE(flag.framesSent(), frames.size());
        }
        QCOMPARE(modes,
                 QList<WorkMode>({E_FUNC_MODE_BURN_NUM, E_FUNC_MODE_BURN_485TOKNX_W,
                                  E_FUNC_MODE_BURN_485TOKNX_W, E_FUNC_MODE_BURN_KNXTO485_W}));
        QCOMPARE(frames[0].mid(4, 6), hex("000200000001"));
        QCOMPARE(frames[1].mid(4, 2), hex("0000"));
        QCOMPARE(frames[2].mid(4, 2), hex("0001"));
        QCOMPARE(frames[3].mid(4, 2), hex("0000"));
        QVERIFY(!takeNextDownloadFrame(flag, tables));
    }
};

QTEST_GUILESS_MAIN(TestDownloadFrames)
#include "tst_downloadframes.moc"
