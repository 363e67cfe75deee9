// The ETS group address export reader on any bytes: it gives an error and no
// address book, or a book of distinct addresses the record checks accept that
// reads back the same from a 3/1 export written of it.

#include "fuzzchecks.h"
#include "groupaddressexport.h"
#include "telegramtables.h"

#include <QStringEncoder>

namespace {
QString quoted(const QString &text)
{
    return '"' + QString(text).replace('"', QLatin1String("\"\"")) + '"';
}

// A 3/1 export in UTF-16 LE whose address rows name their own groups.
QByteArray exportOf(const GroupAddressBook &book)
{
    QStringList lines = {"Main\tMiddle\tSub\tAddress\tDescription\tDatapointType"};
    for (const GroupAddressEntry &entry : book.entries())
        lines << QStringList{quoted(entry.mainGroup),   quoted(entry.middleGroup),
                             quoted(entry.name),        quoted(entry.address),
                             quoted(entry.description), quoted(entry.datapointType)}
                     .join('\t');
    return QStringEncoder(QStringConverter::Utf16LE,
                          QStringConverter::Flag::WriteBom)(lines.join(QLatin1String("\r\n")));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const GroupAddressImport import =
        readGroupAddressExport(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QList<GroupAddressEntry> &entries = import.book.entries();
    FUZZ_REQUIRE(import.error.isEmpty() != entries.isEmpty());
    if (entries.isEmpty())
        return 0;
    FUZZ_REQUIRE(GroupAddressBook(entries).entries().size() == entries.size());
    FUZZ_REQUIRE(import.groups >= 1 && import.groups <= entries.size());
    FUZZ_REQUIRE(!groupAddressImportReport(import).isEmpty());

    const GroupAddressImport again = readGroupAddressExport(exportOf(import.book));
    FUZZ_REQUIRE(again.error.isEmpty() && again.skipped.isEmpty());
    FUZZ_REQUIRE(again.groups == import.groups);
    FUZZ_REQUIRE(cellsOfRecords(again.book.entries()) == cellsOfRecords(entries));
    return 0;
}
