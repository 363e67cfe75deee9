#include "ctlprocess.h"
#include "knxdserver.h"
#include "projectwriter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
bool writeAddressBook(const QString &path, const QList<GroupAddressEntry> &entries)
{
    Project project;
    project.groupAddresses = GroupAddressBook(entries);
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "book");
        db.setDatabaseName(path);
        written = db.open() && writeProjectFile(db, project);
    }
    QSqlDatabase::removeDatabase("book");
    return written;
}
} // namespace

// rs485ctl knx as a user runs it, against knxd, knxtool at the other end.
class TestKnxCtl : public QObject
{
    Q_OBJECT

private slots:
    void writeAndRead()
    {
        KnxdServer server;
        KnxtoolListener listener(server);
        QVERIFY(server.isRunning() && listener.waitUntilListening(server));
        const QString at = server.interfaceText();
        for (const auto &[written, heard] :
             {std::pair(QStringList{"1/2/3", "21", "--dpt", "9.001"}, "to 1/2/3: 0C 1A"),
              std::pair(QStringList{"1/2/4", "2", "--length", "2 bit"}, "to 1/2/4: 02")}) {
            QCOMPARE(rs485ctl(QStringList{"knx", "write", "--knx", at} + written).exitCode, 0);
            QVERIFY(listener.waitFor(heard));
        }

        QProcess reading;
        reading.start(RS485CTL,
                      {"knx", "read", "1/2/5", "--dpt", "1.001", "--knx", at, "--timeout", "20"});
        QVERIFY(listener.waitFor("Read from", 10000));
        server.knxtool("groupsresponse", {"1/2/5", "1"});
        const Outcome answered = finish(reading);
        QCOMPARE(std::pair(answered.exitCode, answered.out), std::pair(0, QString("On\n")));

        const Outcome unanswered =
            rs485ctl({"knx", "read", "1/2/6", "--knx", at, "--timeout", "0.5"});
        QCOMPARE(unanswered.exitCode, 1);
        QCOMPARE(unanswered.err, QString("rs485ctl: no response from 1/2/6 within 0.5 s\n"));
        const Outcome refused =
            rs485ctl({"knx", "write", "1/2/3", "300", "--length", "1 byte", "--knx", at});
        QCOMPARE(refused.exitCode, 2);
        QVERIFY(refused.err.startsWith("rs485ctl: \"300\" is not a whole number from 0 to 255\n"));
    }

    // Names and values from the project's address book; a name's control
    // characters as escapes; Ctrl+C ends it.
    void monitor()
    {
        QTemporaryDir dir;
        const QString project = dir.filePath("project.db");
        QVERIFY(writeAddressBook(project, {{"1/2/3", "Ceiling light", "", "", "DPST-1-1", ""},
                                           {"1/2/4", "Room\x1B[2J", "", "", "DPST-9-1", ""}}));
        KnxdServer server;
        QVERIFY(server.isRunning());
        QProcess monitor;
        monitor.start(RS485CTL,
                      {"knx", "monitor", "--knx", server.interfaceText(), "--project", project});
        QVERIFY(QTest::qWaitFor([&] { return monitor.readAllStandardError().contains("watching"); },
                                10000));
        server.knxtool("groupswrite", {"1/2/3", "1"});
        server.knxtool("groupwrite", {"1/2/4", "0C", "1A"});
        server.knxtool("groupread", {"1/2/5"});
        QByteArray out;
        QVERIFY(QTest::qWaitFor(
            [&] { return (out += monitor.readAllStandardOutput()).count('\n') == 3; }, 10000));
        ::kill(pid_t(monitor.processId()), SIGINT);
        QVERIFY(monitor.waitForFinished(10000));
        QCOMPARE(monitor.exitCode(), 130);
        const QRegularExpression lines(
            "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} 0\\.0\\.\\d+ → 1/2/3 write 01 "
            "\"Ceiling light\" On\n"
            "\\S+ \\S+ 0\\.0\\.\\d+ → 1/2/4 write 0C 1A \"Room\\\\x1B\\[2J\" 21\\.0 °C\n"
            "\\S+ \\S+ 0\\.0\\.\\d+ → 1/2/5 read\n$");
        QVERIFY2(lines.match(QString::fromUtf8(out)).hasMatch(), out.constData());
    }
};

QTEST_GUILESS_MAIN(TestKnxCtl)
#include "tst_knxctl.moc"
