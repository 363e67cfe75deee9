#include "pseudoterminal.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

// The pty facts the serial tests and the virtual gateway rely on.
class TestPseudoTerminal : public QObject
{
    Q_OBJECT

private slots:
    void bytesCrossBothWaysUnchanged()
    {
        PseudoTerminal pty;
        QVERIFY2(pty.isOpen(), qPrintable(pty.errorString()));
        QSerialPort port(pty.slavePath());
        QVERIFY(port.open(QIODevice::ReadWrite));

        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        QVERIFY(pty.write(all));
        while (port.bytesAvailable() < all.size())
            QVERIFY(port.waitForReadyRead(1000));
        QCOMPARE(port.readAll(), all);

        port.write(all);
        QVERIFY(port.waitForBytesWritten(1000));
        QCOMPARE(pty.read(all.size(), 1000), all);
    }

    void lineSettingsOfTheOtherSide_data()
    {
        QTest::addColumn<int>("baudRate");
        QTest::addColumn<bool>("twoStopBits");
        for (int rate : {2400, 9600, 14400, 56000, 115200})
            QTest::addRow("%d", rate) << rate << (rate == 56000);
    }

    void lineSettingsOfTheOtherSide()
    {
        QFETCH(int, baudRate);
        QFETCH(bool, twoStopBits);
        PseudoTerminal pty;
        QSerialPort port(pty.slavePath());
        QVERIFY(port.open(QIODevice::ReadWrite));
        port.setBaudRate(baudRate);
        port.setStopBits(twoStopBits ? QSerialPort::TwoStop : QSerialPort::OneStop);
        QCOMPARE(pty.lineSettings().baudRate, quint32(baudRate));
        QCOMPARE(pty.lineSettings().twoStopBits, twoStopBits);
    }

    void closingTheMasterIsSeenAsAnError()
    {
        PseudoTerminal pty;
        QSerialPort port(pty.slavePath());
        QVERIFY(port.open(QIODevice::ReadWrite));
        QSignalSpy errors(&port, &QSerialPort::errorOccurred);
        pty.close();
        QTRY_VERIFY(!errors.isEmpty());
        const auto error = errors.first().first().value<QSerialPort::SerialPortError>();
        QVERIFY(error == QSerialPort::ReadError || error == QSerialPort::ResourceError);
    }
};

QTEST_GUILESS_MAIN(TestPseudoTerminal)
#include "tst_pseudoterminal.moc"
