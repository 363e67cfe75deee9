#include "downloadframes.h"
#include "gatewayemulator.h"
#include "knxdserver.h"
#include "toolport.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {
// What knxd's bus carries, from knxtool's bus monitor, which tells short data
// from data bytes: "Write 1/2/3 (small) 01", "Write 1/2/30 9C 40", "Read 1/2/10".
class BusMonitor
{
public:
    explicit BusMonitor(const KnxdServer &server)
    {
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] {
            static const QRegularExpression telegram(
                QStringLiteral("to (\\S+) hops: \\d+ T_Data_Group A_GroupValue_(\\w+)(.*)"));
            while (process.canReadLine()) {
                const QRegularExpressionMatch match =
                    telegram.match(QString::fromLatin1(process.readLine()));
                if (match.hasMatch())
                    heard << (match.captured(2) + ' ' + match.captured(1) + match.captured(3))
                                 .simplified();
            }
        });
        process.start(KnxdServer::program("knxtool"), {"vbusmonitor1", server.clientUrl()});
    }
    ~BusMonitor() { process.kill(), process.waitForFinished(5000); }
    bool waitUntilListening(const KnxdServer &server)
    {
        return QTest::qWaitFor(
            [&] {
                server.knxtool("groupswrite", {"31/7/255", "0"});
                return QTest::qWaitFor([&] { return !heard.isEmpty(); }, 500);
            },
            10000);
    }

    QProcess process;
    QStringList heard;
};

// A telegram written on the line or a knxtool command on the bus, and what
// follows: the group telegrams to the gateway's addresses (main groups 1 and
// 2) | the bytes that come back on the line.
struct Step
{
    QByteArray telegram;
    QStringList knxtool;
    QString outcome;
};

const QList<Step> script = {
    {"010203", {}, "Write 1/2/3 (small) 01 | 0A 0B"},
    {"0102", {}, "Read 1/2/10 | "},
    {"05", {}, "Write 1/2/20 C8 | 06"},
    {"07", {}, "Write 1/2/30 9C 40 | 08"},
    {"01020304", {}, " | "},
    // The 1-byte row from 100 to 200 by 60: up, up to the maximum, down, down to the minimum.
    {"11", {}, "Write 2/3/4 A0 | 21"},
    {"11", {}, "Write 2/3/4 C8 | 21"},
    {"12", {}, "Write 2/3/4 8C | 22"},
    {"12", {}, "Write 2/3/4 64 | 22"},
    {{}, {"groupswrite", "3/4/5", "1"}, " | AA 01"},
    {{}, {"groupswrite", "3/4/5", "0"}, " | "},
    {{}, {"groupwrite", "3/4/5", "01"}, " | "},
    {{}, {"groupswrite", "3/4/6", "1"}, " | "},
    {{}, {"groupsresponse", "3/4/15", "0"}, " | AA 02"},
    {{}, {"groupswrite", "3/4/15", "0"}, " | "},
    {{}, {"groupwrite", "3/4/25", "C8"}, " | AA 03"},
    {{}, {"groupwrite", "3/4/25", "C9"}, " | "},
    {{}, {"groupread", "3/4/35"}, " | AA 04"},
    {"010203", {}, "Write 1/2/3 (small) 01 | 0A 0B"},
};

// The tables' download: 4 + 1 + 4 rows.
QByteArray download()
{
    TelegramTables tables;
    tables.setCells(TelegramTable::Tele485ToKnxW,
                    {{"", "01 02 03", "0A 0B", "write", "1/2/3", "1 bit", "1"},
                     {"", "01 02", "", "read", "1/2/10", "1 byte", ""},
                     {"", "05", "06", "write", "1/2/20", "1 byte", "200"},
                     {"", "07", "08", "write", "1/2/30", "2 byte", "40000"}});
    tables.setCells(TelegramTable::Tele1Byte,
                    {{"", "11", "21", "12", "22", "2/3/4", "1 byte", "100", "200", "60"}});
    tables.setCells(TelegramTable::TeleKnxTo485W,
                    {{"", "write", "9600", "3/4/5", "1 bit", "1", "AA 01"},
                     {"", "response", "9600", "3/4/15", "1 bit", "0", "AA 02"},
                     {"", "write", "115200", "3/4/25", "1 byte", "200", "AA 03"},
                     {"", "read", "9600", "3/4/35", "1 byte", "", "AA 04"}});
    QByteArray frames = tableSizesFrame(4, 1, 4) + row1ByteFrame(0, tables.rows1Byte.at(0));
    for (quint16 row = 0; row < 4; ++row)
        frames += row485ToKnxWFrame(row, tables.rows485ToKnxW.at(row)) +
                  rowKnxTo485WFrame(row, tables.rowsKnxTo485W.at(row));
    return frames;
}
} // namespace

// The virtual gateway in working mode between the line (its pseudo-terminal)
// and a real knxd, with knxtool as the other party on the bus.
class TestGatewayWorkingMode : public QObject
{
    Q_OBJECT

    KnxdServer knxd;
    BusMonitor bus{knxd};
    QString logText;
    QTextStream log{&logText};

    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<ToolPort> line;

    // A gateway on the knxd, with the tables downloaded over its line.
    void start(const QString &knxUrl, const RowFaults &faults = {})
    {
        gateway = std::make_unique<GatewayEmulator>();
        gateway->setLog(&log);
        gateway->setRowFaults(faults);
        gateway->connectKnx(knxUrl);
        line = std::make_unique<ToolPort>(gateway->portPath());
        QVERIFY(line->open());
        QVERIFY(line->send(download()));
        QTRY_VERIFY_WITH_TIMEOUT(gateway->downloadComplete() && gateway->knxConnected(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(line->received.size(), CommandAnswerLength + 9 * RowAnswerLength,
                                  10000);
    }

    // The group telegrams to the gateway's addresses since `from` | the bytes since `lineFrom`.
    QString outcome(qsizetype from, qsizetype lineFrom) const
    {
        static const QRegularExpression gatewayAddress(QStringLiteral("^\\w+ [12]/"));
        return bus.heard.mid(from).filter(gatewayAddress).join("; ") + " | " +
               line->received.mid(lineFrom).toHex(' ').toUpper();
    }

    void run(const Step &step)
    {
        QSignalSpy fromLine(gateway.get(), &GatewayEmulator::lineTelegramHandled);
        QSignalSpy fromBus(gateway.get(), &GatewayEmulator::groupTelegramHandled);
        if (step.knxtool.isEmpty()) {
            QVERIFY(line->send(QByteArray::fromHex(step.telegram)));
            QVERIFY(fromLine.wait(10000));
            QCOMPARE(fromLine.first().first().toByteArray().toHex(), step.telegram);
        } else {
            bool ok = false;
            knxd.knxtool(step.knxtool.first(), step.knxtool.mid(1), &ok);
            QVERIFY(ok);
            const QVariant group = *busGroupAddress(step.knxtool.at(1));
            QTRY_VERIFY_WITH_TIMEOUT(
                std::any_of(fromBus.cbegin(), fromBus.cend(),
                            [&](const QList<QVariant> &signal) { return signal.first() == group; }),
                10000);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(knxd.isRunning());
        QVERIFY(bus.waitUntilListening(knxd));
    }

    void init() { logText.clear(); }

    void cleanup()
    {
        line.reset();
        gateway.reset();
        if (QTest::currentTestFailed())
            qInfo().noquote() << logText;
    }

    // Each row kind once, and telegrams that must not act; a fault option
    // changes what exactly one row does.
    void rowsDoWhatTheTablesSay_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("changed"); // "step: outcome"
        QTest::newRow("as downloaded") << "" << QStringList();
        QTest::newRow("misroute 485-to-KNX:0") << "misroute 485-to-KNX:0"
                                               << QStringList{"0: Write 1/2/4 (small) 01 | 0A 0B",
                                                              "18: Write 1/2/4 (small) 01 | 0A 0B"};
        QTest::newRow("wrong value 485-to-knx:3")
            << "wrong-value 485-to-knx:3" << QStringList{"3: Write 1/2/30 9C 41 | 08"};
        QTest::newRow("wrong value 1-byte:0")
            << "wrong-value 1-byte:0"
            << QStringList{"5: Write 2/3/4 A1 | 21", "6: Write 2/3/4 C9 | 21",
                           "7: Write 2/3/4 8D | 22", "8: Write 2/3/4 65 | 22"};
        QTest::newRow("misroute KNX-to-485:0")
            << "misroute KNX-to-485:0" << QStringList{"9:  | ", "12:  | AA 01"};
        QTest::newRow("wrong value KNX-to-485:2")
            << "wrong-value KNX-to-485:2" << QStringList{"15:  | ", "16:  | AA 03"};
    }

    void rowsDoWhatTheTablesSay()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, changed);
        RowFaults faults;
        GatewayRow row;
        QCOMPARE(parseGatewayRow(fault.section(' ', 1), &row), !fault.isEmpty());
        if (!fault.isEmpty())
            (fault.startsWith("misroute") ? faults.misrouted : faults.wrongValues) << row;
        start(knxd.clientUrl(), faults);
        if (QTest::currentTestFailed())
            return;

        QStringList expected;
        for (const Step &step : script)
            expected << step.outcome;
        for (const QString &change : changed)
            expected[change.section(": ", 0, 0).toInt()] = change.section(": ", 1);
        for (qsizetype i = 0; i < script.size(); ++i) {
            const qsizetype heardBefore = bus.heard.size();
            const qsizetype lineBefore = line->received.size();
            run(script.at(i));
            if (QTest::currentTestFailed())
                return;
            QTRY_COMPARE_WITH_TIMEOUT(outcome(heardBefore, lineBefore), expected.at(i), 10000);
        }
    }

    // knxd going away is said, the line side goes on, and group telegrams
    // are logged as not sent.
    void knxdGoesAway()
    {
        KnxdServer doomed;
        start(doomed.clientUrl());
        if (QTest::currentTestFailed())
            return;
        QSignalSpy connection(gateway.get(), &GatewayEmulator::knxConnectedChanged);
        doomed.kill();
        QVERIFY(connection.wait(10000));
        QVERIFY(!gateway->knxConnected());
        const qsizetype lineBefore = line->received.size();
        run({"05", {}, {}});
        QTRY_COMPARE_WITH_TIMEOUT(line->received.mid(lineBefore), QByteArray("\x06"), 10000);
        QVERIFY(logText.contains("KNX: lost the connection to knxd at " + doomed.clientUrl()));
        QVERIFY(logText.contains("KNX write 1/2/20 value 200 (1 byte) (not sent: not connected"));
    }
};

QTEST_GUILESS_MAIN(TestGatewayWorkingMode)
#include "tst_gatewayworkingmode.moc"
