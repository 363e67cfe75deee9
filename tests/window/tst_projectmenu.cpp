#include "groupaddressfiles.h"
#include "messageboxanswerer.h"
#include "projectfiles.h"
#include "projectreader.h"
#include "projectwriter.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "tablefilling.h"
#include "telegrampages.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

namespace {
using Rows = QList<QStringList>;

// A file changed, then imported or exported, and what that shows.
struct FileChange
{
    QString action;
    QString file;
    QByteArray text;        // written to the file first, unless null
    QStringList statements; // run on the exported project.db first
    int table;              // shown as these rows, the others as exported
    Rows rows;
    QString box; // the error box, "title: text", then " | " and the details if any
    QMessageBox::StandardButtons buttons;
};

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

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

Q_DECLARE_METATYPE(FileChange)

class TestProjectMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScopedWorkDir> workDir;
    std::unique_ptr<WindowUnderTest> w;
    std::unique_ptr<MessageBoxAnswerer> answerer;
    QString path;

    QTableWidget *table(const QString &page) const
    {
        return w->widget<QTableWidget>(qPrintable("tableWidget_" + page));
    }

    // The three tables, the "Serial Options" selections as one row, the address book.
    QList<Rows> state() const
    {
        QStringList selections;
        for (const char *box :
             {"comboBoxBaudRate_set", "comboBoxStopBit_set", "comboBoxParity_set"})
            selections << QString::number(w->widget<QComboBox>(box)->currentIndex());
        Rows book = groupAddressRows(*w);
        for (QStringList &entry : book)
            entry.removeLast(); // the rows that use it
        return {tableRows(table("485toknx_w")), tableRows(table("1byte")),
                tableRows(table("knxto485_w")), Rows{selections}, book};
    }

    // Triggers a File menu action; its file dialog gives the file.
    void trigger(const char *action, const QString &file) const
    {
        answerer->answerFileDialog(file);
        w->widget<QAction>(action)->trigger();
    }

    // Varied rows added through the panels, with a name to quote and a 1-byte
    // length only a file gives, and an address book, exported; the state as exported.
    QList<Rows> writeSample()
    {
        importGroupAddresses(*w, *answerer);
        answerer = std::make_unique<MessageBoxAnswerer>();
        fillTables(*w, SampleTables(5).make(3, 2, 4));
        table("knxto485_w")->item(0, 0)->setText(QString::fromUtf8("灯 'x\""));
        table("1byte")->item(0, 6)->setText("2 bit");
        w->widget<QComboBox>("comboBoxBaudRate_set")->setCurrentIndex(8);
        w->widget<QComboBox>("comboBoxStopBit_set")->setCurrentIndex(1);
        w->widget<QComboBox>("comboBoxParity_set")->setCurrentIndex(2);
        trigger("actionExport_E", path);
        return state();
    }

    QStringList files() const { return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

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
        QCOMPARE(sqlRows(path, {"create table notes (a text)", "insert into notes values (1)"}),
                 QStringList());
        const QList<Rows> exported = writeSample();
        trigger("actionExport_E", path);
        // Values are bound as texts; the declared type decides how they are kept.
        QCOMPARE(
            sqlRows(
                path,
                {"select t.name || '(' || group_concat(c.name || ' ' || lower(c.type)) || ')' "
                 "from sqlite_master t join pragma_table_info(t.name) c "
                 "where t.name <> 'sqlite_sequence' group by t.name",
                 "select (select count(*) || product || version || (creat_time glob "
                 "'[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:"
                 "[0-5][0-9]') from info), count(*), *, typeof(baud_rate) || "
                 "typeof(stop_bit) || typeof(parity) || typeof(num_485_to_knx_w) || "
                 "typeof(num_1byte) || typeof(num_knx_to_485_w) from general",
                 "select group_concat(id || ':' || name) from tele_485_to_knx_w union all "
                 "select group_concat(id || ':' || name) from tele_1byte union all "
                 "select group_concat(id || ':' || name) from tele_knx_to_485_w",
                 "select distinct 'a', ntype, typeof(value), value = '' from tele_485_to_knx_w "
                 "union select distinct 'b', typeof(min), typeof(max), typeof(interval) from "
                 "tele_1byte union select distinct 'c', ntype = 'read', typeof(value), value = '' "
                 "from tele_knx_to_485_w",
                 "select group_concat(id || ':' || address || ':' || name) from group_addresses",
                 "select a from notes"}),
            QStringList({"check_results(id integer,table_name text,row_index text,checked_at "
                         "text,outcome text,words text,row_text text,reaction_ms text)",
                         "general(baud_rate integer,stop_bit integer,parity integer,num_485_to_knx_"
                         "w integer,num_1byte integer,num_knx_to_485_w integer)",
                         "group_addresses(id integer,address text,name text,main_group "
                         "text,middle_group text,datapoint_type text,description text)",
                         "info(product text,version text,creat_time time)", "notes(a text)",
                         "site(id integer,site text,customer text,gateway_location text,installer "
                         "text)",
                         "tele_1byte(id integer,name text,telegram_p text,ack_p text,telegram_n "
                         "text,ack_n text,addr text,min integer,max text,interval text)",
                         "tele_485_to_knx_w(id integer,name text,telegram text,ack text,ntype "
                         "text,addr text,length text,value text)",
                         "tele_knx_to_485_w(id integer,name text,ntype text,baudrate text,addr "
                         "text,length text,value integer,telegram text)",
                         "1VELTRISV1.1.31|1|8|1|2|3|2|4|" + QString("integer").repeated(6),
                         "1:485 row 0,2:485 row 1,3:485 row 2", "1:1-byte row 0,2:1-byte row 1",
                         QString::fromUtf8("1:灯 'x\",2:KNX row 1,3:KNX row 2,4:KNX row 3"),
                         "a|read|text|1", "a|write|text|0", "b|integer|text|text", "c|0|integer|0",
                         "c|1|text|1", "1:1/2/3:Ceiling light,2:1/2/4:Dimmer", "1"}));
        const QByteArray written = fileBytes(path);
        trigger("actionExport_E", QString());
        trigger("actionImport_I", QString());
        QCOMPARE(fileBytes(path), written);
        QCOMPARE(files(), QStringList{"project.db"});
        QCOMPARE(state(), exported);
        w = std::make_unique<WindowUnderTest>();
        trigger("actionImport_I", path);
        QCOMPARE(state(), imported(exported));
        const QList<MessageBoxAnswerer::FileDialog> dialogs = answerer->fileDialogs();
        QCOMPARE(dialogs.at(0).title + "|" + dialogs.at(0).initialFile + "|" + dialogs.last().title,
                 QString("Save settings|rs485.db|Open settings"));
        QCOMPARE(dialogs.at(0).nameFilters, QStringList({"db Files (*.db)", "db Files (*.db)"}));
        QCOMPARE(dialogs.last().nameFilters, dialogs.at(0).nameFilters);
    }

    // The site details through the file, and empty from a file without them.
    void siteDetailsRoundTrip()
    {
        Project project;
        project.serialOptions = {8, 1, 2};
        project.site = {"Hall 2", QString::fromUtf8("人民 'x\""), "", "J. Smith"};
        std::optional<Project> read, older;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "site");
            db.setDatabaseName(path);
            QVERIFY(db.open() && writeProjectFile(db, project));
            read = readProjectFile(db).project;
            QVERIFY(QSqlQuery(db).exec("drop table site"));
            older = readProjectFile(db).project;
        }
        QSqlDatabase::removeDatabase("site");
        QVERIFY(read && *read == project);
        project.site = {};
        QVERIFY(older && *older == project);
    }

    // The tables and the address book go; the selections and the panel
    // (holding the last record added) stay.
    void closeProjectEmptiesTablesAndAddressBook()
    {
        const QList<Rows> exported = writeSample();
        w->widget<QAction>("actionClose_C")->trigger();
        QCOMPARE(state(), QList<Rows>({{}, {}, {}, exported.at(3), {}}));
        QCOMPARE(w->widget<QLineEdit>("lineEdit_485toknx_w_name")->text(), QString("485 row 2"));
        QCOMPARE(answerer->fileDialogs().size(), 1);
        trigger("actionExport_E", path);
        QCOMPARE(sqlRows(path,
                         {"select (select count(*) from tele_485_to_knx_w), (select "
                          "count(*) from tele_1byte), (select count(*) from "
                          "tele_knx_to_485_w), num_485_to_knx_w, num_1byte, "
                          "num_knx_to_485_w, (select count(*) from group_addresses) from general"}),
                 QStringList{"0|0|0|0|0|0|0"});
    }

    // The exported project.db changed by the statements, or a file replaced by
    // the text, then imported or exported. An import reads a file whole or not
    // at all. A file that an import cannot read or an export cannot open or
    // write shows the error; the tables, the file and the directory stay as
    // they were.
    void aChangedFileImportedOrExported_data()
    {
        QTest::addColumn<FileChange>("change");
        const auto shows = [](const char *name, int table, const QStringList &statements,
                              const Rows &rows = {}) {
            QTest::newRow(name) << FileChange{
                "actionImport_I", "project.db", {}, statements, table, rows, {}, {}};
        };
        const auto refuses = [](const char *name, const char *action, const char *file,
                                const char *text, const QStringList &statements, const QString &box,
                                QMessageBox::StandardButtons buttons = QMessageBox::Ok) {
            QTest::newRow(name) << FileChange{action, file, text, statements, -1, {}, box, buttons};
        };
        shows("without address book", 4, {"drop table group_addresses"});
        Rows many;
        for (int row = 1; row <= 600; ++row)
            many << QStringList{QString("row %1").arg(row), "", "", "", "", "", "0"};
        shows("600 rows", 0,
              {"delete from tele_485_to_knx_w",
               "with recursive n(i) as (select 1 union all select i + 1 from n where i < 600) "
               "insert into tele_485_to_knx_w (name, value) select 'row ' || i, 0 from n",
               "update general set num_485_to_knx_w = 600"},
              many);
        // Read by position: the columns may be named and typed otherwise.
        shows("1-byte table of other columns", 1,
              {"drop table tele_1byte", "create table tele_1byte (a, b, c, d, e, f, g, h, i, j, k)",
               "insert into tele_1byte values "
               "(null, null, x'414243', 12, 2.5, -7, '', ' 300', '+4', 9.0, 'x')",
               "update general set num_1byte = 1"},
              {{"", "ABC", "12", "2.5", "-7", "", "1 byte", "300", "4", "9"}});
        const char *import = "actionImport_I";
        refuses("485 count", import, "project.db", nullptr,
                {"update general set num_485_to_knx_w = 4"},
                "ERROR: Nothing was imported: PATH cannot be read whole. | 485 to KNX: the file "
                "claims 4 rows, the table holds 3");
        refuses("import text", import, "project.db", "[a]\nb=1\n", {},
                "ERROR: The file is not a project file.");
        const char *export_ = "actionExport_E", *notWritten = "ERROR: Cannot write!";
        refuses("export into a missing directory", export_, "no/such/dir/project.db", nullptr, {},
                "Cannot open database: Unable to establish a database connection.",
                QMessageBox::Cancel);
        refuses("export onto text", export_, "notes.db", "notes\n", {}, notWritten);
        // general cannot be dropped, after info was: all is rolled back.
        refuses("export onto a project, general a view", export_, "project.db", nullptr,
                {"drop table general", "create view general as select 1 as x"}, notWritten);
        // The new file is removed again.
        refuses("export to a new file without journal", export_, "new.db", nullptr, {}, notWritten);
    }

    void aChangedFileImportedOrExported()
    {
        QFETCH(FileChange, change);
        QList<Rows> expected = writeSample();
        QVERIFY(change.text.isNull() || workDir->write(change.file, change.text));
        QCOMPARE(sqlRows(path, change.statements), QStringList());
        QVERIFY(QDir().mkdir("new.db-journal")); // SQLite cannot make its journal for new.db
        const QByteArray before = fileBytes(change.file);
        const QStringList filesBefore = files();
        trigger(qPrintable(change.action), workDir->filePath(change.file));
        QStringList boxes;
        for (const MessageBoxAnswerer::Box &box : answerer->boxes()) {
            boxes << box.title + ": " + box.text +
                         (box.informativeText.isEmpty() ? "" : " | " + box.informativeText);
            QCOMPARE(std::pair(box.icon, box.buttons),
                     std::pair(QMessageBox::Critical, change.buttons));
        }
        const QString box =
            QString(change.box)
                .replace("PATH", QDir::toNativeSeparators(workDir->filePath(change.file)));
        QCOMPARE(boxes, change.box.isEmpty() ? QStringList() : QStringList{box});
        if (change.table >= 0) {
            expected = imported(expected);
            expected[change.table] = change.rows;
        }
        QCOMPARE(state(), expected);
        QCOMPARE(fileBytes(change.file), before);
        QCOMPARE(files(), filesBefore);
    }
};

QTEST_MAIN(TestProjectMenu)
#include "tst_projectmenu.moc"
