#include "openfailure.h"
#include "pacedcall.h"
#include "portlisting.h"
#include "portnames.h"
#include "portsettings.h"
#include "protocolcapture.h"
#include "receivedlines.h"
#include "receivedtext.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestSerialTexts : public QObject
{
    Q_OBJECT

private slots:
    // First match wins; anything else, the empty text included, takes the last row.
    void portSettingsFromSelectorTexts()
    {
        const auto fields = [](const PortTexts &texts) {
            const PortSettings s = portSettingsFromTexts(texts);
            return QList<int>({s.baudRate, s.dataBits, s.parity, s.stopBits, s.flowControl});
        };
        const QList<int> fallback = {19200, QSerialPort::Data8, QSerialPort::NoParity,
                                     QSerialPort::OneStop, QSerialPort::NoFlowControl};
        QCOMPARE(fields({}), fallback);
        QCOMPARE(fields({"300", "", "odd", "", ""}), fallback);
        QCOMPARE(fields({"56000", "", "", "", ""}).first(), 56000);
        QCOMPARE(fields({"9600", "7", "EVEN", "1.5", "HARDWARE"}),
                 QList<int>({9600, QSerialPort::Data7, QSerialPort::EvenParity,
                             QSerialPort::OneAndHalfStop, QSerialPort::HardwareControl}));
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
        QCOMPARE(systemPortName("/tmp/gw").value(), QString("/tmp/gw"));
        QVERIFY(!systemPortName(QString()));

        // Extra paths are listed first, only while they exist, each once.
        QTemporaryDir dir;
        const QString gateway = dir.filePath("gateway"), dangling = dir.filePath("dangling");
        QVERIFY(QFile::link("/dev/null", gateway));
        QVERIFY(QFile::link(dir.filePath("nowhere"), dangling));
        const QList<PortEntry> ports =
            listPorts(dir.filePath("gone") + ":" + gateway + ":" + gateway + ":" + dangling);
        QCOMPARE(ports.first().path, gateway);
        QCOMPARE(ports.count(ports.first()), 1);
        for (const PortEntry &port : ports)
            QVERIFY(port.path != dangling && !port.path.startsWith(dir.path() + "/gone"));

        PortEntry adapter{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A50285BI", 0x0403, 0x6001};
        QCOMPARE(portDetails(adapter), QString("/dev/ttyUSB0\nDescription: FT232R USB UART\n"
                                               "Manufacturer: FTDI\nSerial number: A50285BI\n"
                                               "USB vendor:product: 0403:6001"));
        QCOMPARE(portDetails(ports.first()), gateway);
    }

    // A held device names the holder; a device without access names the group.
    void openFailureRemedies()
    {
        QTemporaryDir dir;
        const QString device = dir.filePath("ttyTEST");
        QFile file(device);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(openFailureRemedy(QSerialPort::DeviceNotFoundError, device).isEmpty());
        QVERIFY(openFailureRemedy(QSerialPort::PermissionError, device)
                    .contains("in use by another program"));
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
        if (geteuid() != 0) { // root may open anything
            const QString remedy = openFailureRemedy(QSerialPort::PermissionError, device);
            QVERIFY2(remedy.contains(QRegularExpression("group \"[^\"]+\"")), qPrintable(remedy));
        }
    }
#endif

    // A burst ends after a quiet gap or at a frame sent; every byte in order.
    void protocolCaptureLines()
    {
        const QDateTime time(QDate(2026, 12, 6), QTime(14, 3, 7, 125));
        QCOMPARE(captureLine(time, CaptureDirection::Sent, QByteArray::fromHex("550C0B")),
                 QByteArray("2026-12-06 14:03:07.125 TX 55 0C 0B\n"));

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ProtocolCapture capture(&buffer);
        capture.received("\x0C\x55");
        capture.received("\x06");
        capture.sent("\x55");
        capture.received("\x01");
        QTRY_VERIFY(buffer.data().count('\n') == 3);
        capture.received(QByteArray(ProtocolCapture::MostBytesPerLine + 1, '\xFF'));
        capture.finish();
        capture.received("\x02");
        const QList<QByteArray> lines = buffer.data().split('\n');
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[0].endsWith(" RX 0C 55 06") && lines[1].endsWith(" TX 55"));
        QVERIFY(lines[2].endsWith(" RX 01"));
        QCOMPARE(lines[3].count("FF"), ProtocolCapture::MostBytesPerLine);
        QVERIFY(lines[4].endsWith(" RX FF"));
    }

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
    // in the next; text between positions, clamped to what is held; positions
    // as offsets into the text.
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
        const QString all = lines.text();
        for (int offset = 0; offset <= all.size(); ++offset) {
            const TextPosition at = lines.positionOf(offset);
            QCOMPARE(lines.text({0, 0}, at), all.left(offset));
            QCOMPARE(lines.offsetOf(at), offset);
        }
        QCOMPARE(lines.positionOf(all.size() + 5), lines.endPosition());
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
