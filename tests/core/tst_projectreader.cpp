#include "projectreader.h"
#include "projectwriter.h"
#include "scopedworkdir.h"
#include "sqlfile.h"

#include <QTest>

namespace {
const char *const createGeneral =
    "create table general (baud_rate integer, stop_bit integer, parity integer, "
    "num_485_to_knx_w integer, num_1byte integer, num_knx_to_485_w integer)";

QList<int> generalOf(const ProjectData &data)
{
    return {data.baud_rate,        data.stop_bit,  data.parity,
            data.num_485_to_knx_w, data.num_1byte, data.num_knx_to_485_w};
}

template <typename Record> QList<QStringList> cellsOfAll(const QList<Record> &records)
{
    QList<QStringList> cells;
    for (const Record &record : records)
        cells << cellsOf(record);
    return cells;
}

// A project as the window reads it back: one row of each telegram table.
ProjectData projectOf(const QList<int> &general, const QList<QStringList> &rows485,
                      const QList<QStringList> &rows1Byte, const QList<QStringList> &rowsKnx)
{
    ProjectData data;
    data.baud_rate = general.value(0);
    data.stop_bit = general.value(1);
    data.parity = general.value(2);
    data.num_485_to_knx_w = general.value(3);
    data.num_1byte = general.value(4);
    data.num_knx_to_485_w = general.value(5);
    for (const QStringList &cells : rows485)
        data.list_485_to_knx_w << recordFromCells<Tele485ToKnxW>(cells);
    for (const QStringList &cells : rows1Byte)
        data.list_1byte << recordFromCells<Tele1Byte>(cells);
    for (const QStringList &cells : rowsKnx)
        data.list_knx_to_485_w << recordFromCells<TeleKnxTo485W>(cells);
    return data;
}

// Some content, so that the reader must replace it.
ProjectData staleData()
{
    return projectOf({9, 9, 9, 9, 9, 9}, {{"stale"}}, {{"stale"}}, {{"stale"}});
}
} // namespace

Q_DECLARE_METATYPE(ProjectData)

class TestProjectReader : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;
    QString path;

    bool read(ProjectData &data) const
    {
        SqlFile file(path);
        return readProjectFile(file.database(), data);
    }

    void compare(const ProjectData &actual, const ProjectData &expected) const
    {
        QCOMPARE(generalOf(actual), generalOf(expected));
        QCOMPARE(cellsOfAll(actual.list_485_to_knx_w), cellsOfAll(expected.list_485_to_knx_w));
        QCOMPARE(cellsOfAll(actual.list_1byte), cellsOfAll(expected.list_1byte));
        QCOMPARE(cellsOfAll(actual.list_knx_to_485_w), cellsOfAll(expected.list_knx_to_485_w));
    }

private slots:
    void init()
    {
        path = workDir.filePath(
            QString("%1 %2.db").arg(QTest::currentTestFunction(), QTest::currentDataTag()));
    }

    // Numbers are read as ints: an empty value becomes 0, the 1-byte length "1 byte".
    void readsWhatTheWriterWrote()
    {
        ProjectContent content;
        content.baud_rate = 8;
        content.stop_bit = 1;
        content.parity = 2;
        content.rows_485_to_knx_w = {
            {"Lamp", "01 02 03", "0a 0B", "write", "1/2/3", "2 byte", "40000"},
            {"", "04", "", "read", "15/7/255", "1 bit", ""}};
        content.rows_1byte = {
            {"Dimmer", "01 02", "03", "04 05", "06 07", "4/5/6", "2 bit", "200", "10", "7"}};
        content.rows_knx_to_485_w = {
            {"Blind", "response", "56000", "7/6/5", "6 bit", "63", "aa bb"},
            {"Ask", "read", "2400", "0/0/1", "1 byte", "", "7e"}};
        {
            SqlFile file(path);
            QSqlDatabase db = file.database();
            QVERIFY(writeProjectFile(db, content));
        }
        ProjectData data = staleData();
        QVERIFY(read(data));
        compare(data, projectOf({8, 1, 2, 2, 1, 2},
                                {{"Lamp", "01 02 03", "0a 0B", "write", "1/2/3", "2 byte", "40000"},
                                 {"", "04", "", "read", "15/7/255", "1 bit", "0"}},
                                {{"Dimmer", "01 02", "03", "04 05", "06 07", "4/5/6", "1 byte",
                                  "200", "10", "7"}},
                                {{"Blind", "response", "56000", "7/6/5", "6 bit", "63", "aa bb"},
                                 {"Ask", "read", "2400", "0/0/1", "1 byte", "0", "7e"}}));
    }

    // A project file has a general table holding a row; whatever the rest.
    void tellsAProjectFile_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<bool>("isProject");
        QTest::newRow("no tables") << QStringList{} << false;
        QTest::newRow("general without a row") << QStringList{createGeneral} << false;
        QTest::newRow("only telegram tables")
            << QStringList{"create table tele_1byte (id, name)",
                           "insert into tele_1byte values (1, 'x')"}
            << false;
        QTest::newRow("general with a row")
            << QStringList{createGeneral, "insert into general values (0, 0, 0, 0, 0, 0)"} << true;
        QTest::newRow("general of one column")
            << QStringList{"create table general (x)", "insert into general values (null)"} << true;
    }

    void tellsAProjectFile()
    {
        QFETCH(QStringList, statements);
        QFETCH(bool, isProject);
        {
            SqlFile file(path);
            QVERIFY(file.exec(statements));
        }
        ProjectData data;
        QCOMPARE(read(data), isProject);
    }

    void aFileThatIsNoDatabaseIsNoProject_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("baud_rate=9600\n").repeated(100);
        QTest::newRow("truncated header") << QByteArray("SQLite format 3");
    }

    void aFileThatIsNoDatabaseIsNoProject()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(workDir.write("other.db", contents));
        path = workDir.filePath("other.db");
        ProjectData data = staleData();
        QVERIFY(!read(data));
        compare(data, projectOf({}, {}, {}, {}));
        QCOMPARE(fileBytes(path), contents);
    }

    // Values of any storage class give an int; only the first row counts.
    void generalValuesOfAnyKind_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QList<int>>("general");
        QTest::newRow("integers") << QStringList{createGeneral,
                                                 "insert into general values (8, 2, 1, 3, 4, 5)"}
                                  << QList<int>{8, 2, 1, 3, 4, 5};
        QTest::newRow("decimal texts in untyped columns")
            << QStringList{"create table general (a, b, c, d, e, f)",
                           "insert into general values ('7', '-2', ' 3', '04', '5x', '')"}
            << QList<int>{7, -2, 3, 4, 0, 0};
        QTest::newRow("null, blob, text, reals")
            << QStringList{"create table general (a, b, c, d, e, f)",
                           "insert into general values (null, x'00ff', 'abc', 1.5, -2.5, 1e300)"}
            << QList<int>{0, 0, 0, 2, -3, 0};
        QTest::newRow("int range")
            << QStringList{"create table general (a, b, c, d, e, f)",
                           "insert into general values (2147483647, -2147483648, 2147483648, "
                           "-2147483649, 9223372036854775807, -9223372036854775808)"}
            << QList<int>{2147483647, -2147483648, 0, 0, 0, 0};
        QTest::newRow("infinities and huge texts")
            << QStringList{"create table general (a, b, c, d, e, f)",
                           "insert into general values (9e999, -9e999, '99999999999999999999', "
                           "'1e3', 2147483647.4, -2147483648.4)"}
            << QList<int>{0, 0, 0, 0, 2147483647, -2147483648};
        QTest::newRow("fewer columns")
            << QStringList{"create table general (a, b)", "insert into general values (6, 7)"}
            << QList<int>{6, 7, 0, 0, 0, 0};
        QTest::newRow("more columns, more rows")
            << QStringList{"create table general (a, b, c, d, e, f, g, h)",
                           "insert into general values (1, 2, 3, 4, 5, 6, 7, 8)",
                           "insert into general values (9, 9, 9, 9, 9, 9, 9, 9)"}
            << QList<int>{1, 2, 3, 4, 5, 6};
    }

    void generalValuesOfAnyKind()
    {
        QFETCH(QStringList, statements);
        QFETCH(QList<int>, general);
        {
            SqlFile file(path);
            QVERIFY(file.exec(statements));
        }
        ProjectData data;
        QVERIFY(read(data));
        QCOMPARE(generalOf(data), general);
    }

    // Telegram tables are read by position after the id, whatever their
    // columns hold and however many there are.
    void telegramRowsOfAnyShape_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<ProjectData>("expected");
        QTest::newRow("no telegram tables") << QStringList{} << projectOf({}, {}, {}, {});
        QTest::newRow("only the id column")
            << QStringList{"create table tele_485_to_knx_w (id)",
                           "insert into tele_485_to_knx_w values (1)",
                           "create table tele_1byte (id)",
                           "insert into tele_1byte values (1)",
                           "create table tele_knx_to_485_w (id)",
                           "insert into tele_knx_to_485_w values (1)"}
            << projectOf({}, {{"", "", "", "", "", "", "0"}},
                         {{"", "", "", "", "", "", "1 byte", "0", "0", "0"}},
                         {{"", "", "", "", "", "0", ""}});
        QTest::newRow("extra columns ignored")
            << QStringList{"create table tele_knx_to_485_w (a, b, c, d, e, f, g, h, i, j)",
                           "insert into tele_knx_to_485_w values "
                           "(0, 'n', 'write', '9600', '1/1/1', '1 bit', 1, '01', 'x', 'y')"}
            << projectOf({}, {}, {}, {{"n", "write", "9600", "1/1/1", "1 bit", "1", "01"}});
        QTest::newRow("values of every storage class")
            << QStringList{"create table tele_1byte (a, b, c, d, e, f, g, h, i, j)",
                           "insert into tele_1byte values "
                           "(null, null, x'414243', 12, 2.5, -7, '', '300', 'abc', -9e999)"}
            << projectOf({}, {}, {{"", "ABC", "12", "2.5", "-7", "", "1 byte", "300", "0", "0"}},
                         {});
        QTest::newRow("rows in the order returned")
            << QStringList{"create table tele_485_to_knx_w (id, name)",
                           "insert into tele_485_to_knx_w values (5, 'first')",
                           "insert into tele_485_to_knx_w values (2, 'second')"}
            << projectOf({},
                         {{"first", "", "", "", "", "", "0"}, {"second", "", "", "", "", "", "0"}},
                         {}, {});
    }

    void telegramRowsOfAnyShape()
    {
        QFETCH(QStringList, statements);
        QFETCH(ProjectData, expected);
        {
            SqlFile file(path);
            QVERIFY(file.exec(
                QStringList{createGeneral, "insert into general values (0, 0, 0, 0, 0, 0)"} +
                statements));
        }
        ProjectData data = staleData();
        QVERIFY(read(data));
        compare(data, expected);
    }

    void aHugeTextIsReadWhole()
    {
        {
            SqlFile file(path);
            QVERIFY(file.exec({"create table tele_485_to_knx_w (id, name)",
                               "insert into tele_485_to_knx_w values "
                               "(1, replace(hex(zeroblob(1000000)), '0', 'a'))"}));
        }
        ProjectData data;
        QVERIFY(!read(data));
        QCOMPARE(data.list_485_to_knx_w.size(), 1);
        QCOMPARE(data.list_485_to_knx_w.first().name, QString(2000000, 'a'));
    }
};

QTEST_GUILESS_MAIN(TestProjectReader)
#include "tst_projectreader.moc"
