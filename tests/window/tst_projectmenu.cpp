#include "filesizelimit.h"
#include "messageboxanswerer.h"
#include "scopedworkdir.h"
#include "sqlfile.h"
#include "windowundertest.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

namespace {
using Rows = QList<QStringList>;

const QStringList tableNames = {"tableWidget_485toknx_w", "tableWidget_1byte",
                                "tableWidget_knxto485_w"};
const QStringList fileTables = {"tele_485_to_knx_w", "tele_1byte", "tele_knx_to_485_w"};
const QStringList countColumns = {"num_485_to_knx_w", "num_1byte", "num_knx_to_485_w"};
const QStringList selectionBoxes = {"comboBoxBaudRate_set", "comboBoxStopBit_set",
                                    "comboBoxParity_set"};

// The three tables as the window holds them: records of every type, "read"
// records without a value, and a 1-byte row with a length only a file can give.
const QList<Rows> sampleTables = {
    {{"Lamp", "01 02 03", "0a 0B", "write", "1/2/3", "2 byte", "40000"},
     {"", "04", "", "read", "15/7/255", "1 bit", ""}},
    {{"Dimmer", "01 02", "03", "04 05", "06 07", "4/5/6", "1 byte", "200", "10", "7"},
     {"Odd", "0A", "", "0B", "", "1/1/1", "2 bit", "0", "255", "1"}},
    {{"Blind", "response", "56000", "7/6/5", "6 bit", "63", "aa bb"},
     {"Ask", "read", "2400", "0/0/1", "1 byte", "", "7e"},
     {QString::fromUtf8("灯 'x'"), "write", "115200", "1/1/1", "1 bit", "1", "01"}}};

// The same after export and import.
const QList<Rows> importedTables = {
    {{"Lamp", "01 02 03", "0a 0B", "write", "1/2/3", "2 byte", "40000"},
     {"", "04", "", "read", "15/7/255", "1 bit", "0"}},
    {{"Dimmer", "01 02", "03", "04 05", "06 07", "4/5/6", "1 byte", "200", "10", "7"},
     {"Odd", "0A", "", "0B", "", "1/1/1", "1 byte", "0", "255", "1"}},
    {{"Blind", "response", "56000", "7/6/5", "6 bit", "63", "aa bb"},
     {"Ask", "read", "2400", "0/0/1", "1 byte", "0", "7e"},
     {QString::fromUtf8("灯 'x'"), "write", "115200", "1/1/1", "1 bit", "1", "01"}}};

const QList<int> sampleSelections = {8, 1, 2};

void addTableRows()
{
    QTest::addColumn<int>("table");
    for (int table = 0; table < tableNames.size(); ++table)
        QTest::newRow(qPrintable(fileTables.at(table))) << table;
}
} // namespace

class TestProjectMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScopedWorkDir> workDir;
    std::unique_ptr<WindowUnderTest> w;
    QString path;

    QTableWidget *table(int index) const
    {
        return w->widget<QTableWidget>(qPrintable(tableNames.at(index)));
    }

    QList<Rows> tables() const
    {
        QList<Rows> result;
        for (int index = 0; index < tableNames.size(); ++index) {
            Rows rows;
            const QTableWidget *t = table(index);
            for (int row = 0; row < t->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < t->columnCount(); ++column)
                    cells << (t->item(row, column) ? t->item(row, column)->text() : "<none>");
                rows << cells;
            }
            result << rows;
        }
        return result;
    }

    // Fills the tables as an import does, without any check.
    void setTables(const QList<Rows> &content) const
    {
        for (int index = 0; index < tableNames.size(); ++index) {
            QTableWidget *t = table(index);
            t->setRowCount(0);
            for (const QStringList &cells : content.at(index)) {
                const int row = t->rowCount();
                t->insertRow(row);
                for (int column = 0; column < cells.size(); ++column)
                    t->setItem(row, column, new QTableWidgetItem(cells.at(column)));
            }
        }
    }

    QList<int> selections() const
    {
        QList<int> indexes;
        for (const QString &box : selectionBoxes)
            indexes << w->widget<QComboBox>(qPrintable(box))->currentIndex();
        return indexes;
    }

    void setSelections(const QList<int> &indexes) const
    {
        for (int i = 0; i < selectionBoxes.size(); ++i)
            w->widget<QComboBox>(qPrintable(selectionBoxes.at(i)))->setCurrentIndex(indexes.at(i));
    }

    void trigger(const char *action) const { w->widget<QAction>(action)->trigger(); }

    void exportTo(MessageBoxAnswerer &answerer, const QString &file) const
    {
        answerer.answerFileDialog(file);
        trigger("actionExport_E");
    }

    void importFrom(MessageBoxAnswerer &answerer, const QString &file) const
    {
        answerer.answerFileDialog(file);
        trigger("actionImport_I");
    }

    // A project file of the sample, written by the window and then changed.
    void writeSample(const QStringList &changes = {}) const
    {
        MessageBoxAnswerer answerer;
        setTables(sampleTables);
        setSelections(sampleSelections);
        exportTo(answerer, path);
        QCOMPARE(answerer.count(), 0);
        SqlFile file(path);
        QVERIFY(file.exec(changes));
    }

    QStringList filesInWorkDir() const
    {
        return QDir(workDir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    void verifyBox(const MessageBoxAnswerer &answerer, const QString &title,
                   const QString &text) const
    {
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().title, title);
        QCOMPARE(answerer.last().text, text);
        QCOMPARE(answerer.last().icon, QMessageBox::Critical);
    }

private slots:
    void init()
    {
        // A connection left in use or registered twice is a fault of the window.
        QTest::failOnWarning(QRegularExpression("QSqlDatabase"));
        workDir = std::make_unique<ScopedWorkDir>();
        w = std::make_unique<WindowUnderTest>();
        path = workDir->filePath(
            QString("%1 %2.db").arg(QTest::currentTestFunction(), QTest::currentDataTag()));
    }

    void cleanup()
    {
        w.reset();
        workDir.reset();
    }

    void exportThenImportRestoresTheProject()
    {
        MessageBoxAnswerer answerer;
        setTables(sampleTables);
        setSelections(sampleSelections);
        exportTo(answerer, path);
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(answerer.fileDialogs().size(), 1);
        QCOMPARE(answerer.fileDialogs().last().title, QString("Save settings"));
        QCOMPARE(answerer.fileDialogs().last().initialFile, QString("rs485.db"));
        QCOMPARE(answerer.fileDialogs().last().nameFilters,
                 QStringList({"db Files (*.db)", "db Files (*.db)"}));

        w = std::make_unique<WindowUnderTest>();
        importFrom(answerer, path);
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(answerer.fileDialogs().size(), 2);
        QCOMPARE(answerer.fileDialogs().last().title, QString("Open settings"));
        QCOMPARE(answerer.fileDialogs().last().nameFilters,
                 QStringList({"db Files (*.db)", "db Files (*.db)"}));
        QCOMPARE(tables(), importedTables);
        QCOMPARE(selections(), sampleSelections);
    }

    // The file is read apart from the program's reader.
    void exportWritesTheCellsAndIndexes()
    {
        writeSample();
        SqlFile file(path);
        QCOMPARE(file.column("select baud_rate || stop_bit || parity || num_485_to_knx_w || "
                             "num_1byte || num_knx_to_485_w from general"),
                 QStringList{"812223"});
        QCOMPARE(
            file.column("select id || '|' || name || '|' || quote(value) from tele_knx_to_485_w"),
            QStringList({"1|Blind|63", "2|Ask|''", QString::fromUtf8("3|灯 'x'|1")}));
        QCOMPARE(file.column("select telegram_n || '|' || min || '|' || interval from tele_1byte"),
                 QStringList({"04 05|200|7", "0B|0|1"}));
    }

    void closeProjectEmptiesTheTablesOnly()
    {
        MessageBoxAnswerer answerer;
        setTables(sampleTables);
        setSelections(sampleSelections);
        w->widget<QLineEdit>("lineEdit_485toknx_w_name")->setText("typed");
        w->widget<QLineEdit>("lineEdit_knxto485_w_telegram")->setText("01 02");
        trigger("actionClose_C");
        QCOMPARE(tables(), QList<Rows>({{}, {}, {}}));
        QCOMPARE(selections(), sampleSelections);
        QCOMPARE(w->widget<QLineEdit>("lineEdit_485toknx_w_name")->text(), QString("typed"));
        QCOMPARE(w->widget<QLineEdit>("lineEdit_knxto485_w_telegram")->text(), QString("01 02"));
        QCOMPARE(answerer.count(), 0);
        QVERIFY(answerer.fileDialogs().isEmpty());

        exportTo(answerer, path);
        SqlFile file(path);
        for (const QString &fileTable : fileTables)
            QCOMPARE(file.column("select count(*) from " + fileTable), QStringList{"0"});
        QCOMPARE(
            file.column("select num_485_to_knx_w || num_1byte || num_knx_to_485_w from general"),
            QStringList{"000"});
    }

    void aCountLargerThanItsRowsLeavesThatTableEmpty_data() { addTableRows(); }

    void aCountLargerThanItsRowsLeavesThatTableEmpty()
    {
        QFETCH(int, table);
        writeSample({QString("update general set %1 = %1 + 1").arg(countColumns.at(table))});
        setTables({{{"old"}}, {{"old"}}, {{"old"}}});
        MessageBoxAnswerer answerer;
        importFrom(answerer, path);
        QCOMPARE(answerer.count(), 0);
        QList<Rows> expected = importedTables;
        expected[table].clear();
        QCOMPARE(tables(), expected);
    }

    void aMissingTelegramTableReadsAsEmpty_data() { addTableRows(); }

    void aMissingTelegramTableReadsAsEmpty()
    {
        QFETCH(int, table);
        QList<Rows> content = sampleTables;
        content[table].clear();
        setTables(content);
        MessageBoxAnswerer answerer;
        exportTo(answerer, path);
        {
            SqlFile file(path);
            QVERIFY(file.exec({"drop table " + fileTables.at(table)}));
        }
        setTables({{{"old"}}, {{"old"}}, {{"old"}}});
        importFrom(answerer, path);
        QCOMPARE(answerer.count(), 0);
        QList<Rows> expected = importedTables;
        expected[table].clear();
        QCOMPARE(tables(), expected);
    }

    void importShowsEveryRowBeyondTheRowLimit()
    {
        writeSample(
            {"delete from tele_485_to_knx_w",
             "with recursive n(i) as (select 1 union all select i + 1 from n where i < 600) "
             "insert into tele_485_to_knx_w (name, telegram, ack, ntype, addr, length, "
             "value) select 'row ' || i, '01', '', 'write', '1/1/1', '1 byte', i from n",
             "update general set num_485_to_knx_w = 600"});
        MessageBoxAnswerer answerer;
        importFrom(answerer, path);
        QCOMPARE(answerer.count(), 0);
        const Rows rows = tables().at(0);
        QCOMPARE(rows.size(), 600);
        QCOMPARE(rows.first(), QStringList({"row 1", "01", "", "write", "1/1/1", "1 byte", "1"}));
        QCOMPARE(rows.last(),
                 QStringList({"row 600", "01", "", "write", "1/1/1", "1 byte", "600"}));
        QCOMPARE(tables().mid(1), importedTables.mid(1));
    }

    void selectionsOutsideTheirListsAreLeftUnselected()
    {
        writeSample({"update general set baud_rate = 9, stop_bit = -1, parity = 1"});
        setSelections({0, 0, 0});
        MessageBoxAnswerer answerer;
        importFrom(answerer, path);
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(selections(), QList<int>({-1, -1, 1}));
        QCOMPARE(tables(), importedTables);
    }

    void aFileThatIsNoProjectKeepsTheTables_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("text file") << QByteArray("[General]\nlanguage=1\n") << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("database without general")
            << QByteArray()
            << QStringList{"create table tele_1byte (id, name)",
                           "insert into tele_1byte values (1, 'x')"};
        QTest::newRow("general without a row")
            << QByteArray()
            << QStringList{"create table general (baud_rate integer, stop_bit integer, parity "
                           "integer, num_485_to_knx_w integer, num_1byte integer, "
                           "num_knx_to_485_w integer)"};
    }

    void aFileThatIsNoProjectKeepsTheTables()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, statements);
        QVERIFY(workDir->write(QFileInfo(path).fileName(), contents));
        {
            SqlFile file(path);
            QVERIFY(file.exec(statements));
        }
        const QByteArray before = fileBytes(path);
        setTables(sampleTables);
        setSelections(sampleSelections);
        MessageBoxAnswerer answerer;
        importFrom(answerer, path);
        verifyBox(answerer, "ERROR", "The file is not a project file.");
        QCOMPARE(tables(), sampleTables);
        QCOMPARE(selections(), sampleSelections);
        QCOMPARE(fileBytes(path), before);
    }

    void cancelledDialogsChangeNothing()
    {
        setTables(sampleTables);
        setSelections(sampleSelections);
        MessageBoxAnswerer answerer;
        exportTo(answerer, QString());
        importFrom(answerer, QString());
        QCOMPARE(answerer.fileDialogs().size(), 2);
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(filesInWorkDir(), QStringList());
        QCOMPARE(tables(), sampleTables);
        QCOMPARE(selections(), sampleSelections);
    }

    void exportIntoAMissingDirectoryCannotOpenTheDatabase()
    {
        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        exportTo(answerer, workDir->filePath("no/such/dir/project.db"));
        verifyBox(answerer, "Cannot open database", "Unable to establish a database connection.");
        QCOMPARE(answerer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
        QCOMPARE(filesInWorkDir(), QStringList());
    }

    void exportOntoATextFileLeavesItUnchanged()
    {
        const QByteArray text = "notes about the gateway\n";
        QVERIFY(workDir->write("notes.db", text));
        setTables(sampleTables);
        MessageBoxAnswerer answerer;
        exportTo(answerer, workDir->filePath("notes.db"));
        verifyBox(answerer, "ERROR", "Cannot write!");
        QCOMPARE(fileBytes(workDir->filePath("notes.db")), text);
        QCOMPARE(filesInWorkDir(), QStringList{"notes.db"});
    }

    // A write that fails midway, as on a full disk.
    void aFailedExportLeavesNoTrace_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new file") << false;
        QTest::newRow("existing project") << true;
    }

    void aFailedExportLeavesNoTrace()
    {
        QFETCH(bool, existing);
        if (existing)
            writeSample();
        const QByteArray before = fileBytes(path);
        const QStringList filesBefore = filesInWorkDir();
        Rows many;
        for (int i = 0; i < 500; ++i)
            many << QStringList{QString("row %1").arg(i), "01", "", "write", "1/1/1", "1 bit", "1"};
        setTables({many, {}, {}});
        MessageBoxAnswerer answerer;
        {
            const FileSizeLimit limit(qMax<qsizetype>(before.size(), 1));
            QVERIFY(limit.isActive());
            exportTo(answerer, path);
        }
        verifyBox(answerer, "ERROR", "Cannot write!");
        QCOMPARE(filesInWorkDir(), filesBefore);
        QCOMPARE(fileBytes(path), before);
    }
};

QTEST_MAIN(TestProjectMenu)
#include "tst_projectmenu.moc"
