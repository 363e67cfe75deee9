#include "frame.h"

#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
} // namespace

class TestFrame : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("scan probe") << buildFrame(CMD_READ_SERIAL_PARAMETERS, scanProbePayload())
                                    << hex("550C0B00676574506172616D039D0D");
        QTest::newRow("debug mode")
            << buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(DebugMode))
            << hex("550C0C01776F726B6D6F64650103D70D");
        QTest::newRow("working mode")
            << buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(WorkingMode))
            << hex("550C0C01776F726B6D6F64650203D80D");
        QTest::newRow("9600 1 None")
            << buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(2, 0, 0))
            << hex("550C06020200 00006B0D");
        QTest::newRow("19200 2 EVEN")
            << buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(4, 2, 2))
            << hex("550C060204020200710D");
        QTest::newRow("115200 1 None")
            << buildFrame(CMD_SET_SERIAL_PARAMETERS, serialParametersPayload(8, 0, 0))
            << hex("550C060208000000710D");
        QTest::newRow("empty table sizes") << buildFrame(CMD_TABLE_SIZES, QByteArray(6, '\0'))
                                           << hex("550C090A00000000000000740D");
    }

    void workedExamples()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
    }

    void lengthAndChecksumCarry()
    {
        // 0x55 + 0x0C + LEN + CMD + 200 * 0xFF overflows the low byte many times.
        const QByteArray payload(200, char(0xFF));
        const QByteArray frame = buildFrame(CMD_ROW_1BYTE, payload);
        QCOMPARE(frame.size(), 207);
        QCOMPARE(quint8(frame.at(2)), quint8(203));
        const quint32 sum = 0x55 + 0x0C + 203 + 0x04 + 200 * 0xFF;
        QCOMPARE(quint8(frame.at(204)), quint8((sum >> 8) & 0xFF));
        QCOMPARE(quint8(frame.at(205)), quint8(sum & 0xFF));
        QCOMPARE(quint8(frame.back()), FrameEnd);
    }

    void checksumWrapsAt65536()
    {
        QCOMPARE(byteSum(QByteArray(257, char(0xFF))), quint16((257 * 0xFF) % 65536));
        QCOMPARE(byteSum(QByteArray(300, char(0xFF))), quint16((300 * 0xFF) % 65536));
        QCOMPARE(byteSum({}), quint16(0));
    }

    void answerFraming_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<bool>("framed");
        QTest::newRow("8 bytes") << hex("0C550000000000 0D") << true;
        QTest::newRow("shortest") << hex("0C55") << false;
        QTest::newRow("3 bytes") << hex("0C550D") << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("one byte") << hex("0C") << false;
        QTest::newRow("own start bytes") << hex("550C00000000000D") << false;
        QTest::newRow("wrong second byte") << hex("0C560000000000 0D") << false;
        QTest::newRow("wrong end") << hex("0C55000000000000") << false;
    }

    void answerFraming()
    {
        QFETCH(QByteArray, block);
        QFETCH(bool, framed);
        QCOMPARE(isAnswerFrame(block), framed);
    }

    void scanAnswerSettingsClampOutOfRange_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("stop");
        QTest::addColumn<int>("parity");
        QTest::newRow("in range") << hex("0C5500000802010000 0D") << 8 << 2 << 1;
        QTest::newRow("out of range") << hex("0C5500000B07FF0000 0D") << 5 << 0 << 0;
        QTest::newRow("first invalid") << hex("0C550000090300000 00D") << 5 << 0 << 0;
    }

    void scanAnswerSettingsClampOutOfRange()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, baud);
        QFETCH(int, stop);
        QFETCH(int, parity);
        const SerialSettings settings = scanAnswerSettings(answer);
        QCOMPARE(settings.baudIndex, baud);
        QCOMPARE(settings.stopBitIndex, stop);
        QCOMPARE(settings.parityIndex, parity);
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "tst_frame.moc"
