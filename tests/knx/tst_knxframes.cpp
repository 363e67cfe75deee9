#include "cemiframes.h"
#include "knxaddresses.h"
#include "knxinterface.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<GroupTelegram>)

class TestKnxFrames : public QObject
{
    Q_OBJECT

private slots:
    void cemiGroupTelegrams_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<std::optional<GroupTelegram>>("carried");
        // Group telegrams from knxd are taken in tst_knxconnection; these it does not send.
        QTest::newRow("additional info, response")
            << QByteArray("29020300bce011010a05010041")
            << std::optional<GroupTelegram>({0x1101, 0x0A05, GroupService::Response, "\x01", true});
        QTest::newRow("individual destination")
            << QByteArray("2900bc6011011102010080") << std::optional<GroupTelegram>();
        QTest::newRow("other service")
            << QByteArray("2900bce011010a050100c0") << std::optional<GroupTelegram>();
        QTest::newRow("connected transport")
            << QByteArray("2900bce011010a05014080") << std::optional<GroupTelegram>();
        QTest::newRow("short of its length")
            << QByteArray("2900bce011010a050200") << std::optional<GroupTelegram>();
    }

    void cemiGroupTelegrams()
    {
        QFETCH(QByteArray, hex);
        QFETCH(std::optional<GroupTelegram>, carried);
        const QByteArray bytes = QByteArray::fromHex(hex);
        const std::optional<CemiFrame> frame = decodeCemiFrame(bytes);
        QCOMPARE(frame ? groupTelegramOf(*frame) : std::nullopt, carried);
        if (frame)
            QCOMPARE(encodeCemiFrame(*frame), bytes);
    }

    void addressesAndInterfaces()
    {
        QCOMPARE(parseGroupAddress(" 31/7/255 "), std::optional<quint16>(0xFFFF));
        QCOMPARE(groupAddressText(0x0A03), QString("1/2/3"));
        QCOMPARE(parseIndividualAddress("15.15.250"), std::optional<quint16>(0xFFFA));
        for (const char *refused : {"32/0/0", "1/8/0", "1/2", "1/2/3/4", "1/2/+3", "1/2/ 3"})
            QVERIFY2(!parseGroupAddress(refused), refused);
        QVERIFY(!parseIndividualAddress("16.0.0"));

        for (const char *text :
             {"192.168.1.10:3671", "knx-gw.example:3700", "routing", "routing:3700"})
            QCOMPARE(parseKnxInterface(text)->text(), QString(text));
        QCOMPARE(parseKnxInterface("10.0.0.5")->text(), QString("10.0.0.5:3671"));
        for (const char *refused : {"", "10.0.0.5:0", "10.0.0.5:65536", "300.1.1.1", "1.2.3",
                                    "host:1:2", "a b", "-gw", "[::1]:3671"})
            QVERIFY2(!parseKnxInterface(refused), refused);
    }
};

QTEST_GUILESS_MAIN(TestKnxFrames)
#include "tst_knxframes.moc"
