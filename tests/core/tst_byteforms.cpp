#include "byteforms.h"

#include <QTest>

namespace {
// n pairs 00 01 02 ... FF 00 ..., separated by single spaces.
QString pairs(int n)
{
    QStringList bytes;
    for (int i = 0; i < n; ++i)
        bytes << QString::asprintf("%02x", i % 256);
    return bytes.join(' ');
}

QByteArray counting(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes.append(char(i % 256));
    return bytes;
}
} // namespace

class TestByteForms : public QObject
{
    Q_OBJECT

private slots:
    void groupAddressBytes_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("0/0/1") << "0/0/1" << QByteArray::fromHex("0001");
        QTest::newRow("1/2/3") << "1/2/3" << QByteArray::fromHex("0A03");
        QTest::newRow("15/7/255") << "15/7/255" << QByteArray::fromHex("7FFF");
        QTest::newRow("main beyond 15 keeps 5 bits") << "31/7/255" << QByteArray::fromHex("FFFF");
        QTest::newRow("empty") << "" << QByteArray::fromHex("0000");
        QTest::newRow("two parts") << "1/2" << QByteArray::fromHex("0A00");
        QTest::newRow("one part") << "9" << QByteArray::fromHex("4800");
        QTest::newRow("masked into fields") << "99/99/999" << QByteArray::fromHex("1BE7");
        QTest::newRow("huge main") << "99999999999999999999/0/0" << QByteArray::fromHex("F800");
        QTest::newRow("letters") << "a/b/c" << QByteArray::fromHex("0000");
        QTest::newRow("points") << "1.2.3" << QByteArray::fromHex("0000");
        QTest::newRow("signed and blank parts") << "+1/-2/ 3" << QByteArray::fromHex("0000");
        QTest::newRow("one bad part") << "1/x/3" << QByteArray::fromHex("0803");
        QTest::newRow("fourth part ignored") << "1/2/3/4" << QByteArray::fromHex("0A03");
        QTest::newRow("empty parts") << "//" << QByteArray::fromHex("0000");
    }

    void groupAddressBytes()
    {
        QFETCH(QString, address);
        QFETCH(QByteArray, bytes);
        QCOMPARE(::groupAddressBytes(address).toHex(' '), bytes.toHex(' '));
    }

    void telegramBytes_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("three bytes") << "01 02 03" << QByteArray::fromHex("010203");
        QTest::newRow("either case") << "ab CD eF" << QByteArray::fromHex("ABCDEF");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("double blank") << "01  02" << QByteArray::fromHex("010002");
        QTest::newRow("leading blank") << " 7E" << QByteArray::fromHex("007E");
        QTest::newRow("trailing blank") << "7E " << QByteArray::fromHex("7E00");
        QTest::newRow("only a blank") << " " << QByteArray::fromHex("0000");
        QTest::newRow("not hex") << "zz 01 g0" << QByteArray::fromHex("000100");
        QTest::newRow("0x prefix") << "0x1F 02" << QByteArray::fromHex("0002");
        QTest::newRow("sign") << "-1 +1" << QByteArray::fromHex("0000");
        QTest::newRow("hyphen inside a piece") << "01-02" << QByteArray::fromHex("00");
        QTest::newRow("one digit") << "7" << QByteArray::fromHex("07");
        QTest::newRow("low eight bits") << "1ff 123" << QByteArray::fromHex("FF23");
        QTest::newRow("beyond 64 bits") << "123456789abcdef0123" << QByteArray::fromHex("23");
        QTest::newRow("64 pairs") << pairs(64) << counting(64);
        QTest::newRow("300 pairs") << pairs(300) << counting(300);
    }

    void telegramBytes()
    {
        QFETCH(QString, cell);
        QFETCH(QByteArray, bytes);
        QCOMPARE(::telegramBytes(cell).toHex(' '), bytes.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestByteForms)
#include "tst_byteforms.moc"
