#include "checkreport.h"

#include "consoleoutput.h"
#include "rowselection.h"
#include "runreport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {
using Outcome = RowCheckResult::Outcome;

int countOf(const PortCheck &port, Outcome outcome)
{
    return int(
        std::count_if(port.rows.cbegin(), port.rows.cend(),
                      [outcome](const CheckedRow &row) { return row.result.outcome == outcome; }));
}

QStringList cellsOf(const PortCheck &port)
{
    return {visible(port.job.port),
            resultName(port.job.result),
            QString::number(countOf(port, Outcome::Passed)),
            QString::number(countOf(port, Outcome::Failed)),
            QString::number(countOf(port, Outcome::Skipped)),
            secondsText(port.job.elapsedMs),
            visible(resultDetails(port.job))};
}

QJsonObject rowJson(const CheckedRow &row)
{
    return {{"table", tableArgument(row.result.where.table)},
            {"row", row.result.where.row + 1},
            {"name", row.name},
            {"outcome", outcomeName(row.result.outcome)},
            {"words", row.result.words},
            {"reactionMs", row.result.reactionMs}};
}

QJsonObject portJson(const PortCheck &port)
{
    QJsonArray rows;
    for (const CheckedRow &row : port.rows)
        rows.append(rowJson(row));
    QJsonObject json = jobJson(port.job);
    json.insert("rows", rows);
    json.insert("summary", QJsonObject{{"passed", countOf(port, Outcome::Passed)},
                                       {"failed", countOf(port, Outcome::Failed)},
                                       {"skipped", countOf(port, Outcome::Skipped)}});
    return json;
}
} // namespace

int checkExitCode(const QList<PortCheck> &ports, std::optional<int> interruptingSignal)
{
    QList<JobReport> jobs;
    for (const PortCheck &port : ports)
        jobs << port.job;
    const int code = exitCodeOf(jobs, interruptingSignal);
    const bool anyFailed = std::any_of(ports.cbegin(), ports.cend(), [](const PortCheck &port) {
        return countOf(port, Outcome::Failed) > 0;
    });
    return code == 0 && anyFailed ? 1 : code;
}

QString checkRowLine(const QString &port, const CheckedRow &row)
{
    const RowCheckResult &result = row.result;
    const QString outcome = result.outcome == Outcome::Passed ? QStringLiteral("PASS")
                            : result.outcome == Outcome::Failed
                                ? QStringLiteral("FAIL: ") + result.words
                                : QStringLiteral("SKIP: ") + result.words;
    return visible(QStringLiteral("%1 %2 row %3 \"%4\" %5")
                       .arg(port, tableArgument(result.where.table),
                            QString::number(result.where.row + 1), row.name, outcome)) +
           QLatin1Char('\n');
}

QString checkSummaryTable(const QList<PortCheck> &ports)
{
    QList<QStringList> rows{{"PORT", "RESULT", "PASSED", "FAILED", "SKIPPED", "TIME", "DETAILS"}};
    for (const PortCheck &port : ports)
        rows << cellsOf(port);
    return textColumns(rows);
}

QByteArray checkJsonReport(const KnxInterface &interface, int exitCode,
                           const QList<PortCheck> &ports)
{
    QJsonArray portsJson;
    for (const PortCheck &port : ports)
        portsJson.append(portJson(port));
    const QJsonObject report{{"command", "check"},
                             {"exitCode", exitCode},
                             {"knx", interface.text()},
                             {"ports", portsJson}};
    return visibleJson(QJsonDocument(report).toJson());
}
