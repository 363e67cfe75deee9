#pragma once

#include "telegramtables.h"

#include <QDateTime>
#include <QHashFunctions>
#include <QList>
#include <QString>

#include <optional>

// A row of a table, its index from 0.
struct TableRow
{
    TelegramTable table = TelegramTable::Tele485ToKnxW;
    int row = 0;

    friend bool operator==(TableRow a, TableRow b) { return a.table == b.table && a.row == b.row; }
};

inline size_t qHash(TableRow where, size_t seed = 0)
{
    return qHashMulti(seed, int(where.table), where.row);
}

// "485 to KNX row 3": the row as the window and rs485ctl count it, from 1.
QString tableRowText(TableRow where);

// What the commissioning check of a row found, kept with the project.
struct RowCheckResult
{
    enum class Outcome { Passed, Failed, Skipped };

    TableRow where;
    Outcome outcome = Outcome::Skipped;
    QString words; // why it failed or was skipped, translated; empty when passed
    QDateTime time;
    // The row's cells when it was checked, joined by tabs: an edited row loses its result.
    QString rowText;
    int reactionMs = 0; // from the first telegram sent to the last awaited answer

    bool passed() const { return outcome == Outcome::Passed; }
};

// "passed", "failed" or "skipped", as project files and rs485ctl's reports
// keep them; the outcome of such a name.
QString outcomeName(RowCheckResult::Outcome outcome);
std::optional<RowCheckResult::Outcome> outcomeNamed(const QString &name);

// How many of the results have the outcome.
int outcomeCount(const QList<RowCheckResult> &results, RowCheckResult::Outcome outcome);

// The text a result's row is compared by.
QString checkedRowText(const TelegramTables &tables, TableRow where);

// The results of rows that are there and read as when they were checked, one
// per row, the newest kept.
QList<RowCheckResult> resultsThatHold(const QList<RowCheckResult> &results,
                                      const TelegramTables &tables);

// "passed 2026-12-07 10:03", "failed 2026-12-07 10:03: nothing on KNX",
// "skipped: it has no value to send" (translated).
QString checkResultText(const RowCheckResult &result);
