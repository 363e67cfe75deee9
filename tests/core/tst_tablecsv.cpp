#include "sampletables.h"
#include "scopedworkdir.h"
#include "tablescsv.h"
#include "tablesxlsx.h"
#include "tabletitles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
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

const QString dateReason =
    "\"%1\" is a date, not a group address: a spreadsheet program took the address for a date. "
    "Format the address column as text before saving the file, or use the .xlsx export.";
const QString numberReason =
    "\"%1\" is a number, not hexadecimal pairs: a spreadsheet program dropped the leading zeros "
    "(01 became 1). Format the column as text before saving the file, or use the .xlsx export.";
const QString expectedHeaderLines =
    "expected one of: \"Name,Telegram,Ack,Type,Addr.,Length,Value\" (485 to KNX); "
    "\"Name,Telegram(+),Ack(+),Telegram(-),Ack(-),Addr.,Length,Min,Max,Interval\" (485 to "
    "KNX(1 Byte)); \"Name,Tyte,Baud Rate,Addr.,Length,Value,Telegram\" (KNX to 485)";

// Runs a Python script with openpyxl; its standard output, or nothing when it fails.
std::optional<QByteArray> python(const char *script, const QStringList &arguments)
{
    QProcess process;
    process.start("/usr/bin/python3", QStringList{"-c", script} + arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << process.readAllStandardError();
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

// Workbooks as other programs write them, into the folder given: other.xlsx
// (openpyxl: text and number cells, inline strings, skipped cells, a header
// below empty rows, "TYPE", a date; then a shared rich-text string and a
// number written as 2.55E2), and files that must be refused.
const char *const workbooksScript = R"py(
import datetime, os, re, sys, zipfile
from openpyxl import Workbook

out = sys.argv[1]
ROOT = "http:" + "/" * 2 + "schemas.openxmlformats.org/"
MAIN = ROOT + "spreadsheetml/2006/main"
RELS = ROOT + "officeDocument/2006/relationships"

def parts_of(path):
    with zipfile.ZipFile(path) as z:
        return {info.filename: z.read(info) for info in z.infolist()}

def write(name, parts):
    with zipfile.ZipFile(os.path.join(out, name), "w", zipfile.ZIP_DEFLATED) as z:
        for part, data in parts.items():
            z.writestr(part, data)

def package(name, sheets):
    names = "".join('<sheet name="%s" sheetId="%d" r:id="rId%d"/>' % (sheet, i, i)
                    for i, sheet in enumerate(sheets, 1))
    rels = "".join('<Relationship Id="rId%d" Type="%s/worksheet" Target="worksheets/sheet%d.xml"/>'
                   % (i, RELS, i) for i in range(1, len(sheets) + 1))
    parts = {"xl/workbook.xml": '<workbook xmlns="%s" xmlns:r="%s"><sheets>%s</sheets></workbook>'
                                % (MAIN, RELS, names),
             "xl/_rels/workbook.xml.rels": '<Relationships xmlns="%spackage/2006/relationships">'
                                           '%s</Relationships>' % (ROOT, rels)}
    for i, xml in enumerate(sheets.values(), 1):
        parts["xl/worksheets/sheet%d.xml" % i] = xml
    write(name, parts)

def sheet(rows):
    return '<worksheet xmlns="%s"><sheetData>%s</sheetData></worksheet>' % (MAIN, "".join(
        '<row r="%d">%s</row>' % (r, "".join('<c t="inlineStr"><is><t>%s</t></is></c>' % cell
                                            for cell in cells)) for r, cells in enumerate(rows, 1)))

book = Workbook()
book.active.title = "Notes"
book.active["B3"] = 42
lights = book.create_sheet("Lights")
lights.append(["Name", "Telegram", "Ack", "Type", "Addr.", "Length", "Value"])
lights.append(["shared", "01 0A", None, "write", "1/2/3", "1 byte", 7])
lights.append([12, "aa-bb", "06", "read", "1.2.4", "1 bit", None])
dimmers = book.create_sheet("Dimmers")
for column, value in enumerate(["Name", "Telegram(+)", "Ack(+)", "Telegram(-)", "Ack(-)", "Addr.",
                                "Length", "Min", "Max", "Interval"], 1):
    dimmers.cell(row=3, column=column, value=value)
for column, value in enumerate(["Dim", "01", None, "02", None, "1/1/1", "1 byte", 0, 255, 10], 1):
    dimmers.cell(row=4, column=column, value=value)
valves = book.create_sheet("KNX to 485")
valves.append(["Name", "TYPE", "Baud Rate", "Addr.", "Length", "Value", "Telegram"])
valves.append(["Valve", "write", 9600, datetime.datetime(2001, 3, 1), "1 byte", 5, "01 02"])
valves.append(["Valve 2", "read", "9600", "1/1/2", "1 bit", None, 6])
valves.append(["Valve 3", "read", "9600", "1/1/3", "1 bit", None, "01", "note"])
other = os.path.join(out, "other.xlsx")
book.save(other)
parts = parts_of(other)
parts["xl/worksheets/sheet2.xml"] = re.sub(rb'<c r="A2"[^>]*>.*?</c>', b'<c r="A2" t="s"><v>0</v></c>',
                                           parts["xl/worksheets/sheet2.xml"])
parts["xl/worksheets/sheet3.xml"] = re.sub(rb'(<c r="I4"[^>]*><v>)255<', rb"\g<1>2.55E2<",
                                           parts["xl/worksheets/sheet3.xml"])
parts["xl/sharedStrings.xml"] = ('<sst xmlns="%s"><si><r><t xml:space="preserve">Lamp </t></r>'
                                 '<r><rPr><b/></rPr><t>hall</t></r><rPh sb="0" eb="4"><t>RANPU</t>'
                                 '</rPh></si></sst>' % MAIN)
parts["xl/_rels/workbook.xml.rels"] = parts["xl/_rels/workbook.xml.rels"].replace(
    b"</Relationships>", b'<Relationship Id="rIdS" Type="%s/sharedStrings" '
    b'Target="sharedStrings.xml"/></Relationships>' % RELS.encode())
parts["[Content_Types].xml"] = parts["[Content_Types].xml"].replace(
    b"</Types>", b'<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.'
    b'openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/></Types>')
write("other.xlsx", parts)

data = open(other, "rb").read()
open(os.path.join(out, "truncated.xlsx"), "wb").write(data[:len(data) >> 1])
with zipfile.ZipFile(other) as z:
    info = z.getinfo("xl/worksheets/sheet2.xml")
start = info.header_offset + 30 + int.from_bytes(data[info.header_offset + 26:info.header_offset + 28], "little") \
    + int.from_bytes(data[info.header_offset + 28:info.header_offset + 30], "little")
flipped = bytearray(data)
flipped[start + (info.compress_size >> 1)] ^= 0xFF
open(os.path.join(out, "flipped.xlsx"), "wb").write(flipped)
open(os.path.join(out, "text.xlsx"), "w").write("Name,Telegram\n")

header = ["Name", "Telegram", "Ack", "Type", "Addr.", "Length", "Value"]
row = ["a", "01", "", "write", "1/2/3", "1 bit", "1"]
package("bomb.xlsx", {"485 to KNX": '<worksheet xmlns="%s">%s</worksheet>' % (MAIN, " " * (20 << 20))})
package("reference.xlsx", {"Sheet1": sheet([header]).replace("<c t", '<c r="ZZZZ1" t', 1)})
package("entity.xlsx", {"Sheet1": '<!DOCTYPE worksheet [<!ENTITY a "Name">]>' +
                                  sheet([header]).replace("Name", "&a;")})
package("wrongheader.xlsx", {"Notes": sheet([["Name", "Telegram"]]),
                             "485 to KNX": sheet([["Name", "Telegram"]])})
package("notables.xlsx", {"Notes": sheet([["Name", "Telegram"]])})
package("twice.xlsx", {"First": sheet([header, row]), "Second": sheet([header, row])})
)py";

// Reads a workbook with openpyxl: for each sheet its title, its rows (empty
// cells as "") and the cells that are not text.
const char *const readScript = R"py(
import json, sys
from openpyxl import load_workbook
book = load_workbook(sys.argv[1])
print(json.dumps([{"title": s.title,
                   "rows": [["" if c.value is None else c.value for c in row] for row in s.iter_rows()],
                   "notText": [c.coordinate for row in s.iter_rows() for c in row
                               if c.value is not None and c.data_type != "s"]}
                  for s in book.worksheets]))
)py";
} // namespace

class TestTableCsv : public QObject
{
    Q_OBJECT

    QTemporaryDir generated; // the workbooks of workbooksScript

private slots:
    void initTestCase()
    {
        QVERIFY(generated.isValid());
        QVERIFY2(python(workbooksScript, {generated.path()}), "python3 with openpyxl");
        QFile big(generated.filePath("big.xlsx"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.write("PK\x03\x04" + QByteArray(16 * 1024 * 1024, '\0')) > 16 * 1024 * 1024);
    }

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
        QVERIFY(tableCsv(one, TelegramTable::TeleKnxTo485W)
                    .startsWith("\xEF\xBB\xBFName,Tyte,Baud Rate,Addr.,Length,Value,Telegram\r\n"));
    }

    // The workbook holds text cells only, the headers as the CSV files have
    // them; it reads back as the same tables, whatever the names hold.
    void workbookReadsBackAsTheSameTables()
    {
        ScopedWorkDir dir;
        const TelegramTables plain = SampleTables(5).make(30, 20, 30);
        QCOMPARE(writeTablesXlsx(plain, dir.filePath(tablesXlsxFileName())), std::nullopt);
        const std::optional<QByteArray> json =
            python(readScript, {dir.filePath(tablesXlsxFileName())});
        QVERIFY(json);
        const QJsonArray sheets = QJsonDocument::fromJson(*json).array();
        QCOMPARE(sheets.size(), 3);
        for (const TelegramTable table : telegramTables) {
            const QJsonObject sheet = sheets.at(int(table)).toObject();
            QCOMPARE(sheet["title"].toString(), tableSheetName(table));
            QCOMPARE(sheet["notText"].toArray(), QJsonArray());
            Rows rows;
            for (const QJsonValue row : sheet["rows"].toArray())
                rows << row.toVariant().toStringList();
            QCOMPARE(rows, Rows{columnTitles(table, TitleLanguage::English)} + plain.cells(table));
        }

        TelegramTables awkward = SampleTables(3).make(40, 30, 40);
        awkward.rows485ToKnxW[0].name = QString::fromUtf8("客厅, \"灯\"\r\n二楼 😀");
        awkward.rows485ToKnxW[1].name = " leading;\ttab ";
        awkward.rows1Byte[0].name =
            QString("\x01 _x0041_ _x000D_ ") + QChar(0xFFFF) + QChar(0xD800);
        awkward.rowsKnxTo485W[0].name = QChar(0xFEFF) + QString("=1+1");
        for (const TelegramTables &tables : {awkward, TelegramTables()}) {
            QCOMPARE(writeTablesXlsx(tables, dir.filePath("tables.xlsx")), std::nullopt);
            const QList<TableFile> files = readTableFiles({dir.filePath("tables.xlsx")});
            QCOMPARE(faultLines(files), QStringList());
            QCOMPARE(files.size(), 3);
            for (const TelegramTable table : telegramTables) {
                QCOMPARE(files.at(int(table)).sheet, tableSheetName(table));
                QCOMPARE(files.at(int(table)).table, std::optional(table));
                QCOMPARE(files.at(int(table)).rows, upperCaseHex(table, tables.cells(table)));
            }
        }
        // A failed write leaves the file that was there.
        QCOMPARE(writeTablesXlsx(plain, dir.filePath("tables.xlsx")), std::nullopt);
        TelegramTables tooLong;
        tooLong.setCells(TelegramTable::Tele485ToKnxW,
                         {{QString(40000, 'x'), "01", "", "write", "1/2/3", "1 bit", "1"}});
        QCOMPARE(writeTablesXlsx(tooLong, dir.filePath("tables.xlsx")),
                 std::optional<QString>("485 to KNX, row 1: a cell holds more than the 32767 "
                                        "characters a spreadsheet cell can hold"));
        QCOMPARE(
            readTableFiles({dir.filePath("tables.xlsx")}).first().rows,
            upperCaseHex(TelegramTable::Tele485ToKnxW, plain.cells(TelegramTable::Tele485ToKnxW)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({"tables.xlsx", tablesXlsxFileName()}));
        QCOMPARE(writeTablesXlsx(plain, dir.filePath("missing/tables.xlsx")),
                 std::optional<QString>("Cannot write " + dir.filePath("missing/tables.xlsx")));
    }

    // A workbook of another program: sheets found by their header, cells by
    // their references, numbers as typed, a date named as one.
    void workbookOfAnotherProgram()
    {
        const QList<TableFile> files = readTableFiles({generated.filePath("other.xlsx")});
        QCOMPARE(files.size(), 3);
        QCOMPARE(files.at(0).sheet, "Lights");
        QCOMPARE(files.at(0).rows,
                 (Rows{{"Lamp hall", "01 0A", "", "write", "1/2/3", "1 byte", "7"},
                       {"12", "AA BB", "06", "read", "1/2/4", "1 bit", ""}}));
        QCOMPARE(files.at(1).sheet, "Dimmers");
        QCOMPARE(files.at(1).table, std::optional(TelegramTable::Tele1Byte));
        QCOMPARE(files.at(1).headerLine, 3);
        QCOMPARE(files.at(1).rows,
                 (Rows{{"Dim", "01", "", "02", "", "1/1/1", "1 byte", "0", "255", "10"}}));
        QCOMPARE(files.at(2).table, std::optional(TelegramTable::TeleKnxTo485W));
        QCOMPARE(files.at(2).rows, Rows());
        QCOMPARE(faultLines(files),
                 QStringList({"other.xlsx, sheet KNX to 485, row 2, column D (Addr.): " +
                                  dateReason.arg("2001-03-01"),
                              "other.xlsx, sheet KNX to 485, row 3, column G (Telegram): " +
                                  numberReason.arg("6"),
                              "other.xlsx, sheet KNX to 485, row 4, column H: The row has text "
                              "beyond the table's 7 columns"}));
    }

    // Files that are no workbook, damaged or hostile ones, and workbooks
    // without a table: each one fault that says why, and no rows.
    void refusedWorkbooks()
    {
        QStringList faults;
        for (const char *name :
             {"text.xlsx", "truncated.xlsx", "flipped.xlsx", "big.xlsx", "bomb.xlsx",
              "reference.xlsx", "entity.xlsx", "notables.xlsx", "wrongheader.xlsx", "twice.xlsx"}) {
            const QList<TableFile> files = readTableFiles({generated.filePath(name)});
            faults << faultLines(files).join(" + ");
            for (const TableFile &file : files)
                QVERIFY(file.faults.isEmpty() != file.rows.isEmpty());
        }
        const QString damaged =
            ": The workbook is damaged: xl/worksheets/sheet%1.xml cannot be read";
        QCOMPARE(faults,
                 QStringList(
                     {"text.xlsx: The file is not an .xlsx workbook",
                      "truncated.xlsx: The workbook is damaged: it is not a complete zip "
                      "archive",
                      "flipped.xlsx" + damaged.arg(2), "big.xlsx: The file is larger than 16 MiB",
                      "bomb.xlsx: The workbook unpacks to too much: xl/worksheets/sheet1.xml "
                      "is larger than 16 MiB, or all parts together than 64 MiB",
                      "reference.xlsx" + damaged.arg(1), "entity.xlsx" + damaged.arg(1),
                      "notables.xlsx: The workbook holds no sheet whose first row is the "
                      "column titles of a telegram table; " +
                          expectedHeaderLines,
                      "wrongheader.xlsx, sheet 485 to KNX, row 1: The first row is not the "
                      "column titles of a telegram table; " +
                          expectedHeaderLines,
                      "twice.xlsx, sheet Second, row 1: Another sheet holds this table "
                      "too"}));
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
        QTest::newRow("\"Type\" for \"Tyte\"")
            << QByteArray("name,TYPE,baud rate,ADDR.,Length,Value,Telegram\n"
                          "Valve,write,9600,1/2/3,1 byte,7,01\n")
            << Rows{{"Valve", "write", "9600", "1/2/3", "1 byte", "7", "01"}};
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

    // Cells that a spreadsheet program changed: the reason says what it did
    // and what to do; other faults of these columns keep their reasons.
    void spreadsheetChanges_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QString>("fault");
        for (const char *date : {"01/03/01", "1/3/2001", "2001-03-01", "01.03.2001", "2001/3/1",
                                 "01/03/2001 00:00", "1-Mar-01", "Mar 1, 2001", "2001年3月1日"})
            QTest::newRow(date) << "a;01;;write;" + QByteArray(date) + ";1 bit;1"
                                << "2:4 " + dateReason.arg(QString::fromUtf8(date));
        for (const char *telegram : {"1", "6", "1 2 3", "10-2"})
            QTest::newRow(telegram) << "a;" + QByteArray(telegram) + ";;write;1/2/3;1 bit;1"
                                    << "2:1 " + numberReason.arg(telegram);
        QTest::newRow("acknowledgement")
            << QByteArray("a;01;6;write;1/2/3;1 bit;1") << "2:2 " + numberReason.arg("6");
        QTest::newRow("no date") << QByteArray("a;01;;write;16/2/3;1 bit;1")
                                 << "2:4 \"16/2/3\" is not a group address from 0/0/1 to 15/7/255";
        QTest::newRow("no number")
            << QByteArray("a;1 0A;;write;1/2/3;1 bit;1")
            << "2:1 \"1 0A\" is not a telegram of 1 to 64 bytes written as hexadecimal pairs";
    }

    void spreadsheetChanges()
    {
        QFETCH(QByteArray, row);
        QFETCH(QString, fault);
        const TableCsv file = readTableCsv(header485 + "\r\n" + row + "\r\n");
        QCOMPARE(file.faults.size(), 1);
        QCOMPARE(faultPlaces(file).first() + ' ' + file.faults.first().reason, fault);
    }

    // Files as the user picks them: each fault named in one line of text.
    void chosenFiles()
    {
        ScopedWorkDir dir;
        QVERIFY(dir.write("a%2.csv", header485 + "\nLamp;01;;write;1/2/3;1 byte;%2\n"));
        QVERIFY(dir.write("b.csv", header485 + "\n"));
        QVERIFY(dir.write("c.csv", "Name;Telegram\n"));
        QCOMPARE(writeTablesXlsx(TelegramTables(), dir.filePath("d.xlsx")), std::nullopt);
        const QList<TableCsv> files =
            readTableFiles({dir.filePath("a%2.csv"), dir.filePath("b.csv"), dir.filePath("c.csv"),
                            dir.filePath("d.xlsx"), dir.filePath("missing.csv")});
        QCOMPARE(faultLines(files),
                 QStringList({"a%2.csv, line 2, column 7 (Value): \"%2\" is not a number from 0 to "
                              "255",
                              "b.csv, line 1: Another chosen file holds this table too",
                              "c.csv, line 1: The first line is not the column titles of a "
                              "telegram table; " +
                                  expectedHeaderLines,
                              "d.xlsx, sheet 485 to KNX, row 1: Another chosen file holds this "
                              "table too",
                              "missing.csv: Cannot read the file"}));
    }
};

QTEST_GUILESS_MAIN(TestTableCsv)
#include "tst_tablecsv.moc"
