#include "runreport.h"

#include "consoleoutput.h"
#include "itemtexts.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {
QStringList cellsOf(const JobReport &report)
{
    return {visible(report.port),
            resultName(report.result),
            QString::number(report.framesAnswered),
            QString::number(report.lateAnswers),
            QString::number(report.resends),
            secondsText(report.elapsedMs),
            visible(resultDetails(report))};
}
} // namespace

QString secondsText(qint64 ms)
{
    return QStringLiteral("%1 s").arg(double(ms) / 1000, 0, 'f', 1);
}

QString textColumns(const QList<QStringList> &rows)
{
    QList<int> widths(rows.first().size(), 0);
    for (const QStringList &row : rows)
        for (int column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths.at(column), int(row.at(column).size()));
    QString text;
    for (const QStringList &row : rows) {
        for (int column = 0; column < row.size() - 1; ++column)
            text += row.at(column).leftJustified(widths.at(column) + 2);
        text += row.last() + QLatin1Char('\n');
    }
    return text;
}

int exitCodeOf(const QList<JobReport> &reports, std::optional<int> interruptingSignal)
{
    if (interruptingSignal)
        return 128 + *interruptingSignal;
    const auto any = [&reports](JobResult result) {
        return std::any_of(reports.cbegin(), reports.cend(),
                           [result](const JobReport &report) { return report.result == result; });
    };
    if (any(JobResult::CannotOpen))
        return 2;
    if (any(JobResult::Failed) || any(JobResult::Interrupted))
        return 1;
    return 0;
}

QString resultName(JobResult result)
{
    switch (result) {
    case JobResult::Succeeded:
        return QStringLiteral("done");
    case JobResult::Failed:
        return QStringLiteral("failed");
    case JobResult::CannotOpen:
        return QStringLiteral("cannot open");
    case JobResult::Interrupted:
        return QStringLiteral("interrupted");
    }
    Q_UNREACHABLE();
}

QString resultDetails(const JobReport &report)
{
    switch (report.result) {
    case JobResult::Succeeded:
    case JobResult::CannotOpen:
        return report.message;
    case JobResult::Failed:
    case JobResult::Interrupted:
        return QStringLiteral("%1: %2").arg(report.step, report.message);
    }
    Q_UNREACHABLE();
}

QString summaryTable(const QList<JobReport> &reports)
{
    QList<QStringList> rows{{"PORT", "RESULT", "FRAMES", "LATE", "RETRIES", "TIME", "DETAILS"}};
    for (const JobReport &report : reports)
        rows << cellsOf(report);
    return textColumns(rows);
}

QJsonObject jobJson(const JobReport &report)
{
    return {{"port", report.port},
            {"result", resultName(report.result)},
            {"step", report.step},
            {"message", report.message},
            {"seconds", double(report.elapsedMs) / 1000},
            {"baudRate", baudRateTexts().at(report.line.baudIndex).toInt()},
            {"stopBits", stopBitTexts().at(report.line.stopBitIndex)},
            {"parity", parityTexts().at(report.line.parityIndex).toLower()}};
}

QByteArray jsonReport(const QString &command, int exitCode, const QList<JobReport> &reports)
{
    QJsonArray ports;
    for (const JobReport &report : reports) {
        QJsonObject port = jobJson(report);
        port.insert("framesAnswered", report.framesAnswered);
        port.insert("lateAnswers", report.lateAnswers);
        port.insert("retries", report.resends);
        ports.append(port);
    }
    return visibleJson(
        QJsonDocument(QJsonObject{{"command", command}, {"exitCode", exitCode}, {"ports", ports}})
            .toJson());
}
