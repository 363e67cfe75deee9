#pragma once

#include "gatewayjob.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// The end of a run over several ports: its exit code, the summary table and
// the JSON report.

// 128 + the signal when interrupted by one; else 2 when a port could not be
// opened, 1 when a job failed, 0 when all succeeded.
int exitCodeOf(const QList<JobReport> &reports, std::optional<int> interruptingSignal);

// "done", "failed", "cannot open", "interrupted"
QString resultName(JobResult result);
// What the job did, or the failed step and why.
QString resultDetails(const JobReport &report);

// "12.3 s"
QString secondsText(qint64 ms);
// The rows of cells in columns as wide as their widest cell, the last as it is.
QString textColumns(const QList<QStringList> &rows);

// One row per port: port, result, frames answered, of them late, retries, time,
// details.
QString summaryTable(const QList<JobReport> &reports);

// What every port's JSON report holds: port, result, step, message, seconds and
// the line's settings.
QJsonObject jobJson(const JobReport &report);

QByteArray jsonReport(const QString &command, int exitCode, const QList<JobReport> &reports);
