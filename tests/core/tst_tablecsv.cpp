#include "sampletables.h"
#include "scopedworkdir.h"
#include "tablescsv.h"

#include <QTest>

namespace {
using Rows = QList<QStringList>;

const QByteArray header485 = "Name;Telegram;Ack;Type;Addr.;Length;Value";

// The rows as an import gives them back: telegrams and acknowledgements upper case.
Rows upperCaseHex(TelegramTable table, Rows rows)
{
    const QList<int> hexColumns = table == TelegramTable::Tele485ToKnxW ? QList<int>{1, 2}
                                  : table == TelegramTable::Tele1Byte   ? QList<int>{1, 2, 3, 4}
                                                                        : QList<int>{6};
    for (QStringList &cells : rows)
        for (const int column : hexColumns)
            cells[column] = cells[column].toUpper();
    return rows;
}

// Each fault as "line:column".
QStringList faultPlaces(const TableCsv &file)
{
    QStringList places;
    for (const CsvFault &fault : file.faults)
        places << QStringLiteral("%1:%2").arg(fault.line).arg(fault.column);
    return places;
}
} // namespace

class TestTableCsv : public QObject
{
    Q_OBJECT

private slots:
    // Every table written and read back, with names a spreadsheet must quote.
    void exportReadsBackAsTheSameTables()
    {
        TelegramTables tables = SampleTables(3).make(40, 30, 40);
        tables.rows485ToKnxW[0].name = QString::fromUtf8("客厅, \"灯\"\r\n二楼");
        tables.rows485ToKnxW[1].name = " leading;\ttab ";
        tables.rowsKnxTo485W[0].name = QChar(0xFEFF) + QString("=1+1");
        for (const TelegramTable table : telegramTables) {
            const TableCsv file = readTableCsv(tableCsv(tables, table));
            QCOMPARE(file.faults.size(), 0);
            QCOMPARE(file.table, std::optional(table));
            QCOMPARE(file.rows, upperCaseHex(table, tables.cells(table)));
        }
        TelegramTables one;
        one.setCells(TelegramTable::Tele485ToKnxW,
                     {{QString::fromUtf8("灯, \"A\""), "01 0a", "", "read", "1/2/3", "1 bit", ""}});
        QCOMPARE(tableCsv(one, TelegramTable::Tele485ToKnxW),
                 QByteArray("\xEF\xBB\xBFName,Telegram,Ack,Type,Addr.,Length,Value\r\n\"") +
                     QString::fromUtf8("灯, \"\"A\"\"").toUtf8() +
                     "\",01 0a,,read,1/2/3,1 bit,\r\n");
    }

    // Files as spreadsheets write them back: the editors' normalisations apply.
    void spreadsheetFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Rows>("rows");
        const QStringList lamp{"Lamp", "01 0A", "", "write", "1/2/3", "1 byte", "7"};
        QTest::newRow("semicolons, unquoted, CRLF, trailing empty columns")
            << header485 + ";;\r\nLamp;01-0a;;write;1.2.3;1 byte;007;;\r\n;;;;;;;;\r\n"
            << Rows{lamp};
        QTest::newRow("tabs, quoted, BOM, LF, titles in other case")
            << QByteArray("\xEF\xBB\xBF\"NAME\"\tTelegram\tack\tType\tAddr.\tLength\tValue\n"
                          "\"Lamp\"\t\"01 0A\"\t\"\"\twrite\t1/2/3\t1 byte\t7\n\n")
            << Rows{lamp};
        QTest::newRow("commas, CR, read row without value, header only")
            << QByteArray("Name,Tyte,Baud Rate,Addr.,Length,Value,Telegram\r"
                          ",read,9600,1/2/3,2 byte,,ab\r")
            << Rows{{"", "read", "9600", "1/2/3", "2 byte", "", "AB"}};
        QTest::newRow("no rows") << QByteArray("Name,Telegram(+),Ack(+),Telegram(-),Ack(-),Addr.,"
                                               "Length,Min,Max,Interval")
                                 << Rows{};
    }

    void spreadsheetFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(Rows, rows);
        const TableCsv file = readTableCsv(text);
        QCOMPARE(faultPlaces(file), QStringList());
        QVERIFY(file.table);
        QCOMPARE(file.rows, rows);
    }

    // Every line that cannot be taken, at its line (a quoted line break
    // counts) and column; no rows at all then.
    void failingLines_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QStringList>("faults");
        const QByteArray good = "a;01;;write;1/2/3;1 bit;1\r\n";
        QTest::newRow("each check of a row")
            << good +
                   "a;01 0;;write;1/2/3;1 bit;1\n"
                   "a;01;0;write;1/2/3;1 bit;1\n"
                   "a;01;;writes;1/2/3;1 bit;1\n"
                   "a;01;;write;0/0/0;1 bit;1\n"
                   "a;01;;write;1/2/3;2 bits;1\n"
                   "a;01;;write;1/2/3;1 bit;2\n"
                   "a;01;;write;1/2/3;1 bit;1;x\n" +
                   good
            << QStringList{"3:1", "4:2", "5:3", "6:4", "7:5", "8:6", "9:7"};
        QTest::newRow("quoted line breaks, open quote")
            << "\"a\r\nb\";01;;write;1/2/3;1 bit;1\r\n" + good +
                   "a;\"01\"x;;write;1/2/3;1 bit;1\n" + good + "a;01;;read;1/2/3;1 bit;\"\n\n"
            << QStringList{"5:1", "7:6"};
        QTest::newRow("not UTF-8") << good + "\xB5\xC6;01;;write;1/2/3;1 bit;1\n"
                                   << QStringList{"3:0"};
    }

    void failingLines()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QStringList, faults);
        const TableCsv file = readTableCsv(header485 + "\r\n" + rows);
        QCOMPARE(faultPlaces(file), faults);
        QCOMPARE(file.rows, Rows());
    }

    // Files as the user picks them: each fault named in one line of text.
    void chosenFiles()
    {
        ScopedWorkDir dir;
        QVERIFY(dir.write("a%2.csv", header485 + "\nLamp;01;;write;1/2/3;1 byte;%2\n"));
        QVERIFY(dir.write("b.csv", header485 + "\n"));
        QVERIFY(dir.write("c.csv", "Name;Telegram\n"));
        const QList<TableCsv> files =
            readTableFiles({dir.filePath("a%2.csv"), dir.filePath("b.csv"), dir.filePath("c.csv"),
                            dir.filePath("missing.csv")});
        QCOMPARE(faultLines(files),
                 QStringList({"a%2.csv, line 2, column 7 (Value): \"%2\" is not a number from 0 to "
                              "255",
                              "b.csv, line 1: Another chosen file holds this table too",
                              "c.csv, line 1: The first line is not the column titles of a "
                              "telegram table",
                              "missing.csv: Cannot read the file"}));
    }
};

QTEST_GUILESS_MAIN(TestTableCsv)
#include "tst_tablecsv.moc"
