#include "rowselection.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {
std::optional<TelegramTable> tableOfArgument(const QString &text)
{
    for (const TelegramTable table : telegramTables)
        if (text.compare(tableArgument(table), Qt::CaseInsensitive) == 0)
            return table;
    return std::nullopt;
}

QString itemError(const QString &item)
{
    return QStringLiteral("--rows: \"%1\" is no TABLE:ROWS; TABLE is 485-to-KNX, 1-byte or "
                          "KNX-to-485, ROWS a row counted from 1 or a range, for example "
                          "485-to-KNX:1-20,KNX-to-485:3")
        .arg(item);
}

// The rows of "[TABLE:]FIRST[-LAST]" into the selection; false when the item
// cannot be read.
bool readItem(const QString &item, std::optional<TelegramTable> &table, QList<TableRow> &rows)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(?:([^:\\s]+)\\s*:)?\\s*(\\d{1,4})(?:\\s*-\\s*(\\d{1,4}))?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(item);
    if (!match.hasMatch())
        return false;
    if (match.capturedLength(1) > 0)
        table = tableOfArgument(match.captured(1));
    const int first = match.captured(2).toInt();
    const int last = match.capturedLength(3) > 0 ? match.captured(3).toInt() : first;
    if (!table || first < 1 || last < first || last > mostRows(*table))
        return false;
    for (int row = first; row <= last; ++row)
        rows << TableRow{*table, row - 1};
    return true;
}
} // namespace

QString tableArgument(TelegramTable table)
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        return QStringLiteral("485-to-KNX");
    case TelegramTable::Tele1Byte:
        return QStringLiteral("1-byte");
    case TelegramTable::TeleKnxTo485W:
        break;
    }
    return QStringLiteral("KNX-to-485");
}

RowSelection parseRowSelection(const QString &text)
{
    RowSelection selection;
    std::optional<TelegramTable> table;
    for (const QString &item : text.split(QLatin1Char(','))) {
        if (!readItem(item, table, selection.rows))
            return {{}, itemError(item.trimmed())};
    }
    const auto order = [](TableRow a, TableRow b) {
        return std::pair(int(a.table), a.row) < std::pair(int(b.table), b.row);
    };
    std::sort(selection.rows.begin(), selection.rows.end(), order);
    selection.rows.erase(std::unique(selection.rows.begin(), selection.rows.end()),
                         selection.rows.end());
    return selection;
}

QString rowsOutsideTables(const QList<TableRow> &rows, const TelegramTables &tables)
{
    for (const TableRow where : rows) {
        const int count = tables.rowCount(where.table);
        if (where.row >= count)
            return QStringLiteral("--rows: %1 row %2 is not in the project, whose table holds "
                                  "%3 %4")
                .arg(tableArgument(where.table))
                .arg(where.row + 1)
                .arg(count)
                .arg(count == 1 ? "row" : "rows");
    }
    return QString();
}
