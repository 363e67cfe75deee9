#include "groupaddressbook.h"
#include "groupsendrequest.h"
#include "grouptelegramfilter.h"
#include "grouptelegramlog.h"
#include "grouptelegramtext.h"
#include "knxaddresses.h"

#include <QTest>

namespace {
const GroupAddressBook book({{"1/2/3", "Ceiling light", "", "", "DPST-1-1", ""},
                             {"1/2/5", "Kitchen temperature", "", "", "DPST-9-1", ""}});

GroupTelegram write(const QString &address, const QByteArray &data, bool shortData = false)
{
    return {0x1105, *parseGroupAddress(address), GroupService::Write, data, shortData};
}

QStringList column(const QAbstractItemModel &model, int column)
{
    QStringList cells;
    for (int row = 0; row < model.rowCount(); ++row)
        cells << model.index(row, column).data().toString();
    return cells;
}
} // namespace

class TestGroupMonitor : public QObject
{
    Q_OBJECT

private slots:
    // The oldest go when the store is full; paused, telegrams wait and none is lost.
    void logKeepsTheNewest()
    {
        GroupTelegramLog log(book, 3);
        const QDateTime time = QDateTime::currentDateTime();
        for (int sub = 1; sub <= 5; ++sub)
            log.append(write(QStringLiteral("1/2/%1").arg(sub), "\x01", true), time);
        QCOMPARE(log.rowCount(), 0); // shown in a batch
        log.showTaken();
        QCOMPARE(column(log, GroupTelegramLog::Destination), QStringList({"1/2/3", "1/2/4", "1/2/5"}));
        QCOMPARE(log.index(0, GroupTelegramLog::Name).data().toString(), "Ceiling light");
        QCOMPARE(log.index(0, GroupTelegramLog::Value).data().toString(), "On");
        QCOMPARE(log.index(0, GroupTelegramLog::Source).data().toString(), "1.1.5");

        log.setPaused(true);
        log.append(write("1/2/5", QByteArray::fromHex("0C1A")), time);
        log.append(write("1/2/6", QByteArray::fromHex("0C1A")), time);
        log.showTaken();
        QCOMPARE(log.rowCount(), 3);
        QCOMPARE(log.index(2, GroupTelegramLog::Destination).data().toString(), "1/2/5");
        log.setPaused(false);
        QCOMPARE(column(log, GroupTelegramLog::Destination), QStringList({"1/2/5", "1/2/5", "1/2/6"}));
        QCOMPARE(column(log, GroupTelegramLog::Value), QStringList({"01", "21.0 °C", "0C 1A"}));
        QCOMPARE(log.takenCount(), 7);
        QCOMPARE(log.texts().size(), 4); // titles and rows, for the CSV export

        GroupTelegramFilter filter;
        filter.setSourceModel(&log);
        filter.setText(" 1.2.6 ");
        QCOMPARE(filter.rowCount(), 1);
        filter.setText("KITCHEN");
        QCOMPARE(filter.rowCount(), 2);
        filter.setText("2/");
        QCOMPARE(filter.rowCount(), 0);
        log.clear();
        filter.setText(QString());
        QCOMPARE(filter.rowCount(), 0);
    }

    void sendRequests_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("typeOrLength");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("data"); // hexadecimal, "s" first for short data; or the error's start
        QTest::newRow("1 bit") << "1/2/4" << "1 bit" << "1" << "s01";
        QTest::newRow("6 bit") << "1/2/4" << "6 bit" << "63" << "s3F";
        QTest::newRow("2 byte") << "1/2/4" << "2 byte" << "0x0C1A" << "0C1A";
        QTest::newRow("type given") << "1.2.4" << "9.001" << "21" << "0C1A";
        QTest::newRow("type of the book") << "1/2/5" << "" << "21 °C" << "0C1A";
        QTest::newRow("short type of the book") << "1/2/3" << "" << "on" << "s01";
        QTest::newRow("beyond the length") << "1/2/4" << "1 byte" << "256" << "\"256\" is not";
        QTest::newRow("no type known") << "1/2/4" << "" << "1" << "The datapoint type of 1/2/4";
        QTest::newRow("no address") << "1/2" << "1 bit" << "1" << "\"1/2\" is not";
        QTest::newRow("neither") << "1/2/4" << "bits" << "1" << "\"bits\" is neither";
    }

    void sendRequests()
    {
        QFETCH(QString, address);
        QFETCH(QString, typeOrLength);
        QFETCH(QString, value);
        QFETCH(QString, data);
        const GroupSendRequest request =
            groupSendRequest(address, GroupService::Write, typeOrLength, value, book);
        if (!request.telegram) {
            QVERIFY2(request.error.startsWith(data), qPrintable(request.error));
            return;
        }
        QCOMPARE(request.telegram->shortData, data.startsWith('s'));
        QCOMPARE(request.telegram->data.toHex().toUpper(), data.remove('s').toLatin1());
        QCOMPARE(request.telegram->destination, *parseGroupAddress(address.replace('.', '/')));
    }

    void readsAndCaptureLines()
    {
        const GroupSendRequest read = groupSendRequest("1/2/4", GroupService::Read, "", "x", book);
        QVERIFY(read.telegram && read.telegram->data.isEmpty());
        const QDateTime time(QDate(2026, 12, 6), QTime(14, 3, 7, 125));
        QCOMPARE(knxCaptureLine(time, write("1/2/3", "\x01", true)),
                 QString("2026-12-06 14:03:07.125 KNX 1.1.5 → 1/2/3 write 01\n").toUtf8());
        QCOMPARE(knxCaptureLine(time, *read.telegram),
                 QString("2026-12-06 14:03:07.125 KNX 0.0.0 → 1/2/4 read\n").toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestGroupMonitor)
#include "tst_groupmonitor.moc"
