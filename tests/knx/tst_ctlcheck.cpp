#include "ctlprocess.h"
#include "knxdserver.h"
#include "projectfiles.h"
#include "sampletables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <csignal>

namespace {
// The gateway program on knxd, holding the project's tables when one is given.
class Gateway
{
public:
    Gateway(const QTemporaryDir &dir, const QString &name, const KnxdServer &knxd,
            const QString &project, const QStringList &faults = {})
        : link(dir.filePath(name))
    {
        process.start(GATEWAY_EMULATOR,
                      QStringList{"--link", link, "--knx", knxd.clientUrl()} + faults);
        if (!QTest::qWaitFor([this] { return log().contains("KNX: connected"); }, 10000) ||
            (!project.isEmpty() && rs485ctl({"download", project, "--port", link}).exitCode != 0))
            qWarning("the gateway %s did not start", qPrintable(name));
    }
    ~Gateway() { process.terminate(), process.waitForFinished(5000); }
    QString log() { return logged += QString::fromUtf8(process.readAllStandardError()); }

    const QString link;

private:
    QProcess process;
    QString logged;
};
} // namespace

// rs485ctl check as a user runs it: gateway programs on knxd, their tables
// downloaded by rs485ctl, checked over one tunnel.
class TestCtlCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    KnxdServer knxd;
    QString project;

    QStringList check(const QStringList &ports)
    {
        QStringList arguments{"check", project, "--knx", knxd.interfaceText()};
        for (const QString &port : ports)
            arguments << "--port" << port;
        return arguments;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(knxd.isRunning(), qPrintable(knxd.log()));
        project = dir.filePath("project.db");
        QVERIFY(writeProjectAt(project, checkSampleTables()));
    }

    // Two gateways at once on one connection: every row passes; the JSON
    // report's shape. The rows selected, in table order.
    void gatewaysPass()
    {
        const Gateway first(dir, "first", knxd, project);
        const Gateway second(dir, "second", knxd, project);
        const Outcome both = rs485ctl(check({first.link, second.link}) << "--json");
        QCOMPARE(both.exitCode, 0);
        const QJsonObject report = QJsonDocument::fromJson(both.out.toUtf8()).object();
        QCOMPARE(report["knx"].toString(), knxd.interfaceText());
        const QJsonArray ports = report["ports"].toArray();
        QCOMPARE(ports.size(), 2);
        for (const QJsonValue port : ports) {
            QCOMPARE(port["result"].toString(), QString("done"));
            QCOMPARE(port["summary"].toObject(),
                     QJsonObject({{"passed", 7}, {"failed", 0}, {"skipped", 0}}));
            QJsonObject fan = port["rows"].toArray().at(5).toObject();
            QVERIFY(fan.take("reactionMs").toInt(-1) >= 0);
            QCOMPARE(fan, QJsonObject({{"table", "KNX-to-485"},
                                       {"row", 2},
                                       {"name", "Fan"},
                                       {"outcome", "passed"},
                                       {"words", ""}}));
        }
        QVERIFY2(both.err.contains(first.link + " KNX-to-485 row 2 \"Fan\" PASS\n"),
                 qPrintable(both.err));

        const Outcome some =
            rs485ctl(check({first.link}) + QStringList{"--rows", "knx-to-485:2,485-TO-KNX:2,1"});
        QCOMPARE(some.exitCode, 0);
        QCOMPARE(some.out.section('\n', 0, 2),
                 QStringList({first.link + " 485-to-KNX row 1 \"Light\" PASS",
                              first.link + " 485-to-KNX row 2 \"Temperature\" PASS",
                              first.link + " KNX-to-485 row 2 \"Fan\" PASS"})
                     .join('\n'));
        const QRegularExpression summary("\nPORT +RESULT +PASSED +FAILED +SKIPPED +TIME "
                                         "+DETAILS\n\\S+ +done +3 +0 +0 +\\d+\\.\\d s ");
        QVERIFY2(some.out.contains(summary), qPrintable(some.out));
    }

    // A misrouted row fails with what came instead, that row alone; the
    // other gateway's telegrams are not taken for it.
    void misroutedRowFails()
    {
        const Gateway good(dir, "good", knxd, project);
        const Gateway misrouted(dir, "misrouted", knxd, project, {"--misroute", "485-to-KNX:0"});
        const Outcome outcome = rs485ctl(check({good.link, misrouted.link}));
        QCOMPARE(outcome.exitCode, 1);
        const QStringList lines = outcome.out.split('\n').filter(" row ");
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines.filter(" PASS").size(), 13);
        QCOMPARE(lines.filter(" FAIL").join('\n'),
                 misrouted.link + " 485-to-KNX row 1 \"Light\" FAIL: KNX 1/2/4 instead of 1/2/3");
        QVERIFY(outcome.out.contains(QRegularExpression(" done +6 +1 +0 ")));
    }

    // Exit 2 and nothing sent: a bad --rows, rows the project lacks, an
    // interface that does not answer. Ctrl+C ends a check with 130.
    void refusedOrInterrupted()
    {
        Gateway idle(dir, "idle", knxd, QString());
        const QList<std::pair<QStringList, QString>> cases = {
            {{"--rows", "485-to-KNX:0"}, "--rows: \"485-to-KNX:0\" is no TABLE:ROWS"},
            {{"--rows", "pumps:1-3"}, "--rows: \"pumps:1-3\" is no TABLE:ROWS"},
            {{"--rows", "1-byte:1,3"},
             "1-byte row 3 is not in the project, whose table holds 1 row"},
            {{"--knx", "127.0.0.1:9"}, "No answer from the KNX interface at 127.0.0.1:9"}};
        for (const auto &[options, reason] : cases) {
            const Outcome outcome = rs485ctl(check({idle.link}) + options);
            QCOMPARE(outcome.exitCode, 2);
            QVERIFY2(outcome.err.contains(reason), qPrintable(outcome.err));
        }
        QCOMPARE(rs485ctl({"mode", "working", "--port", idle.link}).exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(idle.log().contains("rx #1 "), 5000);
        QVERIFY2(!idle.log().contains("rx #2 "), qPrintable(idle.log()));

        // Its second row waits a minute for what it awaits.
        const Gateway busy(dir, "busy", knxd, project, {"--misroute", "485-to-KNX:1"});
        QProcess running;
        running.start(RS485CTL, check({busy.link}) + QStringList{"--timeout", "60"});
        QVERIFY(QTest::qWaitFor([&] { return running.canReadLine(); }, 20000));
        ::kill(pid_t(running.processId()), SIGINT);
        const Outcome interrupted = finish(running);
        QCOMPARE(interrupted.exitCode, 130);
        QVERIFY2(interrupted.out.contains(QRegularExpression(" interrupted +1 +0 +0 ")),
                 qPrintable(interrupted.out));
    }
};

QTEST_GUILESS_MAIN(TestCtlCheck)
#include "tst_ctlcheck.moc"
