#include "messageboxanswerer.h"
#include "reportpdf.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "sitedialog.h"
#include "tablefilling.h"
#include "tablescsv.h"
#include "telegrampages.h"

#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTranslator>

namespace {
using Rows = QList<QStringList>;

// The PDF's text, its lines as laid out on the pages.
QString pdfText(const QString &file)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", file, "-"});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The text without white space, as one line.
QString withoutSpaces(QString text)
{
    return text.remove(QRegularExpression("\\s"));
}

// The signature block: a column per party, a line per field.
const QRegularExpression signatureLines("^ *Signatures\n+ *Installer +Customer\n+ *Name: "
                                        "+Name:\n+ *Date: +Date:\n+ *Signature: +Signature:$",
                                        QRegularExpression::MultilineOption);

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
    // into an empty window; exported as a workbook and imported likewise.
    void exportThenImportGivesTheSameTables()
    {
        const TelegramTables tables = sampleTables(3, 2, 4);
        fillTables(*w, tables);
        trigger("actionExportTablesCsv", workDir->path());
        answerer->answerNext(QMessageBox::Yes);
        trigger("actionExportTablesCsv", workDir->path());
        QCOMPARE(answerer->texts(), QStringList{"The folder already holds 485-to-knx.csv, "
                                                "485-to-knx-1byte.csv, knx-to-485.csv. Replace?"});
        trigger("actionExportTablesXlsx", workDir->filePath("tables.xlsx"));
        w = std::make_unique<WindowUnderTest>();
        trigger("actionImportTablesCsv", exportedFiles(tables));
        QCOMPARE(answerer->count(), 1);
        for (const TelegramTable table : telegramTables)
            QCOMPARE(w->tables().cells(table), upperCaseHex(tables).cells(table));
        // The same tables through a workbook.
        w = std::make_unique<WindowUnderTest>();
        trigger("actionImportTablesXlsx", workDir->filePath("tables.xlsx"));
        QCOMPARE(answerer->count(), 1);
        for (const TelegramTable table : telegramTables)
            QCOMPARE(w->tables().cells(table), upperCaseHex(tables).cells(table));
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
        const QStringList listed = answerer->last().informativeText.split('\n');
        QCOMPARE(listed.size(), 51);
        QCOMPARE(listed.first(), QString("knx.csv, line 2, column 6 (Value): \"2\" is not a number "
                                         "from 0 to 1"));
        QCOMPARE(listed.last(), QString("… and 10 more"));
        for (const TelegramTable table : telegramTables)
            QCOMPARE(w->tables().cells(table), own.cells(table));
    }

    // After a project export: the title block, the gateway's settings not
    // read whatever the "Serial Options", the empty site details, every row
    // numbered from 1 on a page that shows its table's header, the signature
    // lines last and on one page with their heading (which here would end
    // the page before), every page numbered.
    void reportShowsTheTitleBlockAndEveryRow()
    {
        const TelegramTables tables = sampleTables(70, 12, 25);
        trigger("actionImportTablesCsv", exportedFiles(tables));
        w->select("comboBoxBaudRate_set", "115200");
        w->select("comboBoxParity_set", "EVEN");
        trigger("actionExport_E", workDir->filePath("plant.db"));
        trigger("actionCommissioningReport", workDir->filePath("report.pdf"));
        QCOMPARE(answerer->fileDialogs().last().initialFile, QString("commissioning-report.pdf"));
        const QStringList pages = pdfText(workDir->filePath("report.pdf")).split('\f');
        QVERIFY(pages.size() >= 4); // after the last page's form feed, nothing
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        QVERIFY2(QRegularExpression(
                     "^Commissioning report\n+ *Project file: +plant.db\n+ *Date: +" + today +
                     " [0-2][0-9]:[0-5][0-9]\n+ *Tool: +RS485 Conifguration "
                     "V1.1.3\n+ *Gateway serial settings: +not read from the "
                     "gateway\n+ *Site details\n+ *Site:\n+ *Customer:\n+ *Gateway "
                     "location:\n+ *Installer:\n+ *485 to KNX telegrams\n+ *No. ")
                     .match(pages.first())
                     .hasMatch(),
                 qPrintable(pages.first().left(1000)));
        QVERIFY(pages.at(pages.size() - 2).contains(signatureLines));
        QVERIFY(!pages.join('\f').contains("Checked")); // without check results
        const QRegularExpression rowLine(QString::fromUtf8("^ *(\\d+) +((灯|调光|阀)\\d+) "),
                                         QRegularExpression::MultilineOption);
        const QStringList headers = {"No. +Name +Telegram +Ack +Type",
                                     "No. +Name +Telegram\\(\\+\\) +Ack\\(\\+\\)",
                                     "No. +Name +Tyte +Baud Rate"};
        QStringList rows;
        for (int page = 0; page < pages.size() - 1; ++page) {
            QVERIFY(pages.at(page).trimmed().endsWith(
                QString("Page %1 of %2").arg(page + 1).arg(pages.size() - 1)));
            for (auto match = rowLine.globalMatch(pages.at(page)); match.hasNext();) {
                const QRegularExpressionMatch row = match.next();
                const int table = QString::fromUtf8("灯调阀").indexOf(row.captured(3).at(0));
                QVERIFY2(pages.at(page)
                             .left(row.capturedStart())
                             .contains(QRegularExpression(headers.at(table))),
                         qPrintable(row.captured()));
                rows << row.captured(2) + "=" + row.captured(1);
            }
        }
        QStringList expected;
        for (const TelegramTable table : telegramTables)
            for (int row = 0; row < tables.rowCount(table); ++row)
                expected << tables.cells(table).at(row).first() + "=" + QString::number(row + 1);
        QCOMPARE(rows, expected);
    }

    // The site details as the dialog gives them, the gateway's settings, each
    // table under its title and the signature lines, on one page.
    void reportShowsTheSiteAndTheGatewaySettings()
    {
        SiteDialog dialog({"", "Example Ltd.", "", ""});
        QCOMPARE(dialog.objectName(), QString("siteDialog"));
        QTest::keyClicks(dialog.findChild<QLineEdit *>("lineEditSite"), " Plant hall 2 ");
        QTest::keyClicks(dialog.findChild<QLineEdit *>("lineEditGatewayLocation"),
                         "Cabinet 3, top rail");
        QTest::keyClicks(dialog.findChild<QLineEdit *>("lineEditInstaller"), "J. Smith");
        Project project;
        project.site = dialog.details();
        QVERIFY(project.site ==
                SiteDetails({"Plant hall 2", "Example Ltd.", "Cabinet 3, top rail", "J. Smith"}));
        project.tables = sampleTables(2, 0, 1);
        QVERIFY(writeReportPdf(commissioningReport(project, {}, {}, SerialSettings{8, 2, 1}),
                               workDir->filePath("report.pdf"),
                               [](int, int) { return true; }) == ReportWriting::Written);
        const QStringList pages = pdfText(workDir->filePath("report.pdf")).split('\f');
        QCOMPARE(pages.size(), 2);
        QVERIFY2(QRegularExpression(
                     "\n *Gateway serial settings: +Baud rate: 115200, Stop bits: 2, Parity: "
                     "ODD\n+ *Site details\n+ *Site: +Plant hall 2\n+ *Customer: +Example Ltd.\n+ "
                     "*Gateway location: +Cabinet 3, top rail\n+ *Installer: +J. Smith\n+ *485 to "
                     "KNX telegrams\n+ *No\\. [^\f]*\n *485 to KNX \\(1 byte\\) telegrams\n+ *No "
                     "rows\n+ *KNX to 485 telegrams\n+ *No\\. [^\f]*\n *Signatures\n")
                     .match(pages.first())
                     .hasMatch(),
                 qPrintable(pages.first()));
        QVERIFY(pages.first().contains(signatureLines));
    }

    // Each row's check result in a last column, a result of a row edited
    // since as not checked, the count in the title block.
    void reportShowsCheckResults()
    {
        using Outcome = RowCheckResult::Outcome;
        Project project;
        project.tables = sampleTables(6, 0, 4);
        const QDateTime time(QDate(2026, 12, 7), QTime(10, 3));
        const QList<Outcome> outcomes = {Outcome::Passed,  Outcome::Failed,  Outcome::Failed,
                                         Outcome::Skipped, Outcome::Skipped, Outcome::Skipped};
        for (int row = 0; row < outcomes.size(); ++row) {
            const TableRow where{TelegramTable::Tele485ToKnxW, row};
            const QString words = row < 3 ? "nothing on KNX" : "it has no value to send";
            project.checkResults << RowCheckResult{where, outcomes.at(row), row ? words : "", time,
                                                   checkedRowText(project.tables, where)};
        }
        project.checkResults << RowCheckResult{
            {TelegramTable::TeleKnxTo485W, 1}, Outcome::Passed, {}, time, "edited since"};
        QVERIFY(writeReportPdf(commissioningReport(project, {}, {}, {}),
                               workDir->filePath("report.pdf"),
                               [](int, int) { return true; }) == ReportWriting::Written);
        const QString text = pdfText(workDir->filePath("report.pdf"));
        QVERIFY2(
            text.contains(QRegularExpression("\n *Gateway serial settings: .*\n+ *Commissioning "
                                             "check: +1 of 10 rows passed, 2 failed, 3 "
                                             "skipped, 4 not checked\n")),
            qPrintable(text));
        QCOMPARE(text.count(QRegularExpression("No\\. +Name .* +Checked\n")), text.count("No. "));
        QStringList cells;
        const QRegularExpression rowLine(QString::fromUtf8("^ *\\d+ +((灯|阀)\\d) .*? "
                                                           "((passed|failed|skipped|not)\\b.*)$"),
                                         QRegularExpression::MultilineOption);
        for (auto match = rowLine.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch row = match.next();
            cells << row.captured(1) + "=" + row.captured(3);
        }
        const QString failed = "=failed 2026-12-07 10:03: nothing on KNX",
                      skipped = "=skipped: it has no value to send";
        QCOMPARE(cells,
                 QStringList({"灯0=passed 2026-12-07 10:03", "灯1" + failed, "灯2" + failed,
                              "灯3" + skipped, "灯4" + skipped, "灯5" + skipped, "阀0=not checked",
                              "阀1=not checked", "阀2=not checked", "阀3=not checked"}));
    }

    // Every text of the report, and no other Chinese character: Chinese
    // names and site details whatever the language, the rest translated.
    void reportInChinese()
    {
        QTranslator chinese;
        QVERIFY(chinese.load(":/tr_SC.qm"));
        QCoreApplication::installTranslator(&chinese);
        Project project;
        project.tables = sampleTables(2, 1, 0);
        project.site = {QString::fromUtf8("上海项目现场一号楼"), QString::fromUtf8("人民日报社"),
                        QString::fromUtf8("目录柜二层，东侧"), QString::fromUtf8("王大力")};
        const CommissioningReport report =
            commissioningReport(project, "plant.db", QDateTime::currentDateTime(), std::nullopt);
        QVERIFY(writeReportPdf(report, workDir->filePath("report.pdf"),
                               [](int, int) { return true; }) == ReportWriting::Written);
        const QString text = pdfText(workDir->filePath("report.pdf"));
        QStringList texts = {report.title, report.siteTitle, report.signatures.title,
                             QCoreApplication::translate("MainWindow", "No rows")};
        for (int page = 1; page <= text.count('\f'); ++page)
            texts << reportPageLabel(page, int(text.count('\f')));
        QCoreApplication::removeTranslator(&chinese);
        texts << report.signatures.parties << report.signatures.fields;
        for (const ReportLines &lines : {report.facts, report.site})
            for (const auto &[label, value] : lines)
                texts << label << value;
        for (const ReportTable &table : report.tables) {
            texts << table.title << (table.rows.isEmpty() ? QStringList() : table.columns);
            for (const QStringList &cells : table.rows)
                texts << cells.first() + cells.at(1); // number and name
        }
        QString chineseShown;
        for (const QString &shown : texts) {
            QVERIFY2(withoutSpaces(text).contains(withoutSpaces(shown)), qPrintable(shown));
            chineseShown += shown;
        }
        for (const QChar c : text)
            QVERIFY2(c.unicode() < 0x2E80 || chineseShown.contains(c),
                     qPrintable(QString("U+%1").arg(c.unicode(), 4, 16)));
        // The catalogue's titles, which the window's tabs do not use.
        for (const char *title : {"485转KNX报文", "485转KNX（1字节）报文", "KNX转485报文"})
            QVERIFY2(withoutSpaces(text).contains(QString::fromUtf8(title)), title);
    }

    // Cancelled while its pages are drawn: the file that was there stays.
    void aCancelledReportLeavesNoFile()
    {
        QVERIFY(workDir->write("report.pdf", "before"));
        CommissioningReport report = commissioningReport({}, {}, {}, {});
        QCOMPARE(report.facts.first().second, QString("Unsaved project"));
        report.tables.first().rows = Rows(300, {"0", "灯", "01"});
        QCOMPARE(writeReportPdf(report, workDir->filePath("report.pdf"),
                                [](int done, int total) { return done <= total / 2; }),
                 ReportWriting::Cancelled);
        QFile file(workDir->filePath("report.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("before"));
    }
};

QTEST_MAIN(TestTableFiles)
#include "tst_tablefiles.moc"
