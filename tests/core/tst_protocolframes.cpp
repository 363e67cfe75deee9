#include "answerframer.h"
#include "downloadframes.h"
#include "frame.h"
#include "portsettings.h"
#include "scanmatrix.h"
#include "serialsettingstexts.h"

#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

Tele485ToKnxW row485(const QString &type, const QString &value)
{
    return {"name", "01 02 03", "", type, "1/2/3", "1 byte", value};
}
} // namespace

class TestProtocolFrames : public QObject
{
    Q_OBJECT

private slots:
    void commandFrames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("9600 1 None")
            << buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(2, 0, 0))
            << hex("550C060202000000 6B0D");
        QTest::newRow("19200 2 EVEN")
            << buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(4, 2, 2))
            << hex("550C060204020200710D");
        QTest::newRow("empty tables")
            << tableSizesFrame(0, 0, 0) << hex("550C090A00000000000000740D");
        // The byte sum carries into the high byte.
        QTest::newRow("carry") << buildFrame(0xFF, QByteArray(252, char(0xFF))).right(3)
                               << hex("FD630D");
    }

    void commandFrames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
    }

    void answerFramingAndScanSettings()
    {
        QVERIFY(isAnswerFrame(hex("0C5500000000000D")));
        for (const char *block :
             {"", "0C", "0C55", "550C00000000000D", "0C5600000000000D", "0C550000000000 00"})
            QVERIFY2(!isAnswerFrame(hex(block)), block);
        const SerialSettings inRange = scanAnswerSettings(hex("0C5500000802010000 0D"));
        QCOMPARE(QList<int>({inRange.baudIndex, inRange.stopBitIndex, inRange.parityIndex}),
                 QList<int>({8, 2, 1}));
        const SerialSettings outOfRange = scanAnswerSettings(hex("0C5500000907030000 0D"));
        QCOMPARE(
            QList<int>({outOfRange.baudIndex, outOfRange.stopBitIndex, outOfRange.parityIndex}),
            QList<int>({5, 0, 0}));
    }

    // Noise before 0C 55 is skipped, a partial answer waits for the rest, and a
    // run of the awaited length that does not end in 0D is no answer.
    void answerFramer()
    {
        AnswerFramer framer;
        QVERIFY(!framer.feed(hex("0C5500000000000D"))); // nothing awaited
        framer.expect(CommandAnswerLength);
        QVERIFY(!framer.feed(hex("FF 0C 55 01 0C")));
        QVERIFY(!framer.feed(hex("55 06 01")));
        QCOMPARE(framer.heldBytes(), 7); // from the first 0C 55 on
        QCOMPARE(framer.feed(hex("02 00 6A 0D 0C 55")), hex("0C 55 06 01 02 00 6A 0D"));
        QCOMPARE(framer.awaitedLength(), 0);
        QCOMPARE(framer.heldBytes(), 0);

        framer.expect(RowAnswerLength);
        QVERIFY(!framer.feed(hex("0C 55 06 03 00 01 00 00 6B 0A"))); // wrong end byte
        QVERIFY(!framer.feed(hex("00 0C")));
        QCOMPARE(framer.feed(hex("55 06 03 00 01 00 00 6B 0D")), hex("0C5506030001 00006B0D"));
        framer.expect(ScanAnswerLength);
        QVERIFY(!framer.feed(hex("0C 55 06")));
        framer.expect(ScanAnswerLength); // a new try drops what was held
        QCOMPARE(framer.heldBytes(), 0);
    }

    void serialSettingsTexts()
    {
        const auto settings = serialSettingsFromTexts("115200", "1.5", "Even");
        QVERIFY(settings && settings->baudIndex == 8 && settings->stopBitIndex == 1 &&
                settings->parityIndex == 2);
        QCOMPARE(describeSerialSettings(*settings), "115200 baud, 1.5 stop bits, EVEN");
        for (const auto &[baud, stop, parity] :
             {std::tuple("19200 ", "1", "none"), std::tuple("9600", "3", "none"),
              std::tuple("9600", "1", "mark")})
            QVERIFY(!serialSettingsFromTexts(baud, stop, parity));
        const PortSettings line = portSettingsOf({3, 2, 1});
        QCOMPARE(line.baudRate, 14400);
        QCOMPARE(line.stopBits, QSerialPort::TwoStop);
        QCOMPARE(line.parity, QSerialPort::OddParity);
    }

    // Slowest first: nine baud rates at no, odd, even parity, 1 stop bit; then 1.5, then 2.
    void scanTriesEveryCombinationOnceInOrder()
    {
        ScanMatrix matrix;
        matrix.fill();
        for (int k = 0; k < ScanMatrix::Combinations; ++k) {
            const auto next = matrix.takeNext();
            QVERIFY(next && next->baudIndex == k % 9 && next->parityIndex == (k / 9) % 3 &&
                    next->stopBitIndex == k / 27);
            QCOMPARE(matrix.remaining(), ScanMatrix::Combinations - 1 - k);
        }
        QVERIFY(!matrix.takeNext());
    }

    void row485ToKnxW()
    {
        const QByteArray frame = row485ToKnxWFrame(0, row485("write", "200"));
        QCOMPARE(frame.size(), Row485ToKnxWFrameSize);
        QCOMPARE(frame.left(15).toHex(' '),
                 hex("550C6F03 0000 0006 00 0A03 04 00C8 03").toHex(' '));
        QCOMPARE(frame.mid(15, 97),
                 hex("010203") + QByteArray(61, 0x55) + QByteArray(1, 0) + QByteArray(32, 0x55));
        QCOMPARE(frame.right(1), hex("0D"));
        // A read row, even an imported one with a value, sends type 1 and value 0.
        QCOMPARE(row485ToKnxWFrame(7, row485("read", "200")).mid(4, 10),
                 hex("0007 0006 01 0A03 04 0000"));
    }

    void row1ByteAndKnxTo485W()
    {
        const Tele1Byte oneByte{"n", "01 02", "0a", "ff", "", "1/2/3", "1 byte", "200", "10", "5"};
        const QByteArray frame1 = row1ByteFrame(300, oneByte);
        QCOMPARE(frame1.size(), Row1ByteFrameSize);
        QCOMPARE(frame1.mid(3, 14), hex("04 00 2C 0003 00FF 0A03 04 C8 0A 05 02"));
        QCOMPARE(frame1.mid(81, 2), hex("01FF"));
        QCOMPARE(frame1.mid(146, 3), hex("010A55"));
        QCOMPARE(frame1.mid(179, 33), QByteArray(1, 0) + QByteArray(32, 0x55));

        const TeleKnxTo485W knx{"n", "response", "115200", "15/7/255", "2 byte", "40000", "aa bb"};
        const QByteArray frameKnx = rowKnxTo485WFrame(513, knx);
        QCOMPARE(frameKnx.size(), RowKnxTo485WFrameSize);
        QCOMPARE(frameKnx.mid(3, 75),
                 hex("05 0201 02 7FFF 05 9C40 08 02 AABB") + QByteArray(62, 0));
    }

    // Imported cells may hold anything: the frame keeps its size and fields.
    void importedCellTexts()
    {
        Tele485ToKnxW odd = row485("Write", "5");
        odd.length = "3 byte";
        odd.telegram = QString("01 ").repeated(69) + "01";
        odd.ack = odd.telegram;
        const QByteArray frame = row485ToKnxWFrame(0, odd);
        QCOMPARE(frame.size(), Row485ToKnxWFrameSize);
        QCOMPARE(frame.mid(6, 9), hex("0040 01 0A03 FF 0000 40")); // -1 cut to its field
        QCOMPARE(frame.mid(15, 64), QByteArray(64, 0x01));
        QCOMPARE(frame.mid(79, 33), QByteArray(1, 32) + QByteArray(32, 0x01));
        const QByteArray knx = rowKnxTo485WFrame(0, {"", "resp", "300", "1/2/3", "", "9", ""});
        QCOMPARE(knx.mid(6, 8), hex("03 0A03 FF 0009 FF 00"));
    }
};

QTEST_GUILESS_MAIN(TestProtocolFrames)
#include "tst_protocolframes.moc"
