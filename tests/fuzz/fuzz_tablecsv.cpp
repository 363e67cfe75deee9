// The table files' reader on any bytes: faults name lines and fields of the
// file, rows come only from a file without faults, each in the form the row
// checks give, and read back unchanged once written.

#include "fuzzchecks.h"
#include "rowchecks.h"
#include "tablescsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const TableCsv file = readTableCsv(text);
    const qsizetype lines = text.count('\n') + text.count('\r') + 1;
    const qsizetype fields = text.count(',') + text.count(';') + text.count('\t') + 1;
    for (const CsvFault &fault : file.faults) {
        FUZZ_REQUIRE(fault.line >= 1 && fault.line <= lines);
        FUZZ_REQUIRE(fault.column >= -1 && fault.column < fields);
        FUZZ_REQUIRE(!fault.reason.isEmpty());
    }
    FUZZ_REQUIRE(file.table || !file.faults.isEmpty());
    if (!file.faults.isEmpty()) {
        FUZZ_REQUIRE(file.rows.isEmpty());
        return 0;
    }
    for (const QStringList &row : file.rows) {
        const RowCheck again = checkRow(*file.table, row, HexLetters::UpperCase);
        FUZZ_REQUIRE(!again.fault && again.cells == row);
    }
    TelegramTables tables;
    tables.setCells(*file.table, file.rows);
    const TableCsv written = readTableCsv(tableCsv(tables, *file.table));
    FUZZ_REQUIRE(written.faults.isEmpty() && written.table == file.table &&
                 written.rows == file.rows);
    return 0;
}
