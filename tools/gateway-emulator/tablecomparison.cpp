#include "tablecomparison.h"

#include "byteforms.h"
#include "rowkinds.h"

namespace {
template <typename Record>
bool cellsAgree(const StoredCell<Record> &cell, const Record &a, const Record &b)
{
    if (cell.form == CellForm::Bytes)
        return telegramBytes(a.*cell.field) == telegramBytes(b.*cell.field);
    return a.*cell.field == b.*cell.field;
}

template <typename Record>
void compareTable(const QList<Record> &sent, const QList<Record> &held, QStringList *differences)
{
    const QLatin1String kind(RowKind<Record>::name);
    if (sent.size() != held.size()) {
        *differences << QStringLiteral("%1 table: %2 rows sent, %3 held")
                            .arg(kind)
                            .arg(sent.size())
                            .arg(held.size());
    }
    for (qsizetype row = 0; row < qMin(sent.size(), held.size()); ++row) {
        for (const StoredCell<Record> &cell : RowKind<Record>::cells) {
            if (cellsAgree(cell, sent.at(row), held.at(row)))
                continue;
            *differences << QStringLiteral("%1 row %2, %3: \"%4\" sent, \"%5\" held")
                                .arg(kind)
                                .arg(row)
                                .arg(QLatin1String(cell.label), sent.at(row).*cell.field,
                                     held.at(row).*cell.field);
        }
    }
}
} // namespace

QStringList tableDifferences(const DownloadTables &sent, const DownloadTables &held)
{
    QStringList differences;
    compareTable(sent.rows485ToKnxW, held.rows485ToKnxW, &differences);
    compareTable(sent.rows1Byte, held.rows1Byte, &differences);
    compareTable(sent.rowsKnxTo485W, held.rowsKnxTo485W, &differences);
    return differences;
}
