#include "comportoption.h"
#include "portnames.h"
#include "recentnetworkports.h"
#include "scopedworkdir.h"
#include "telnet.h"
#include "telnetoptions.h"
#include "telnetreader.h"
#include "telnetwriter.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {
// What ser2net 4.3 sends on a new RFC 2217 connection (WILL and DO
// suppress go-ahead, WILL and DONT echo, DO and WILL binary, DO com port),
// then a modem-state notification, data with an escaped 0xFF, the
// acknowledgement of 115200 baud and a no-operation.
const QByteArray fromSer2net = QByteArray::fromHex("FFFB03FFFD03FFFB01FFFE01FFFD00FFFB00FFFD2C"
                                                   "FFFA2C6B00FFF0"
                                                   "0CFFFF55"
                                                   "FFFA2C650001C200FFF0FFF1"
                                                   "0D");

QList<TelnetCommand> negotiations(const QByteArray &verbsAndOptions)
{
    QList<TelnetCommand> commands;
    for (qsizetype at = 0; at + 1 < verbsAndOptions.size(); at += 2)
        commands << TelnetCommand{quint8(verbsAndOptions[at]), quint8(verbsAndOptions[at + 1]),
                                  QByteArray()};
    return commands;
}
} // namespace

// The telnet and RFC 2217 parts of the network ports, and their names.
class TestNetworkPorts : public QObject
{
    Q_OBJECT

private slots:
    // What ser2net sends, read whole (fuzz_telnetreader splits streams). A
    // subnegotiation cut short by a command gives way to it.
    void readerTakesWhatSer2netSends()
    {
        TelnetReader reader;
        const TelnetInput read = reader.feed(fromSer2net);
        QCOMPARE(read.data, QByteArray::fromHex("0CFF550D"));
        const QList<TelnetCommand> greeting =
            negotiations(QByteArray::fromHex("FB03FD03FB01FE01FD00FB00FD2C"))
            << TelnetCommand{Telnet::Sb, Telnet::OptionComPort, QByteArray::fromHex("6B00")}
            << TelnetCommand{Telnet::Sb, Telnet::OptionComPort, QByteArray::fromHex("650001C200")};
        QCOMPARE(read.commands, greeting);
        const TelnetInput cut = reader.feed(QByteArray::fromHex("FFFA2C01FFFF00FFFD00AA"));
        QCOMPARE(cut.data, QByteArray::fromHex("AA"));
        QCOMPARE(cut.commands, negotiations(QByteArray::fromHex("FD00")));
        const QByteArray escaped = telnetSubnegotiation(44, QByteArray::fromHex("0100FFFF00"));
        QCOMPARE(escaped, QByteArray::fromHex("FFFA2C0100FFFFFFFF00FFF0"));
        QCOMPARE(reader.feed(escaped).commands.value(0).parameters,
                 QByteArray::fromHex("0100FFFF00"));
        QCOMPARE(telnetData(QByteArray::fromHex("01FF02FF")), QByteArray::fromHex("01FFFF02FFFF"));
    }

    // The client's offers and its answers to ser2net's greeting: suppress
    // go-ahead taken, echo refused, binary and the com port on without more.
    void optionsAgreeWithSer2net()
    {
        TelnetOptions options(
            {Telnet::OptionBinary, Telnet::OptionSuppressGoAhead, Telnet::OptionComPort},
            {Telnet::OptionBinary, Telnet::OptionSuppressGoAhead});
        QCOMPARE(options.offer(Telnet::OptionComPort) + options.offer(Telnet::OptionBinary) +
                     options.ask(Telnet::OptionBinary),
                 QByteArray::fromHex("FFFB2CFFFB00FFFD00"));
        QCOMPARE(options.offer(Telnet::OptionComPort), QByteArray());
        QByteArray answers;
        for (const TelnetCommand &command : TelnetReader().feed(fromSer2net).commands)
            answers += options.receive(command.verb, command.option);
        QCOMPARE(answers, QByteArray::fromHex("FFFD03FFFB03FFFE01"));
        QVERIFY(options.isOwnEnabled(Telnet::OptionComPort) &&
                options.isOwnEnabled(Telnet::OptionBinary) &&
                options.isPeerEnabled(Telnet::OptionBinary));
        QVERIFY(!options.isPeerEnabled(1) && !options.isRefused(Telnet::OptionComPort));
        // Said again, nothing changes and nothing is answered.
        QCOMPARE(options.receive(Telnet::Do, Telnet::OptionComPort), QByteArray());
        // Switched off by the peer, then refused when offered again.
        QCOMPARE(options.receive(Telnet::Dont, Telnet::OptionComPort),
                 QByteArray::fromHex("FFFC2C"));
        QCOMPARE(options.offer(Telnet::OptionComPort), QByteArray::fromHex("FFFB2C"));
        QCOMPARE(options.receive(Telnet::Dont, Telnet::OptionComPort), QByteArray());
        QVERIFY(options.isRefused(Telnet::OptionComPort));
    }

    // The bytes ser2net acknowledged, measured; its notifications are no
    // acknowledgement.
    void comPortCommandsAndAcknowledgements()
    {
        PortSettings settings;
        settings.baudRate = 115200;
        settings.parity = QSerialPort::EvenParity;
        settings.stopBits = QSerialPort::TwoStop;
        QByteArrayList sent;
        for (const ComPortCommand &command : comPortCommands(settings))
            sent << command.parameters().toHex(' ').toUpper();
        QCOMPARE(sent, QByteArrayList({"01 00 01 C2 00", "02 08", "03 03", "04 02", "05 01"}));
        settings.stopBits = QSerialPort::OneAndHalfStop;
        settings.flowControl = QSerialPort::HardwareControl;
        QCOMPARE(comPortCommands(settings).at(3).value, QByteArray(1, 3));
        QVERIFY(!comPortCommands(settings).at(4).isAcknowledged());
        QCOMPARE(comPortCommands(settings).at(4).value, QByteArray(1, 3));
        QCOMPARE(acknowledgedCommand(QByteArray::fromHex("650001C200")), quint8(1));
        QCOMPARE(acknowledgedCommand(QByteArray::fromHex("6802")), quint8(4));
        for (const char *notification : {"6B00", "6A60", "6901", "6C", "64414243"})
            QVERIFY2(!acknowledgedCommand(QByteArray::fromHex(notification)), notification);
    }

    void portNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("rfc2217") << "rfc2217://127.0.0.1:2000" << int(LineKind::Rfc2217)
                                 << "127.0.0.1" << 2000;
        QTest::newRow("tcp, a name")
            << "tcp://gateway-7.local:4001" << int(LineKind::RawTcp) << "gateway-7.local" << 4001;
        QTest::newRow("IPv6") << "rfc2217://[::1]:65535" << int(LineKind::Rfc2217) << "::1"
                              << 65535;
        QTest::newRow("device") << "/dev/ttyUSB0" << int(LineKind::Local) << QString() << 0;
        for (const char *wrong :
             {"rfc2217://127.0.0.1", "tcp://:2000", "tcp://h:0", "tcp://h:70000", "tcp://h:20/x",
              "tcp://u@h:20", "rfc2217://h:2x"})
            QTest::newRow(wrong) << wrong << int(lineKindOf(wrong)) << QString() << 0;
    }

    void portNames()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, host);
        QFETCH(int, port);
        QCOMPARE(int(lineKindOf(name)), kind);
        const std::optional<NetworkPort> address = networkPortOf(name);
        QCOMPARE(address.has_value(), port != 0);
        if (!address) {
            QVERIFY(kind == int(LineKind::Local) || name.contains("//"));
            return;
        }
        QCOMPARE(address->host, host);
        QCOMPARE(int(address->port), port);
        QCOMPARE(networkPortName(*address), name);
    }

    // The host field of the network-port dialog as users write it.
    void hostFields()
    {
        const auto field = [](const QString &text) {
            const std::optional<HostField> parsed = hostFieldOf(text);
            if (!parsed)
                return QString("none");
            return parsed->host + (parsed->port ? QString(" %1").arg(*parsed->port) : QString());
        };
        QCOMPARE(field("[::1]"), QString("::1"));
        QCOMPARE(field(" ::1 "), QString("::1"));
        QCOMPARE(field("[::1]:2217"), QString("::1 2217"));
        QCOMPARE(field("fe80::1:2217"), QString("fe80::1:2217")); // an address, no port
        QCOMPARE(field("gw.local:4001"), QString("gw.local 4001"));
        QCOMPARE(field("10.0.0.7"), QString("10.0.0.7"));
        for (const char *wrong : {"", "[::1", "[::1]x", "[::1]:0", "[gw]:20", "gw:", "gw:70000",
                                  "gw:+20", "a b", "u@gw", "gw/x", ":::"})
            QVERIFY2(field(wrong) == "none", wrong);
        QCOMPARE(networkPortName({LineKind::Rfc2217, hostFieldOf("[::1]")->host, 2217}),
                 QString("rfc2217://[::1]:2217"));
    }

    // Two names of one device are one device; a network port is its host and port.
    void deviceIdentities()
    {
        ScopedWorkDir dir;
        QVERIFY(dir.write("device", ""));
        QVERIFY(QFile::link(dir.filePath("device"), dir.filePath("by-id")));
        QCOMPARE(deviceIdentity(dir.filePath("by-id")), deviceIdentity("device"));
        QVERIFY(deviceIdentity("/dev/rs485-none") != deviceIdentity("device"));
        QCOMPARE(deviceIdentity("rfc2217://[0:0::1]:2000"), deviceIdentity("tcp://[::1]:2000"));
        QCOMPARE(deviceIdentity("tcp://GW.local:2000"), deviceIdentity("tcp://gw.local:2000"));
        QVERIFY(deviceIdentity("tcp://gw.local:2000") != deviceIdentity("tcp://gw.local:2001"));
    }

    // Newest first, five at most, beside the language, and only valid names;
    // reading without the file creates none. A working directory whose file
    // cannot be written leaves them to the user's file, read back from there.
    void recentPortsKeptBesideTheLanguage()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(userSettingsFile());
        ScopedWorkDir dir;
        QCOMPARE(readRecentNetworkPorts(), QStringList());
        QVERIFY(!QFile::exists("config.ini"));
        QVERIFY(dir.write("config.ini", "[GeneralSettings]\nlanguage=0\n"));
        QStringList recent;
        for (int port = 1; port <= 7; ++port)
            recent = withRecentNetworkPort(recent, QString("tcp://h:%1").arg(port));
        recent = withRecentNetworkPort(recent, "tcp://h:5");
        QCOMPARE(recent,
                 QStringList({"tcp://h:5", "tcp://h:7", "tcp://h:6", "tcp://h:4", "tcp://h:3"}));
        QCOMPARE(writeRecentNetworkPorts(recent + QStringList{"no port", "tcp://h:9"}),
                 SettingsWritten::InWorkingDirectory);
        QCOMPARE(readRecentNetworkPorts(), recent);
        QCOMPARE(QSettings("config.ini", QSettings::IniFormat).value("GeneralSettings/language"),
                 QVariant("0"));

        QVERIFY(QFile::remove("config.ini") && QDir().mkdir("config.ini"));
        QCOMPARE(writeRecentNetworkPorts(recent.mid(1)), SettingsWritten::InUserDirectory);
        QCOMPARE(readRecentNetworkPorts(), recent.mid(1));
        QVERIFY(QFile::remove(userSettingsFile()));
    }
};

QTEST_GUILESS_MAIN(TestNetworkPorts)
#include "tst_networkports.moc"
