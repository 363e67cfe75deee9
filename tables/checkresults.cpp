#include "checkresults.h"

#include "tabletitles.h"

#include <QCoreApplication>
#include <QHash>

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};
} // namespace

QString tableRowText(TableRow where)
{
    return Text::tr("%1 row %2").arg(tableTitle(where.table)).arg(where.row + 1);
}

QString checkedRowText(const TelegramTables &tables, TableRow where)
{
    if (where.row < 0 || where.row >= tables.rowCount(where.table))
        return QString();
    return tables.cells(where.table).at(where.row).join(QLatin1Char('\t'));
}

QList<RowCheckResult> resultsThatHold(const QList<RowCheckResult> &results,
                                      const TelegramTables &tables)
{
    QHash<int, qsizetype> placeOfRow; // table * 1024 + row
    QList<RowCheckResult> holding;
    for (const RowCheckResult &result : results) {
        const QString now = checkedRowText(tables, result.where);
        if (now.isNull() || now != result.rowText)
            continue;
        const int key = int(result.where.table) * 1024 + result.where.row;
        if (placeOfRow.contains(key)) {
            holding[placeOfRow.value(key)] = result;
        } else {
            placeOfRow.insert(key, holding.size());
            holding << result;
        }
    }
    return holding;
}

QString checkResultText(const RowCheckResult &result)
{
    const QString time = result.time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    switch (result.outcome) {
    case RowCheckResult::Outcome::Passed:
        return Text::tr("passed %1").arg(time);
    case RowCheckResult::Outcome::Failed:
        return Text::tr("failed %1: %2").arg(time, result.words);
    case RowCheckResult::Outcome::Skipped:
        break;
    }
    return Text::tr("skipped: %1").arg(result.words);
}
