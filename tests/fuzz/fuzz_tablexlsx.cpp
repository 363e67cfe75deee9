// The workbook reader on any bytes: taken as a whole file (damaged and hostile
// archives), or, after a first byte 1, as the parts of a workbook that are
// packed here, separated by zero bytes: xl/workbook.xml, its rels, the shared
// strings, the styles and three sheets (the XML inside). A file without a
// table has one fault that says why; faults name rows and columns inside a
// sheet, after its header; rows come only from a sheet without faults, each in
// the form the row checks give, and read back unchanged once written.

#include "fuzzchecks.h"
#include "rowchecks.h"
#include "tablesxlsx.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

namespace {
const char *const partNames[] = {"xl/workbook.xml",          "xl/_rels/workbook.xml.rels",
                                 "xl/sharedStrings.xml",     "xl/styles.xml",
                                 "xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml",
                                 "xl/worksheets/sheet3.xml"};

// The parts stored (not compressed) in a zip archive.
QByteArray packed(const QList<QByteArray> &parts)
{
    QByteArray archive;
    QBuffer buffer(&archive);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        return {};
    for (int i = 0; i < parts.size() && i < int(std::size(partNames)); ++i) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(partNames[i]), nullptr, 0, 0, 0))
            return {};
        file.write(parts.at(i));
        file.close();
    }
    zip.close();
    return archive;
}

void checkRoundTrip(const QList<TableFile> &files)
{
    TelegramTables tables;
    QList<TelegramTable> filled;
    for (const TableFile &file : files)
        if (file.table && file.faults.isEmpty() && !filled.contains(*file.table)) {
            tables.setCells(*file.table, file.rows);
            filled << *file.table;
        }
    if (filled.isEmpty())
        return;
    static QTemporaryDir dir;
    const QString path = dir.filePath("tables.xlsx");
    const std::optional<QString> fault = writeTablesXlsx(tables, path);
    if (fault) {
        // Only a cell that a spreadsheet cannot hold, even with each character escaped.
        bool tooLong = false;
        for (const TelegramTable table : filled)
            for (const QStringList &row : tables.cells(table))
                for (const QString &cell : row)
                    tooLong = tooLong || cell.size() > 32767 / 7;
        FUZZ_REQUIRE(tooLong && fault->contains("32767"));
        return;
    }
    QFile written(path);
    FUZZ_REQUIRE(written.open(QIODevice::ReadOnly));
    const QList<TableFile> again = readTablesXlsx(written.readAll());
    FUZZ_REQUIRE(again.size() == 3);
    for (const TableFile &file : again)
        FUZZ_REQUIRE(file.faults.isEmpty() && file.table && file.rows == tables.cells(*file.table));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.startsWith('\x01'))
        bytes = packed(bytes.mid(1).split('\0'));
    const QList<TableFile> files = readTablesXlsx(bytes);
    FUZZ_REQUIRE(!files.isEmpty());
    for (const TableFile &file : files) {
        FUZZ_REQUIRE(file.file.isEmpty());
        // No table: the workbook's one fault, or a sheet named after a table without its header.
        FUZZ_REQUIRE(file.table || file.faults.size() == 1);
        for (const TableFault &fault : file.faults) {
            FUZZ_REQUIRE(!fault.reason.isEmpty());
            FUZZ_REQUIRE(fault.column >= -1 && fault.column < 16384);
            if (fault.line == 0) {
                FUZZ_REQUIRE(files.size() == 1 && !file.table && file.sheet.isEmpty());
                FUZZ_REQUIRE(fault.column == -1);
            } else {
                FUZZ_REQUIRE(!file.sheet.isEmpty() && fault.line <= 1048576);
                FUZZ_REQUIRE(file.table ? fault.line > file.headerLine
                                        : fault.line == file.headerLine);
            }
        }
        if (!file.faults.isEmpty()) {
            FUZZ_REQUIRE(file.rows.isEmpty());
            continue;
        }
        for (const QStringList &row : file.rows) {
            const RowCheck again = checkRow(*file.table, row, HexLetters::UpperCase);
            FUZZ_REQUIRE(!again.fault && again.cells == row);
        }
    }
    checkRoundTrip(files);
    return 0;
}
