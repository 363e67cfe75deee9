#include "checkresults.h"

#include "tabletitles.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

constexpr RowCheckResult::Outcome outcomes[] = {RowCheckResult::Outcome::Passed,
                                                RowCheckResult::Outcome::Failed,
                                                RowCheckResult::Outcome::Skipped};
} // namespace

QString outcomeName(RowCheckResult::Outcome outcome)
{
    switch (outcome) {
    case RowCheckResult::Outcome::Passed:
        return QStringLiteral("passed");
    case RowCheckResult::Outcome::Failed:
        return QStringLiteral("failed");
    case RowCheckResult::Outcome::Skipped:
        break;
    }
    return QStringLiteral("skipped");
}

std::optional<RowCheckResult::Outcome> outcomeNamed(const QString &name)
{
    for (const RowCheckResult::Outcome outcome : outcomes) {
        if (outcomeName(outcome) == name)
            return outcome;
    }
    return std::nullopt;
}

int outcomeCount(const QList<RowCheckResult> &results, RowCheckResult::Outcome outcome)
{
    return int(std::count_if(results.cbegin(), results.cend(),
                             [outcome](const auto &result) { return result.outcome == outcome; }));
}

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
    QHash<TableRow, qsizetype> placeOfRow;
    QList<RowCheckResult> holding;
    for (const RowCheckResult &result : results) {
        const QString now = checkedRowText(tables, result.where);
        if (now.isNull() || now != result.rowText)
            continue;
        if (placeOfRow.contains(result.where)) {
            holding[placeOfRow.value(result.where)] = result;
        } else {
            placeOfRow.insert(result.where, holding.size());
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
