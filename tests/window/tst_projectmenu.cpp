#include "messageboxanswerer.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "tablefilling.h"
#include "telegrampages.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableWidget>
#include <QTest>

namespace {
using Rows = QList<QStringList>;

const char *const tableNames[] = {"tableWidget_485toknx_w", "tableWidget_1byte",
                                  "tableWidget_knxto485_w"};
const char *const selectionBoxes[] = {"comboBoxBaudRate_set", "comboBoxStopBit_set",
                                      "comboBoxParity_set"};
const QList<int> sampleSelections = {8, 1, 2};

// Exported tables as an import gives them back: every 1-byte length "1 byte",
// the value of every "read" record "0".
QList<Rows> imported(QList<Rows> tables)
{
    for (QStringList &cells : tables[0])
        cells[6] = cells[3] == "read" ? "0" : cells[6];
    for (QStringList &cells : tables[1])
        cells[6] = "1 byte";
    for (QStringList &cells : tables[2])
        cells[5] = cells[1] == "read" ? "0" : cells[5];
    return tables;
}

// Runs the statements on the database file through a connection of its own,
// apart from the program's reader and writer: the rows of the last, values
// joined by '|', or the statement that failed.
QStringList sql(const QString &file, const QStringList &statements)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test");
        db.setDatabaseName(file);
        db.open();
        QSqlQuery query(db);
        for (const QString &statement : statements) {
            rows.clear();
            if (!query.exec(statement)) {
                rows << "failed: " + statement;
                break;
            }
            while (query.next()) {
                QStringList values;
                for (int column = 0; column < query.record().count(); ++column)
                    values << query.value(column).toString();
                rows << values.join('|');
            }
        }
    }
    QSqlDatabase::removeDatabase("test");
    return rows;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestProjectMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScopedWorkDir> workDir;
    std::unique_ptr<WindowUnderTest> w;
    std::unique_ptr<MessageBoxAnswerer> answerer;
    QString path;

    QTableWidget *table(int index) const { return w->widget<QTableWidget>(tableNames[index]); }

    QList<Rows> tables() const
    {
        return {tableRows(table(0)), tableRows(table(1)), tableRows(table(2))};
    }

    QList<int> selections() const
    {
        QList<int> indexes;
        for (const char *box : selectionBoxes)
            indexes << w->widget<QComboBox>(box)->currentIndex();
        return indexes;
    }

    // Triggers a File menu action; its file dialog gives the file.
    void trigger(const char *action, const QString &file) const
    {
        answerer->answerFileDialog(file);
        w->widget<QAction>(action)->trigger();
    }

    // Varied rows added through the panels, with a name to quote and a 1-byte
    // length only a file gives, exported; the tables as exported.
    QList<Rows> writeSample() const
    {
        fillTables(*w, SampleTables(5).make(3, 2, 4));
        table(2)->item(0, 0)->setText(QString::fromUtf8("灯 'x\""));
        table(1)->item(0, 6)->setText("2 bit");
        for (int box = 0; box < 3; ++box)
            w->widget<QComboBox>(selectionBoxes[box])->setCurrentIndex(sampleSelections.at(box));
        trigger("actionExport_E", path);
        return tables();
    }

    QStringList files() const { return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    void verifyBox(const QString &titleAndText) const
    {
        QCOMPARE(answerer->count(), 1);
        QCOMPARE(answerer->last().title + ": " + answerer->last().text, titleAndText);
        QCOMPARE(answerer->last().icon, QMessageBox::Critical);
    }

private slots:
    void init()
    {
        // A connection left in use or registered twice is a fault of the window.
        QTest::failOnWarning(QRegularExpression("QSqlDatabase"));
        workDir = std::make_unique<ScopedWorkDir>();
        w = std::make_unique<WindowUnderTest>();
        answerer = std::make_unique<MessageBoxAnswerer>();
        path = workDir->filePath("project.db");
    }

    void cleanup() { answerer.reset(), w.reset(), workDir.reset(); }

    // Exported twice onto a database with a table of its own and read apart
    // from the program; dialogs cancelled; imported.
    void exportThenImportRestoresTheProject()
    {
        QCOMPARE(sql(path, {"create table notes (a text)", "insert into notes values (1)"}),
                 QStringList());
        const QList<Rows> exported = writeSample();
        trigger("actionExport_E", path);
        QCOMPARE(
            sql(path,
                {"select t.name || '(' || group_concat(c.name || ' ' || lower(c.type)) || ')' "
                 "from sqlite_master t join pragma_table_info(t.name) c "
                 "where t.name <> 'sqlite_sequence' group by t.name"}),
            QStringList({"general(baud_rate integer,stop_bit integer,parity integer,num_485_to_knx_"
                         "w integer,num_1byte integer,num_knx_to_485_w integer)",
                         "info(product text,version text,creat_time time)", "notes(a text)",
                         "tele_1byte(id integer,name text,telegram_p text,ack_p text,telegram_n "
                         "text,ack_n text,addr text,min integer,max text,interval text)",
                         "tele_485_to_knx_w(id integer,name text,telegram text,ack text,ntype "
                         "text,addr text,length text,value text)",
                         "tele_knx_to_485_w(id integer,name text,ntype text,baudrate text,addr "
                         "text,length text,value integer,telegram text)"}));
        QCOMPARE(sql(path, {"select (select count(*) || product || version || (creat_time glob "
                            "'[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:"
                            "[0-5][0-9]') from info), count(*), *, typeof(baud_rate) || "
                            "typeof(stop_bit) || typeof(parity) || typeof(num_485_to_knx_w) || "
                            "typeof(num_1byte) || typeof(num_knx_to_485_w) from general"}),
                 QStringList{"1VELTRISV1.1.31|1|8|1|2|3|2|4|" + QString("integer").repeated(6)});
        QCOMPARE(
            sql(path, {"select group_concat(id || ':' || name) from tele_485_to_knx_w union all "
                       "select group_concat(id || ':' || name) from tele_1byte union all "
                       "select group_concat(id || ':' || name) from tele_knx_to_485_w"}),
            QStringList({"1:485 row 0,2:485 row 1,3:485 row 2", "1:1-byte row 0,2:1-byte row 1",
                         QString::fromUtf8("1:灯 'x\",2:KNX row 1,3:KNX row 2,4:KNX row 3")}));
        // Values are bound as texts; the declared type decides how they are kept.
        QCOMPARE(sql(path, {"select distinct 'a', ntype, typeof(value), value = '' from "
                            "tele_485_to_knx_w union "
                            "select distinct 'b', typeof(min), typeof(max), typeof(interval) "
                            "from tele_1byte union "
                            "select distinct 'c', ntype = 'read', typeof(value), value = '' "
                            "from tele_knx_to_485_w"}),
                 QStringList({"a|read|text|1", "a|write|text|0", "b|integer|text|text",
                              "c|0|integer|0", "c|1|text|1"}));
        QCOMPARE(sql(path, {"select a from notes"}), QStringList{"1"});
        const QByteArray written = fileBytes(path);
        trigger("actionExport_E", QString());
        trigger("actionImport_I", QString());
        QCOMPARE(fileBytes(path), written);
        QCOMPARE(files(), QStringList{"project.db"});
        QCOMPARE(tables(), exported);
        w = std::make_unique<WindowUnderTest>();
        trigger("actionImport_I", path);
        QCOMPARE(answerer->count(), 0);
        QCOMPARE(tables(), imported(exported));
        QCOMPARE(selections(), sampleSelections);
        const QList<MessageBoxAnswerer::FileDialog> dialogs = answerer->fileDialogs();
        QCOMPARE(dialogs.at(0).title + "|" + dialogs.at(0).initialFile + "|" + dialogs.last().title,
                 QString("Save settings|rs485.db|Open settings"));
        QCOMPARE(dialogs.at(0).nameFilters, QStringList({"db Files (*.db)", "db Files (*.db)"}));
        QCOMPARE(dialogs.last().nameFilters, dialogs.at(0).nameFilters);
    }

    void closeProjectEmptiesTheTablesOnly()
    {
        writeSample();
        w->widget<QLineEdit>("lineEdit_485toknx_w_name")->setText("typed");
        w->widget<QAction>("actionClose_C")->trigger();
        QCOMPARE(tables(), QList<Rows>({{}, {}, {}}));
        QCOMPARE(selections(), sampleSelections);
        QCOMPARE(w->widget<QLineEdit>("lineEdit_485toknx_w_name")->text(), QString("typed"));
        QCOMPARE(answerer->fileDialogs().size(), 1);
        trigger("actionExport_E", path);
        QCOMPARE(answerer->count(), 0);
        QCOMPARE(sql(path, {"select (select count(*) from tele_485_to_knx_w), (select "
                            "count(*) from tele_1byte), (select count(*) from "
                            "tele_knx_to_485_w), num_485_to_knx_w, num_1byte, "
                            "num_knx_to_485_w from general"}),
                 QStringList{"0|0|0|0|0|0"});
    }

    // A table is shown when its count agrees with its rows, whatever the others.
    void importShowsTheTablesTheirCountsAgreeWith_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<Rows>("shown");
        QTest::newRow("485 count")
            << 0 << QStringList{"update general set num_485_to_knx_w = 4"} << Rows();
        QTest::newRow("1-byte count")
            << 1 << QStringList{"update general set num_1byte = 3"} << Rows();
        QTest::newRow("KNX count")
            << 2 << QStringList{"update general set num_knx_to_485_w = 5"} << Rows();
        QTest::newRow("KNX table missing") << 2
                                           << QStringList{"drop table tele_knx_to_485_w",
                                                          "update general set num_knx_to_485_w = 0"}
                                           << Rows();
        // Values read by position, each number as an int: a real rounded,
        // anything else that is no int 0.
        QTest::newRow("1-byte row of any values")
            << 1
            << QStringList{"drop table tele_1byte",
                           "create table tele_1byte (a, b, c, d, e, f, g, h, i, j, k)",
                           "insert into tele_1byte values "
                           "(null, null, x'414243', 12, 2.5, -7, '', '300', 'abc', -9e999, 'x')",
                           "update general set num_1byte = 0.6"}
            << Rows{{"", "ABC", "12", "2.5", "-7", "", "1 byte", "300", "0", "0"}};
        QTest::newRow("KNX table of two columns")
            << 2
            << QStringList{"drop table tele_knx_to_485_w",
                           "create table tele_knx_to_485_w (id, name)",
                           "insert into tele_knx_to_485_w values (1, 'n')",
                           "update general set num_knx_to_485_w = '1'"}
            << Rows{{"n", "", "", "", "", "0", ""}};
        QTest::newRow("count beyond int")
            << 0 << QStringList{"update general set num_485_to_knx_w = 4294967299"} << Rows();
        Rows many;
        for (int row = 1; row <= 600; ++row)
            many << QStringList{QString("row %1").arg(row), "", "", "", "", "", "0"};
        QTest::newRow("600 rows")
            << 0
            << QStringList{"delete from tele_485_to_knx_w",
                           "with recursive n(i) as (select 1 union all select i + 1 from n "
                           "where i < 600) "
                           "insert into tele_485_to_knx_w (name) select 'row ' || i from n",
                           "update general set num_485_to_knx_w = 600"}
            << many;
    }

    void importShowsTheTablesTheirCountsAgreeWith()
    {
        QFETCH(int, table);
        QFETCH(QStringList, statements);
        QFETCH(Rows, shown);
        QList<Rows> expected = imported(writeSample());
        QCOMPARE(sql(path, statements), QStringList());
        trigger("actionImport_I", path);
        QCOMPARE(answerer->count(), 0);
        expected[table] = shown;
        QCOMPARE(tables(), expected);
    }

    void exportIntoAMissingDirectoryCannotOpenTheDatabase()
    {
        trigger("actionExport_E", workDir->filePath("no/such/dir/project.db"));
        verifyBox("Cannot open database: Unable to establish a database connection.");
        QCOMPARE(answerer->last().buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
        QCOMPARE(files(), QStringList());
    }

    // A file that an import cannot read or an export cannot write: the error
    // is shown, and the tables, the file and the directory stay as they were.
    void aBadFileChangesNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("text");        // written to the file first
        QTest::addColumn<QStringList>("statements"); // run on the exported project.db first
        QTest::addColumn<QString>("box");
        const QString import = "actionImport_I", notRead = "ERROR: The file is not a project file.";
        QTest::newRow("import text")
            << import << "project.db" << QByteArray("[a]\nb=1\n") << QStringList() << notRead;
        QTest::newRow("import empty file")
            << import << "project.db" << QByteArray("") << QStringList() << notRead;
        QTest::newRow("import without general") << import << "project.db" << QByteArray()
                                                << QStringList{"drop table general"} << notRead;
        QTest::newRow("import general without row")
            << import << "project.db" << QByteArray() << QStringList{"delete from general"}
            << notRead;
        const QString export_ = "actionExport_E", notWritten = "ERROR: Cannot write!";
        QTest::newRow("export onto text")
            << export_ << "notes.db" << QByteArray("notes\n") << QStringList() << notWritten;
        // general cannot be dropped, after info was: all is rolled back.
        QTest::newRow("export onto a project, general a view")
            << export_ << "project.db" << QByteArray()
            << QStringList{"drop table general", "create view general as select 1 as x"}
            << notWritten;
        // The new file is removed again.
        QTest::newRow("export to a new file without journal")
            << export_ << "new.db" << QByteArray() << QStringList() << notWritten;
    }

    void aBadFileChangesNothing()
    {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, statements);
        QFETCH(QString, box);
        const QList<Rows> exported = writeSample();
        QVERIFY(text.isNull() || workDir->write(file, text));
        QCOMPARE(sql(path, statements), QStringList());
        QVERIFY(QDir().mkdir("new.db-journal")); // SQLite cannot make its journal for new.db
        const QByteArray before = fileBytes(file);
        const QStringList filesBefore = files();
        trigger(qPrintable(action), workDir->filePath(file));
        verifyBox(box);
        QCOMPARE(tables(), exported);
        QCOMPARE(selections(), sampleSelections);
        QCOMPARE(fileBytes(file), before);
        QCOMPARE(files(), filesBefore);
    }
};

QTEST_MAIN(TestProjectMenu)
#include "tst_projectmenu.moc"
