#pragma once

#include "checkresults.h"
#include "gatewayjob.h"
#include "knxinterface.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The report of a check of rows on several ports: a line per row, the exit
// code, the summary table and the JSON report.

// A row checked and its name.
struct CheckedRow
{
    RowCheckResult result;
    QString name;
};

// What the check did on one port: its job and the rows checked, in order.
struct PortCheck
{
    JobReport job;
    QList<CheckedRow> rows;
};

// 128 + the signal when interrupted by one; else 2 when a port could not be
// opened, 1 when a job failed or a row failed its check, 0 when every row
// checked passed.
int checkExitCode(const QList<PortCheck> &ports, std::optional<int> interruptingSignal);

// "/dev/ttyUSB0 485-to-KNX row 3 "Light" FAIL: KNX 1/2/4 instead of 1/2/3",
// "... PASS", "... SKIP: why", with its line end.
QString checkRowLine(const QString &port, const CheckedRow &row);

// One row per port: port, result, rows passed, failed and skipped, time, details.
QString checkSummaryTable(const QList<PortCheck> &ports);

QByteArray checkJsonReport(const KnxInterface &interface, int exitCode,
                           const QList<PortCheck> &ports);
