#include "pacedcall.h"
#include "portnames.h"
#include "portsettings.h"
#include "receivedlines.h"
#include "receivedtext.h"

#include <QTest>

class TestSerialTexts : public QObject
{
    Q_OBJECT

private slots:
    // First match wins; anything else, the empty text included, takes the last row.
    void portSettingsFromSelectorTexts()
    {
        const PortSettings fallback = portSettingsFromTexts({});
        QCOMPARE(fallback.baudRate, 19200);
        QCOMPARE(fallback.dataBits, QSerialPort::Data8);
        QCOMPARE(fallback.parity, QSerialPort::NoParity);
        QCOMPARE(fallback.stopBits, QSerialPort::OneStop);
        QCOMPARE(fallback.flowControl, QSerialPort::NoFlowControl);
        QCOMPARE(portSettingsFromTexts({"56000", "", "", "", ""}).baudRate, 56000);
        QCOMPARE(portSettingsFromTexts({"300", "", "", "", ""}).baudRate, 19200);
        const PortSettings chosen = portSettingsFromTexts({"9600", "7", "EVEN", "1.5", "HARDWARE"});
        QCOMPARE(chosen.dataBits, QSerialPort::Data7);
        QCOMPARE(chosen.parity, QSerialPort::EvenParity);
        QCOMPARE(chosen.stopBits, QSerialPort::OneAndHalfStop);
        QCOMPARE(chosen.flowControl, QSerialPort::HardwareControl);
        QCOMPARE(portSettingsFromTexts({"", "", "odd", "", ""}).parity, QSerialPort::NoParity);
    }

    void windowsPortNames()
    {
        QCOMPARE(windowsPortEntries({"COM3", "ttyS0", "com1", "LPT1"}),
                 QStringList({"COM3", "com1"}));
        QCOMPARE(windowsSystemPortName("COM9").value(), QString("COM9"));
        QCOMPARE(windowsSystemPortName("COM10").value(), QString("\\\\.\\COM10"));
        QCOMPARE(windowsSystemPortName("COM012").value(), QString("\\\\.\\COM012"));
        for (const char *refused : {"COMx", "COM", ""})
            QVERIFY2(!windowsSystemPortName(refused), refused);
    }

#ifndef Q_OS_WIN
    void linuxPortList()
    {
        QCOMPARE(portEntries("/tmp/gw:/dev/pts/4:", {"ttyS0"}),
                 QStringList({"/tmp/gw", "/dev/pts/4", "ttyS0"}));
        QCOMPARE(systemPortName("/tmp/gw").value(), QString("/tmp/gw"));
        QVERIFY(!systemPortName(QString()));
    }
#endif

    // One stream in lines of bounded length, whatever the chunks.
    void receivedTextLines()
    {
        QCOMPARE(byteArrayToHexStr(QByteArray::fromHex("550C0DA0")), QString("55 0C 0D A0 "));
        ReceivedText text;
        QString shown;
        for (int i = 0; i < 10; ++i)
            shown += text.append(QByteArray(7, char(0xAB)), true);
        QCOMPARE(shown, QString("AB ").repeated(32) + "\n" + QString("AB ").repeated(32) + "\n" +
                            QString("AB ").repeated(6));
        text.clear();
        QCOMPARE(text.append(QByteArray("OK\0X\r", 5), false), QString("OKX\n"));
        QCOMPARE(text.append("\nA\rB\nC", false), QString("A\nB\nC")); // CR LF split in two
        QCOMPARE(text.append(QByteArray(200, 'x'), false).split('\n').first().size(),
                 ReceivedText::LineLength - 1);
    }

    // The most recent lines, numbered for good; a run longer than a line goes on
    // in the next; text between positions, clamped to what is held.
    void receivedLinesRing()
    {
        const QString full(ReceivedLines::Width, 'x');
        ReceivedLines lines(3);
        QCOMPARE(lines.text(), QString());
        lines.append("one\ntw");
        lines.append(QByteArray("o\n") + QByteArray(ReceivedLines::Width + 2, 'x'));
        QCOMPARE(lines.text(), "two\n" + full + "\nxx");
        QCOMPARE(lines.first(), 1);
        QCOMPARE(QString(lines.line(2)), full);
        lines.append("\nend");
        QCOMPARE(lines.first(), 2);
        QCOMPARE(QString(lines.line(1)), QString());
        QCOMPARE(lines.text({0, 5}, {4, 2}), full + "\nxx\nen");
        QCOMPARE(lines.text({4, 1}, {4, 9}), QString("nd"));
        lines.clear();
        QCOMPARE(lines.end(), 1);
        QCOMPARE(lines.text(), QString());
    }

    // A call at once, later ones merged into one at the end of the interval.
    void pacedCall()
    {
        int calls = 0;
        PacedCall call(100, [&] { ++calls; });
        call.request();
        QCOMPARE(calls, 1);
        call.request();
        call.request();
        QCOMPARE(calls, 1);
        QTRY_COMPARE(calls, 2);
        call.request();
        call.flush();
        QCOMPARE(calls, 3);
        call.flush();
        QCOMPARE(calls, 3);
    }
};

QTEST_GUILESS_MAIN(TestSerialTexts)
#include "tst_serialtexts.moc"
