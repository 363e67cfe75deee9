#include "downloadframes.h"
#include "gatewayemulator.h"
#include "gatewaytables.h"
#include "reframed.h"
#include "sampletables.h"
#include "tablecomparison.h"
#include "toolport.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {
const Tele485ToKnxW Write485{"n", "01 02 03", "", "write", "1/2/3", "1 byte", "200"};

template <typename Row> AnyDecodedRow decoded(const std::optional<Row> &row)
{
    Q_ASSERT(row);
    return *row;
}

AnyDecodedRow oneByteRow(quint16 row, const Tele1Byte &record)
{
    QString error;
    return decoded(decodeRow1Byte(row1ByteFrame(row, record), &error));
}

AnyDecodedRow row485(quint16 row, const Tele485ToKnxW &record = Write485)
{
    QString error;
    return decoded(decodeRow485ToKnxW(row485ToKnxWFrame(row, record), &error));
}

QStringList lines(const QString &log)
{
    return log.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The lines of the log that contain `text`, without their time.
QStringList linesWith(const QString &log, const QString &text)
{
    QStringList found;
    for (const QString &line : lines(log)) {
        if (line.contains(text))
            found << line.section(QLatin1Char(' '), 1);
    }
    return found;
}
} // namespace

// The tables the virtual gateway holds after a download, and the comparison
// of tables.
class TestGatewayTables : public QObject
{
    Q_OBJECT

    QString logText;
    QTextStream log{&logText};

    std::unique_ptr<GatewayEmulator> startGateway()
    {
        logText.clear();
        auto gateway = std::make_unique<GatewayEmulator>();
        gateway->setLog(&log);
        return gateway;
    }

    // Sends a frame and waits for its whole answer, as the tool does.
    static bool exchange(ToolPort &tool, const QByteArray &frame, int answerLength)
    {
        tool.received.clear();
        QSignalSpy arrived(&tool.port, &QSerialPort::readyRead);
        if (!tool.send(frame))
            return false;
        while (tool.received.size() < answerLength) {
            if (!arrived.wait(2000))
                return false;
        }
        return tool.received.size() == answerLength && isAnswerFrame(tool.received);
    }

    // The whole download, one frame after the answer to the one before.
    static bool download(ToolPort &tool, const DownloadTables &tables)
    {
        BurnFlag flag = BurnFlag::start(tables);
        while (const auto next = takeNextDownloadFrame(flag, tables)) {
            if (!exchange(tool, next->frame, next->answerLength))
                return false;
        }
        return true;
    }

    // Sends a frame that the gateway refuses; gives the reason.
    static QString refusal(GatewayEmulator &gateway, ToolPort &tool, const QByteArray &frame)
    {
        QSignalSpy withheld(&gateway, &GatewayEmulator::answerWithheld);
        if (!tool.send(frame) || !withheld.wait(2000))
            return QString();
        return withheld.first().at(1).toString();
    }

private slots:
    void tablesAgreeCellByCell_data()
    {
        QTest::addColumn<QStringList>("held485"); // cells of a 485-to-KNX row
        QTest::addColumn<QStringList>("differences");
        QTest::newRow("same") << QStringList{"n", "0a 0b 0c", "", "write", "1/2/3", "1 byte", "200"}
                              << QStringList();
        QTest::newRow("telegram in upper case, no name")
            << QStringList{"", "0A 0B 0C", "", "write", "1/2/3", "1 byte", "200"} << QStringList();
        QTest::newRow("another value")
            << QStringList{"n", "0a 0b 0c", "", "write", "1/2/3", "1 byte", "8"}
            << QStringList{"485-to-KNX row 1, value: \"200\" sent, \"8\" held"};
        QTest::newRow("a byte short, another type")
            << QStringList{"n", "0A 0B", "", "read", "1/2/3", "1 byte", "200"}
            << QStringList{"485-to-KNX row 1, type: \"write\" sent, \"read\" held",
                           "485-to-KNX row 1, telegram: \"0a 0b 0c\" sent, \"0A 0B\" held"};
        QTest::newRow("an ack held")
            << QStringList{"n", "0a 0b 0c", "00", "write", "1/2/3", "1 byte", "200"}
            << QStringList{"485-to-KNX row 1, ack: \"\" sent, \"00\" held"};
    }

    void tablesAgreeCellByCell()
    {
        QFETCH(QStringList, held485);
        QFETCH(QStringList, differences);
        DownloadTables sent = SampleTables(1).make(2, 2, 2);
        sent.rows485ToKnxW[1] = {"n", "0a 0b 0c", "", "write", "1/2/3", "1 byte", "200"};
        DownloadTables held = sent;
        held.rows485ToKnxW[1] = recordFromCells<Tele485ToKnxW>(held485);
        QCOMPARE(tableDifferences(sent, held), differences);
    }

    void tablesOfOtherSizesDiffer()
    {
        const DownloadTables sent = SampleTables(2).make(1, 3, 0);
        DownloadTables held = sent;
        held.rows1Byte.removeLast();
        held.rowsKnxTo485W << TeleKnxTo485W();
        held.rows1Byte[0].telegram_n.clear();
        QCOMPARE(tableDifferences(sent, held),
                 QStringList({"1-byte table: 3 rows sent, 2 held",
                              QStringLiteral("1-byte row 0, telegram(-): \"%1\" sent, \"\" held")
                                  .arg(sent.rows1Byte[0].telegram_n),
                              "KNX-to-485 table: 0 rows sent, 1 held"}));
    }

    void rowsGoBelowTheAnnouncedCounts()
    {
        GatewayTables tables;
        QVERIFY(!tables.announced());
        QVERIFY(!tables.complete());
        QVERIFY(!tables.placeOf(row485(0)));

        tables.announce({2, 1, 0});
        QCOMPARE(tables.placeOf(row485(1)), 1);
        QVERIFY(!tables.placeOf(row485(2)));
        QCOMPARE(tables.placeOf(oneByteRow(0, Tele1Byte())), 0);
        QVERIFY(!tables.placeOf(oneByteRow(1, Tele1Byte())));
        QVERIFY(!tables.store(row485(2)));
        QCOMPARE(tables.rowsStored(), 0);

        QCOMPARE(tables.store(row485(1)), 1);
        QCOMPARE(tables.store(oneByteRow(0, Tele1Byte())), 0);
        QVERIFY(!tables.complete());
        QCOMPARE(tables.tables().rows485ToKnxW.at(0).addr, QString());
        QCOMPARE(tables.tables().rows485ToKnxW.at(1).addr, Write485.addr);
        QCOMPARE(tables.store(row485(0)), 0);
        QVERIFY(tables.complete());

        tables.announce({0, 0, 0});
        QCOMPARE(tables.rowsStored(), 0);
        QVERIFY(tables.complete());
        QVERIFY(tables.tables().rows485ToKnxW.isEmpty());
    }

    // The 1-byte frame carries the low 8 bits of the row index only: rows
    // sent in order still land at their own index beyond 255.
    void oneByteRowsBeyond255GoInOrderOfArrival()
    {
        GatewayTables tables;
        tables.announce({0, 300, 0});
        for (int row = 0; row < 300; ++row) {
            Tele1Byte record;
            record.telegram_p = QStringLiteral("%1").arg(row, 4, 16, QLatin1Char('0'));
            record.telegram_p.insert(2, QLatin1Char(' '));
            QCOMPARE(tables.store(oneByteRow(quint16(row), record)), row);
        }
        QVERIFY(tables.complete());
        const QList<Tele1Byte> held = tables.tables().rows1Byte;
        QCOMPARE(held.at(44).telegram_p, QString("00 2C"));
        QCOMPARE(held.at(300 - 1).telegram_p, QString("01 2B"));

        // Once both indexes with these low bits hold a row, the later is replaced.
        QCOMPARE(tables.store(oneByteRow(5, Tele1Byte())), 256 + 5);
        QCOMPARE(tables.tables().rows1Byte.at(5).telegram_p, QString("00 05"));
    }

    void fullDownloadLeavesTheTablesSent()
    {
        const DownloadTables sent = SampleTables(20).make(
            Tele485ToKnxW::mostRows, Tele1Byte::mostRows, TeleKnxTo485W::mostRows);
        auto gateway = startGateway();
        ToolPort tool(gateway->portPath());
        QVERIFY(tool.open());

        QElapsedTimer clock;
        clock.start();
        QVERIFY(download(tool, sent));
        qInfo("%d frames in %lld ms", sent.frameCount(), clock.elapsed());

        QVERIFY(gateway->downloadComplete());
        QCOMPARE(gateway->announcedTableSizes().rows1Byte, Tele1Byte::mostRows);
        const QStringList differences = tableDifferences(sent, gateway->storedTables());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 5).join('\n')));
        QCOMPARE(linesWith(logText, "stored ").size(), sent.frameCount() - 1);
        QCOMPARE(linesWith(logText, "download complete"),
                 QStringList{"download complete: 512 + 256 + 512 rows"});
    }

    void logsEachRowStored()
    {
        auto gateway = startGateway();
        ToolPort tool(gateway->portPath());
        QVERIFY(tool.open());
        DownloadTables sent;
        sent.rows485ToKnxW = {Write485, {"", "0a", "0b", "read", "1/2/4", "1 bit", ""}};
        sent.rows1Byte = {{"", "01", "", "02 03", "04", "2/3/4", "1 byte", "0", "200", "5"}};
        sent.rowsKnxTo485W = {{"", "response", "115200", "3/4/5", "2 byte", "40000", "aa bb"}};
        QVERIFY(download(tool, sent));

        QCOMPARE(linesWith(logText, "expecting"),
                 QStringList{"expecting 2 + 1 + 1 rows, none held"});
        QCOMPARE(linesWith(logText, "stored "),
                 QStringList({"stored 485-to-KNX row 0: type write, addr 1/2/3, length 1 byte, "
                              "value 200, telegram 01 02 03, ack (none)",
                              "stored 485-to-KNX row 1: type read, addr 1/2/4, length 1 bit, "
                              "value (none), telegram 0A, ack 0B",
                              "stored 1-byte row 0: addr 2/3/4, length 1 byte, min 0, max 200, "
                              "interval 5, telegram(+) 01, telegram(-) 02 03, ack(+) (none), "
                              "ack(-) 04",
                              "stored KNX-to-485 row 0: type response, addr 3/4/5, length 2 byte, "
                              "value 40000, baud rate 115200, telegram AA BB"}));
        QVERIFY(tableDifferences(sent, gateway->storedTables()).isEmpty());

        // A row sent again replaces the one held; the download stays complete.
        QVERIFY(exchange(tool, rowKnxTo485WFrame(0, sent.rowsKnxTo485W.first()), RowAnswerLength));
        QCOMPARE(linesWith(logText, "stored KNX-to-485 row 0").size(), 2);
        QCOMPARE(linesWith(logText, "download complete"),
                 QStringList{"download complete: 2 + 1 + 1 rows"});
    }

    void newTableSizesClearTheRows()
    {
        auto gateway = startGateway();
        ToolPort tool(gateway->portPath());
        QVERIFY(tool.open());
        QVERIFY(download(tool, SampleTables(3).make(2, 1, 1)));
        QVERIFY(gateway->downloadComplete());

        QVERIFY(exchange(tool, tableSizesFrame(1, 0, 3), CommandAnswerLength));
        QVERIFY(!gateway->downloadComplete());
        const DownloadTables held = gateway->storedTables();
        QCOMPARE(held.rows485ToKnxW.size(), 1);
        QCOMPARE(held.rows1Byte.size(), 0);
        QCOMPARE(held.rowsKnxTo485W.size(), 3);
        QVERIFY(tableDifferences({{Tele485ToKnxW()}, {}, QList<TeleKnxTo485W>(3)}, held).isEmpty());

        // An empty download is complete at once.
        QVERIFY(download(tool, DownloadTables()));
        QVERIFY(gateway->downloadComplete());
        QVERIFY(logText.contains("download complete: 0 + 0 + 0 rows"));
    }

    void refusesRowsItCannotPlace()
    {
        auto gateway = startGateway();
        ToolPort tool(gateway->portPath());
        QVERIFY(tool.open());
        QCOMPARE(refusal(*gateway, tool, row485ToKnxWFrame(0, Write485)),
                 QString("refused, no table sizes received"));
        QVERIFY(exchange(tool, tableSizesFrame(1, 0, 0), CommandAnswerLength));
        tool.received.clear();
        QCOMPARE(refusal(*gateway, tool, row485ToKnxWFrame(1, Write485)),
                 QString("refused, row outside the 1 + 0 + 0 rows announced"));
        QCOMPARE(refusal(*gateway, tool, withByte(row485ToKnxWFrame(0, Write485), 20, 0x00)),
                 QString("refused, malformed, telegram slot 5 holds 00, filler 55 expected"));
        QVERIFY(tool.received.isEmpty());
        QVERIFY(logText.contains("no answer to #4: refused, malformed, telegram slot 5"));
        QVERIFY(!gateway->downloadComplete());
    }

    void requireDebugModeRefusesDownloadsInWorkingMode()
    {
        auto gateway = startGateway();
        gateway->setRequireDebugMode(true);
        ToolPort tool(gateway->portPath());
        QVERIFY(tool.open());
        const DownloadTables sent = SampleTables(4).make(3, 2, 1);

        QCOMPARE(refusal(*gateway, tool, tableSizesFrame(3, 2, 1)),
                 QString("refused, downloads are taken in debug mode only"));
        QCOMPARE(refusal(*gateway, tool, row485ToKnxWFrame(0, sent.rows485ToKnxW.first())),
                 QString("refused, downloads are taken in debug mode only"));
        QVERIFY(!gateway->storedTables().rows485ToKnxW.size());
        QVERIFY(tool.received.isEmpty());

        QVERIFY(exchange(tool, buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(DebugMode)),
                         CommandAnswerLength));
        QVERIFY(download(tool, sent));
        QVERIFY(gateway->downloadComplete());
        QVERIFY(tableDifferences(sent, gateway->storedTables()).isEmpty());

        // Back in working mode the tables are kept and a new download refused.
        QVERIFY(exchange(tool,
                         buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(WorkingMode)),
                         CommandAnswerLength));
        QVERIFY(!refusal(*gateway, tool, tableSizesFrame(0, 0, 0)).isEmpty());
        QVERIFY(tableDifferences(sent, gateway->storedTables()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGatewayTables)
#include "tst_gatewaytables.moc"
