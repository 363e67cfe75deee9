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

    // Two gateways at once on one connection, one misrouting its first row:
    // that row alone fails, with what came instead, the other gateway's
    // telegrams not taken for it; the JSON report's shape. Then the rows
    // selected, in table order, and the summary table.
    void gatewaysChecked()
    {
        const Gateway good(dir, "good", knxd, project);
        const Gateway misrouted(dir, "misrouted", knxd, project, {"--misroute", "485-to-KNX:0"});
        const Outcome both = rs485ctl(check({good.link, misrouted.link}) << "--json");
        QCOMPARE(both.exitCode, 1);
        const QJsonObject report = QJsonDocument::fromJson(both.out.toUtf8()).object();
        QCOMPARE(report["knx"].toString(), knxd.interfaceText());
        const QJsonArray ports = report["ports"].toArray();
        QCOMPARE(ports.size(), 2);
        for (int port = 0; port < 2; ++port) {
            QCOMPARE(ports[port]["result"].toString(), QString("done"));
            QCOMPARE(ports[port]["summary"].toObject(),
                     QJsonObject({{"passed", 7 - port}, {"failed", port}, {"skipped", 0}}));
        }
        QJsonObject fan = ports[0]["rows"].toArray().at(5).toObject();
        QVERIFY(fan.take("reactionMs").toInt(-1) >= 0);
        QCOMPARE(fan, QJsonObject({{"table", "KNX-to-485"},
                                   {"row", 2},
                                   {"name", "Fan"},
                                   {"outcome", "passed"},
                                   {"words", ""}}));
        const QStringList lines = both.err.split('\n').filter(" row ");
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines.filter(" FAIL").join('\n'),
                 misrouted.link + " 485-to-KNX row 1 \"Light\" FAIL: KNX 1/2/4 instead of 1/2/3");

        const Outcome some =
            rs485ctl(check({good.link}) + QStringList{"--rows", "knx-to-485:2,485-TO-KNX:2,1"});
        QCOMPARE(some.exitCode, 0);
        QCOMPARE(some.out.section('\n', 0, 2),
                 QStringList({good.link + " 485-to-KNX row 1 \"Light\" PASS",
                              good.link + " 485-to-KNX row 2 \"Temperature\" PASS",
                              good.link + " KNX-to-485 row 2 \"Fan\" PASS"})
                     .join('\n'));
        const QRegularExpression summary("\nPORT +RESULT +PASSED +FAILED +SKIPPED +TIME "
                                         "+DETAILS\n\\S+ +done +3 +0 +0 +\\d+\\.\\d s ");
        QVERIFY2(some.out.contains(summary), qPrintable(some.out));
    }

    // Exit 2 and nothing sent: a bad --rows, rows the project lacks. Ctrl+C
    // ends a check with 130.
    void refusedOrInterrupted()
    {
        Gateway idle(dir, "idle", knxd, QString());
        const QList<std::pair<QStringList, QString>> cases = {
            {{"--rows", "485-to-KNX:0"}, "--rows: \"485-to-KNX:0\" is no TABLE:ROWS"},
            {{"--rows", "1-byte:1,3"},
             "1-byte row 3 is not in the project, whose table holds 1 row"}};
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
