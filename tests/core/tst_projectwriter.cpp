#include "filesizelimit.h"
#include "projectwriter.h"
#include "scopedworkdir.h"
#include "sqlfile.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTest>

namespace {
const QStringList telegramTables = {"tele_485_to_knx_w", "tele_1byte", "tele_knx_to_485_w"};

// Rows as the window's tables hold them: a write and a read record of each
// write kind, one 1-byte record.
ProjectContent sampleContent()
{
    ProjectContent content;
    content.baud_rate = 8;
    content.stop_bit = 1;
    content.parity = 2;
    content.rows_485_to_knx_w = {{"Lamp", "01 02 03", "0a 0B", "write", "1/2/3", "2 byte", "40000"},
                                 {"", "04", "", "read", "15/7/255", "1 bit", ""},
                                 {"Third", "05", "", "write", "1/1/1", "1 bit", "1"}};
    content.rows_1byte = {
        {"Dimmer", "01 02", "03", "04 05", "06 07", "4/5/6", "1 byte", "200", "10", "7"}};
    content.rows_knx_to_485_w = {{"Blind", "response", "56000", "7/6/5", "6 bit", "63", "aa bb"},
                                 {"Ask", "read", "2400", "0/0/1", "1 byte", "", "7e"}};
    return content;
}

bool writeFile(const QString &path, const ProjectContent &content)
{
    SqlFile file(path);
    QSqlDatabase db = file.database();
    return writeProjectFile(db, content);
}

QStringList typesOf(const SqlFile &file, const QString &select)
{
    QStringList types;
    for (const QVariantList &row : file.rows(select)) {
        QStringList rowTypes;
        for (const QVariant &value : row)
            rowTypes << value.toString();
        types << rowTypes.join(',');
    }
    return types;
}
} // namespace

class TestProjectWriter : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;
    QString path;

private slots:
    void init()
    {
        path = workDir.filePath(
            QString("%1 %2.db").arg(QTest::currentTestFunction(), QTest::currentDataTag()));
    }

    void declaresTheColumnTypes_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("info") << "info"
                              << "CREATE TABLE info (product text, version text, creat_time time)"
                              << QStringList{"product text", "version text", "creat_time time"};
        QTest::newRow("general")
            << "general"
            << "CREATE TABLE general (baud_rate integer, stop_bit integer, parity integer, "
               "num_485_to_knx_w integer, num_1byte integer, num_knx_to_485_w integer)"
            << QStringList{"baud_rate integer", "stop_bit integer",
                           "parity integer",    "num_485_to_knx_w integer",
                           "num_1byte integer", "num_knx_to_485_w integer"};
        QTest::newRow("485 to knx")
            << "tele_485_to_knx_w"
            << "CREATE TABLE tele_485_to_knx_w (id integer PRIMARY KEY AUTOINCREMENT,name "
               "text,telegram text,ack text,ntype text,addr text,length text,value text)"
            << QStringList{"id integer", "name text", "telegram text", "ack text",
                           "ntype text", "addr text", "length text",   "value text"};
        QTest::newRow("1 byte")
            << "tele_1byte"
            << "CREATE TABLE tele_1byte (id integer PRIMARY KEY AUTOINCREMENT,name "
               "text,telegram_p text,ack_p text,telegram_n text,ack_n text,addr text,min "
               "integer,max text,interval text)"
            << QStringList{"id integer",      "name text",    "telegram_p text", "ack_p text",
                           "telegram_n text", "ack_n text",   "addr text",       "min integer",
                           "max text",        "interval text"};
        QTest::newRow("knx to 485")
            << "tele_knx_to_485_w"
            << "CREATE TABLE tele_knx_to_485_w (id integer PRIMARY KEY AUTOINCREMENT,name "
               "text,ntype text,baudrate text,addr text,length text,value integer,telegram text)"
            << QStringList{"id integer", "name text",   "ntype text",    "baudrate text",
                           "addr text",  "length text", "value integer", "telegram text"};
    }

    void declaresTheColumnTypes()
    {
        QFETCH(QString, table);
        QFETCH(QString, statement);
        QFETCH(QStringList, columns);
        QVERIFY(writeFile(path, sampleContent()));
        SqlFile file(path);
        QStringList declared;
        for (const QVariantList &row : file.rows("PRAGMA table_info(" + table + ")"))
            declared << row.at(1).toString() + " " + row.at(2).toString().toLower();
        QCOMPARE(declared, columns);
        QCOMPARE(file.column("select sql from sqlite_master where name = '" + table + "'"),
                 QStringList{statement});
    }

    void storesEveryCellInItsColumn_data()
    {
        QTest::addColumn<QString>("select");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("general") << "select * from general" << QStringList{"8|1|2|3|1|2"};
        QTest::newRow("485 to knx")
            << "select id, name, telegram, ack, ntype, addr, length, value from tele_485_to_knx_w"
            << QStringList{"1|Lamp|01 02 03|0a 0B|write|1/2/3|2 byte|40000",
                           "2||04||read|15/7/255|1 bit|", "3|Third|05||write|1/1/1|1 bit|1"};
        QTest::newRow("1 byte") << "select id, name, telegram_p, ack_p, telegram_n, ack_n, addr, "
                                   "min, max, interval from tele_1byte"
                                << QStringList{"1|Dimmer|01 02|03|04 05|06 07|4/5/6|200|10|7"};
        QTest::newRow("knx to 485")
            << "select id, name, ntype, baudrate, addr, length, value, telegram from "
               "tele_knx_to_485_w"
            << QStringList{"1|Blind|response|56000|7/6/5|6 bit|63|aa bb",
                           "2|Ask|read|2400|0/0/1|1 byte||7e"};
    }

    void storesEveryCellInItsColumn()
    {
        QFETCH(QString, select);
        QFETCH(QStringList, rows);
        QVERIFY(writeFile(path, sampleContent()));
        SqlFile file(path);
        QStringList stored;
        for (const QVariantList &row : file.rows(select)) {
            QStringList texts;
            for (const QVariant &value : row)
                texts << value.toString();
            stored << texts.join('|');
        }
        QCOMPARE(stored, rows);
    }

    // Values are bound as texts; the column affinity decides how they are kept.
    void storageClassesFollowTheDeclaredTypes_data()
    {
        QTest::addColumn<QString>("select");
        QTest::addColumn<QStringList>("types");
        QTest::newRow("general") << "select typeof(baud_rate), typeof(stop_bit), typeof(parity), "
                                    "typeof(num_485_to_knx_w), typeof(num_1byte), "
                                    "typeof(num_knx_to_485_w) from general"
                                 << QStringList{"integer,integer,integer,integer,integer,integer"};
        QTest::newRow("485 to knx value")
            << "select typeof(id), typeof(value), quote(value) from tele_485_to_knx_w"
            << QStringList{"integer,text,'40000'", "integer,text,''", "integer,text,'1'"};
        QTest::newRow("1 byte min max interval")
            << "select typeof(min), typeof(max), typeof(interval) from tele_1byte"
            << QStringList{"integer,text,text"};
        QTest::newRow("knx to 485 value")
            << "select typeof(value), quote(value) from tele_knx_to_485_w"
            << QStringList{"integer,63", "text,''"};
        QTest::newRow("empty ack and name are texts")
            << "select typeof(name), typeof(ack) from tele_485_to_knx_w where id = 2"
            << QStringList{"text,text"};
    }

    void storageClassesFollowTheDeclaredTypes()
    {
        QFETCH(QString, select);
        QFETCH(QStringList, types);
        QVERIFY(writeFile(path, sampleContent()));
        SqlFile file(path);
        QCOMPARE(typesOf(file, select), types);
    }

    // A null cell text (an item without text) is kept as an empty text, not NULL.
    void nullCellTextsAreStoredAsEmptyTexts()
    {
        ProjectContent content;
        content.rows_knx_to_485_w = {
            {QString(), "read", "2400", "1/1/1", "1 bit", QString(), "01"}};
        QVERIFY(writeFile(path, content));
        SqlFile file(path);
        QCOMPARE(typesOf(file, "select typeof(name), typeof(value) from tele_knx_to_485_w"),
                 QStringList{"text,text"});
    }

    void infoRowNamesProductVersionAndTime()
    {
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(writeFile(path, sampleContent()));
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);
        SqlFile file(path);
        const QList<QVariantList> rows = file.rows("select * from info");
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).at(0).toString(), QString("VELTRIS"));
        QCOMPARE(rows.at(0).at(1).toString(), QString("V1.1.3"));
        const QString time = rows.at(0).at(2).toString();
        QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$")
                     .match(time)
                     .hasMatch(),
                 qPrintable(time));
        const QDateTime written = QDateTime::fromString(time, "yyyy-MM-dd HH:mm:ss");
        QVERIFY(written >= before.addMSecs(-before.time().msec()) && written <= after);
    }

    void emptyTablesGiveEmptyTelegramTablesAndZeroCounts()
    {
        QVERIFY(writeFile(path, ProjectContent()));
        SqlFile file(path);
        for (const QString &table : telegramTables)
            QCOMPARE(file.column("select count(*) from " + table), QStringList{"0"});
        QCOMPARE(
            file.column("select num_485_to_knx_w || num_1byte || num_knx_to_485_w from general"),
            QStringList{"000"});
    }

    void writingTwiceReplacesTheProject()
    {
        QVERIFY(writeFile(path, sampleContent()));
        ProjectContent second;
        second.rows_485_to_knx_w = {{"Second", "09", "", "write", "2/2/2", "1 bit", "0"}};
        QVERIFY(writeFile(path, second));
        SqlFile file(path);
        QCOMPARE(file.column("select count(*) from info"), QStringList{"1"});
        QCOMPARE(file.column("select count(*) from general"), QStringList{"1"});
        QCOMPARE(file.column("select id || name from tele_485_to_knx_w"), QStringList{"1Second"});
        QCOMPARE(file.column("select count(*) from tele_1byte"), QStringList{"0"});
        QCOMPARE(file.column("select num_485_to_knx_w from general"), QStringList{"1"});
    }

    void otherTablesOfTheFileStay()
    {
        {
            SqlFile file(path);
            QVERIFY(
                file.exec({"create table notes (text text)", "insert into notes values ('kept')"}));
        }
        QVERIFY(writeFile(path, sampleContent()));
        SqlFile file(path);
        QCOMPARE(file.column("select text from notes"), QStringList{"kept"});
    }

    void refusesAFileThatIsNoDatabase_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("short text") << QByteArray("just a note\n");
        QTest::newRow("long text") << QByteArray("line of text\n").repeated(1000);
    }

    void refusesAFileThatIsNoDatabase()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(workDir.write("note.db", contents));
        QVERIFY(!writeFile(workDir.filePath("note.db"), sampleContent()));
        QCOMPARE(fileBytes(workDir.filePath("note.db")), contents);
    }

    // The drop of general fails after info was dropped: nothing of it stays.
    void aFailedStatementRollsEverythingBack()
    {
        QVERIFY(writeFile(path, sampleContent()));
        {
            SqlFile file(path);
            QVERIFY(file.exec({"drop table general", "create view general as select 1 as x"}));
        }
        const QByteArray before = fileBytes(path);
        QVERIFY(!writeFile(path, ProjectContent()));
        QCOMPARE(fileBytes(path), before);
        SqlFile file(path);
        QCOMPARE(file.column("select count(*) from tele_485_to_knx_w"), QStringList{"3"});
    }

    void aWriteFailureLeavesTheFileAsItWas()
    {
        QVERIFY(writeFile(path, sampleContent()));
        const QByteArray before = fileBytes(path);
        ProjectContent bigger = sampleContent();
        bigger.rows_485_to_knx_w = QList<QStringList>(400, bigger.rows_485_to_knx_w.first());
        bool written = true;
        {
            const FileSizeLimit limit(before.size());
            QVERIFY(limit.isActive());
            written = writeFile(path, bigger);
        }
        QVERIFY(!written);
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!QFile::exists(path + "-journal"));
    }
};

QTEST_GUILESS_MAIN(TestProjectWriter)
#include "tst_projectwriter.moc"
