#include "tablecomparison.h"

#include "byteforms.h"
#include "rowkinds.h"

namespace {
// A row the gateway holds as "read" came with type byte 1 and no value.
bool heldWithoutValue(const Tele485ToKnxW &held)
{
    return held.ntype == QLatin1String("read");
}

bool heldWithoutValue(const TeleKnxTo485W &held)
{
    return held.ntype == QLatin1String("read");
}

bool heldWithoutValue(const Tele1Byte &)
{
    return false;
}

template <typename Record>
bool cellsAgree(const StoredCell<Record> &cell, const Record &sent, const Record &held)
{
    switch (cell.form) {
    case CellForm::Bytes:
        return telegramBytes(sent.*cell.field) == telegramBytes(held.*cell.field);
    case CellForm::Value:
        return heldWithoutValue(held) || sent.*cell.field == held.*cell.field;
    case CellForm::Text:
        break;
    }
    return sent.*cell.field == held.*cell.field;
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

QStringList tableDifferences(const TelegramTables &sent, const TelegramTables &held)
{
    QStringList differences;
    compareTable(sent.rows485ToKnxW, held.rows485ToKnxW, &differences);
    compareTable(sent.rows1Byte, held.rows1Byte, &differences);
    compareTable(sent.rowsKnxTo485W, held.rowsKnxTo485W, &differences);
    return differences;
}
