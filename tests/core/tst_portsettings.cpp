#include "portsettings.h"

#include <QTest>

class TestPortSettings : public QObject
{
    Q_OBJECT

private slots:
    void baudRates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rate");
        for (int rate : {2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200})
            QTest::addRow("%d", rate) << QString::number(rate) << rate;
        QTest::newRow("empty") << QString() << 19200;
        QTest::newRow("unknown") << QString("300") << 19200;
        QTest::newRow("blank around") << QString(" 9600") << 19200;
    }

    void baudRates()
    {
        QFETCH(QString, text);
        QFETCH(int, rate);
        PortTexts texts;
        texts.baudRate = text;
        QCOMPARE(portSettingsFromTexts(texts).baudRate, rate);
    }

    void otherSettingsAndFallbacks()
    {
        const PortSettings defaults = portSettingsFromTexts({});
        QCOMPARE(defaults.dataBits, QSerialPort::Data8);
        QCOMPARE(defaults.parity, QSerialPort::NoParity);
        QCOMPARE(defaults.stopBits, QSerialPort::OneStop);
        QCOMPARE(defaults.flowControl, QSerialPort::NoFlowControl);

        const PortSettings chosen =
            portSettingsFromTexts({"115200", "7", "EVEN", "1.5", "HARDWARE"});
        QCOMPARE(chosen.dataBits, QSerialPort::Data7);
        QCOMPARE(chosen.parity, QSerialPort::EvenParity);
        QCOMPARE(chosen.stopBits, QSerialPort::OneAndHalfStop);
        QCOMPARE(chosen.flowControl, QSerialPort::HardwareControl);

        QCOMPARE(portSettingsFromTexts({"", "5", "ODD", "2", "XONXOFF"}).parity,
                 QSerialPort::OddParity);
        QCOMPARE(portSettingsFromTexts({"", "5", "ODD", "2", "XONXOFF"}).stopBits,
                 QSerialPort::TwoStop);
        QCOMPARE(portSettingsFromTexts({"", "5", "ODD", "2", "XONXOFF"}).flowControl,
                 QSerialPort::SoftwareControl);
        QCOMPARE(portSettingsFromTexts({"", "", "MARK", "", ""}).parity, QSerialPort::MarkParity);
        QCOMPARE(portSettingsFromTexts({"", "", "SPACE", "", ""}).parity, QSerialPort::SpaceParity);
        QCOMPARE(portSettingsFromTexts({"", "", "odd", "", ""}).parity, QSerialPort::NoParity);
    }
};

QTEST_GUILESS_MAIN(TestPortSettings)
#include "tst_portsettings.moc"
