#include "portnames.h"

#include <QTest>

class TestPortNames : public QObject
{
    Q_OBJECT

private slots:
    void windowsNames_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::newRow("COM3") << "COM3"
                              << "COM3";
        QTest::newRow("COM9") << "COM9"
                              << "COM9";
        QTest::newRow("COM10") << "COM10"
                               << "\\\\.\\COM10";
        QTest::newRow("COM12") << "COM12"
                               << "\\\\.\\COM12";
        QTest::newRow("leading zero kept") << "COM012"
                                           << "\\\\.\\COM012";
        QTest::newRow("lower case") << "com4"
                                    << "COM4";
        QTest::newRow("no number") << "COMx" << QString();
        QTest::newRow("nothing after COM") << "COM" << QString();
        QTest::newRow("empty list") << "" << QString();
    }

    void windowsNames()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        const std::optional<QString> systemName = windowsSystemPortName(entry);
        QCOMPARE(systemName.has_value(), !name.isEmpty());
        if (systemName)
            QCOMPARE(*systemName, name);
    }

    void windowsListKeepsComPortsInOrder()
    {
        QCOMPARE(windowsPortEntries({"COM3", "ttyS0", "com1", "LPT1", "Com12"}),
                 QStringList({"COM3", "com1", "Com12"}));
    }

#ifndef Q_OS_WIN
    void linuxListsExtraPathsFirst()
    {
        QCOMPARE(portEntries("/tmp/gw:/dev/pts/4:", {"ttyS0", "ttyUSB0"}),
                 QStringList({"/tmp/gw", "/dev/pts/4", "ttyS0", "ttyUSB0"}));
        QCOMPARE(portEntries(QString(), {}), QStringList());
    }

    void linuxEntryOpensWhatItShows()
    {
        QCOMPARE(systemPortName("ttyUSB0").value(), QString("ttyUSB0"));
        QCOMPARE(systemPortName("/tmp/gw").value(), QString("/tmp/gw"));
        QVERIFY(!systemPortName(QString()).has_value());
    }
#endif
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "tst_portnames.moc"
