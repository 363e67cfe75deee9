#include "messageboxanswerer.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "tablefilling.h"
#include "tablescsv.h"
#include "telegrampages.h"

#include <QAction>
#include <QTest>

namespace {
using Rows = QList<QStringList>;

// Varied rows with Chinese names, as the window shows them: 灯0, 灯1 ...,
// 调光0 ..., 阀0 ...
TelegramTables sampleTables(int rows485ToKnxW, int rows1Byte, int rowsKnxTo485W)
{
    TelegramTables tables = SampleTables(11).make(rows485ToKnxW, rows1Byte, rowsKnxTo485W);
    const char *names[] = {"灯", "调光", "阀"};
    for (const TelegramTable table : telegramTables) {
        Rows rows = tables.cells(table);
        for (int row = 0; row < rows.size(); ++row)
            rows[row][0] = QString::fromUtf8(names[int(table)]) + QString::number(row);
        tables.setCells(table, rows);
    }
    return tables;
}

// The tables with telegrams and acknowledgements upper case, as an import gives them.
TelegramTables upperCaseHex(TelegramTables tables)
{
    for (const TelegramTable table : telegramTables)
        tables.setCells(table, readTableCsv(tableCsv(tables, table)).rows);
    return tables;
}
} // namespace

class TestTableFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScopedWorkDir> workDir;
    std::unique_ptr<WindowUnderTest> w;
    std::unique_ptr<MessageBoxAnswerer> answerer;

    // Triggers a File menu action; its file dialog gives the path.
    void trigger(const char *action, const QString &path) const
    {
        answerer->answerFileDialog(path);
        w->widget<QAction>(action)->trigger();
    }

    // The three files of an export of the tables, chosen together.
    QString exportedFiles(const TelegramTables &tables) const
    {
        if (writeTableFiles(tables, workDir->path()))
            return QString();
        QStringList names;
        for (const TelegramTable table : telegramTables)
            names << '"' + workDir->filePath(tableCsvFileName(table)) + '"';
        return names.join(' ');
    }

private slots:
    void init()
    {
        workDir = std::make_unique<ScopedWorkDir>();
        w = std::make_unique<WindowUnderTest>();
        answerer = std::make_unique<MessageBoxAnswerer>();
    }

    void cleanup() { answerer.reset(), w.reset(), workDir.reset(); }

    // Exported twice (the second time replacing the files), then imported
    // into an empty window.
    void exportThenImportGivesTheSameTables()
    {
        const TelegramTables tables = sampleTables(3, 2, 4);
        fillTables(*w, tables);
        trigger("actionExportTablesCsv", workDir->path());
        answerer->answerNext(QMessageBox::Yes);
        trigger("actionExportTablesCsv", workDir->path());
        QCOMPARE(answerer->texts(), QStringList{"The folder already holds 485-to-knx.csv, "
                                                "485-to-knx-1byte.csv, knx-to-485.csv. Replace?"});
        w = std::make_unique<WindowUnderTest>();
        trigger("actionImportTablesCsv", exportedFiles(tables));
        QCOMPARE(answerer->count(), 1);
        QCOMPARE(w->tables().cells(TelegramTable::Tele485ToKnxW),
                 upperCaseHex(tables).cells(TelegramTable::Tele485ToKnxW));
        QCOMPARE(w->tables().cells(TelegramTable::Tele1Byte),
                 upperCaseHex(tables).cells(TelegramTable::Tele1Byte));
        QCOMPARE(w->tables().cells(TelegramTable::TeleKnxTo485W),
                 upperCaseHex(tables).cells(TelegramTable::TeleKnxTo485W));
    }

    // Two tables hold rows when the files come: asked once.
    void replaceOrAppend_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("keeps");
        QTest::addColumn<bool>("takes");
        QTest::newRow("Replace") << int(QMessageBox::Yes) << false << true;
        QTest::newRow("Append") << int(QMessageBox::No) << true << true;
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << true << false;
    }

    void replaceOrAppend()
    {
        QFETCH(int, answer);
        QFETCH(bool, keeps);
        QFETCH(bool, takes);
        const TelegramTables imported = upperCaseHex(sampleTables(4, 5, 6)),
                             own = sampleTables(2, 0, 1);
        fillTables(*w, own);
        answerer->answerNext(QMessageBox::StandardButton(answer));
        trigger("actionImportTablesCsv", exportedFiles(imported));
        QCOMPARE(answerer->texts(),
                 QStringList{"These tables already hold rows: 485 to KNX, KNX to 485."});
        QCOMPARE(answerer->last().buttons,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        for (const TelegramTable table : telegramTables)
            QCOMPARE(w->tables().cells(table), (keeps ? own.cells(table) : Rows()) +
                                                   (takes ? imported.cells(table) : Rows()));
    }

    // Every line that cannot be taken is listed, the first 50 of them; the
    // tables stay as they were.
    void aFailingImportListsTheLines()
    {
        const TelegramTables own = sampleTables(1, 1, 1);
        fillTables(*w, own);
        QByteArray lines = "Name,Tyte,Baud Rate,Addr.,Length,Value,Telegram\n";
        for (int line = 2; line <= 61; ++line)
            lines += "Lamp,write,9600,1/2/3,1 bit,2,01\n";
        QVERIFY(workDir->write("knx.csv", lines));
        QVERIFY(!writeTableFiles(sampleTables(2, 2, 2), workDir->path()));
        trigger("actionImportTablesCsv",
                QString("\"%1\" \"%2\"")
                    .arg(workDir->filePath("485-to-knx.csv"), workDir->filePath("knx.csv")));
        QCOMPARE(answerer->texts(),
                 QStringList{"Nothing was imported. These lines cannot be taken:"});
        QStringList listed = answerer->last().informativeText.split('\n');
        QCOMPARE(listed.size(), 51);
        QCOMPARE(listed.first(), QString("knx.csv, line 2, column 6 (Value): \"2\" is not a number "
                                         "from 0 to 1"));
        QCOMPARE(listed.last(), QString("… and 10 more"));
        for (const TelegramTable table : telegramTables)
            QCOMPARE(w->tables().cells(table), own.cells(table));
    }
};

QTEST_MAIN(TestTableFiles)
#include "tst_tablefiles.moc"
