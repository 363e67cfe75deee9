#include "progressdisplay.h"

#include "consoleoutput.h"
#include "gatewayjob.h"
#include "runreport.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace {
constexpr int RedrawIntervalMs = 100;
constexpr int BarWidth = 20;

int terminalColumns()
{
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

QString bar(int done, int total)
{
    const int filled = total > 0 ? qBound(0, done * BarWidth / total, BarWidth) : 0;
    return QLatin1Char('[') + QString(filled, QLatin1Char('#')) +
           QString(BarWidth - filled, QLatin1Char('-')) + QLatin1Char(']');
}

// "  2 failed  1 late  3 retries", the parts that are not 0.
QString counts(int failed, int late, int retries)
{
    QString text;
    if (failed > 0)
        text += QStringLiteral("  %1 failed").arg(failed);
    if (late > 0)
        text += QStringLiteral("  %1 late").arg(late);
    if (retries > 0)
        text += QStringLiteral("  %1 %2").arg(retries).arg(retries == 1 ? "retry" : "retries");
    return text;
}
} // namespace

ProgressDisplay::ProgressDisplay(const QList<GatewayJob *> &jobs, Style style, QObject *parent)
    : QObject(parent)
    , jobs(jobs)
    , style(style)
{
    for (const GatewayJob *job : jobs) {
        portWidth = qMax(portWidth, int(job->port().size()));
        connect(job, &GatewayJob::taskFinished, this,
                [this, job](const GatewayTask *task) { stepEnded(job, task); });
        connect(job, &GatewayJob::resending, this,
                [this, job](const GatewayTask *task) { resending(job, task); });
        connect(job, &GatewayJob::answeredLate, this,
                [this, job](const GatewayTask *task) { answeredLate(job, task); });
        connect(job, &GatewayJob::finished, this, [this, job] { jobEnded(job); });
    }
    if (style == Style::Redrawn) {
        connect(&redrawTimer, &QTimer::timeout, this, &ProgressDisplay::redraw);
        redrawTimer.start(RedrawIntervalMs);
    }
}

void ProgressDisplay::finish()
{
    if (style == Style::Redrawn && redrawTimer.isActive()) {
        redrawTimer.stop();
        redraw();
    }
}

void ProgressDisplay::print(const QString &line, bool toErr)
{
    const bool drawing = redrawTimer.isActive();
    if (drawing)
        erase();
    (toErr ? writeErr : writeOut)(line);
    if (drawing)
        redraw();
}

void ProgressDisplay::stepEnded(const GatewayJob *job, const GatewayTask *task)
{
    if (style == Style::Lines && task->succeeded())
        writeErr(
            visible(
                QStringLiteral("%1: %2 done: %3").arg(job->port(), task->name(), task->outcome())) +
            QLatin1Char('\n'));
}

void ProgressDisplay::resending(const GatewayJob *job, const GatewayTask *task)
{
    if (style != Style::Lines)
        return;
    writeErr(visible(QStringLiteral("%1: no answer to %2, sending it again")
                         .arg(job->port(), task->awaited())) +
             QLatin1Char('\n'));
}

void ProgressDisplay::answeredLate(const GatewayJob *job, const GatewayTask *task)
{
    if (style != Style::Lines)
        return;
    writeErr(visible(QStringLiteral("%1: %2 answered after the time-out")
                         .arg(job->port(), task->awaited())) +
             QLatin1Char('\n'));
}

void ProgressDisplay::jobEnded(const GatewayJob *job)
{
    const JobReport report = job->report();
    if (style == Style::Lines && report.result != JobResult::Succeeded)
        writeErr(visible(QStringLiteral("%1: %2: %3")
                             .arg(job->port(), resultName(report.result), resultDetails(report))) +
                 QLatin1Char('\n'));
}

QString ProgressDisplay::lineOf(const GatewayJob *job) const
{
    const QString port = job->port().leftJustified(portWidth + 2);
    if (!job->isRunning()) {
        const JobReport report = job->report();
        return port + resultName(report.result) + QLatin1String(": ") + resultDetails(report);
    }
    const GatewayTask *task = job->currentTask();
    if (!task)
        return port + QLatin1String("opening");
    return port + task->name().leftJustified(16) +
           QStringLiteral("%1/%2 ").arg(task->done()).arg(task->total()) +
           bar(task->done(), task->total()) +
           counts(task->failed(), job->lateAnswers(), job->resends());
}

// Moves up over the lines drawn before and draws each anew, cut to the width
// of the terminal so that none wraps.
void ProgressDisplay::redraw()
{
    const int columns = terminalColumns();
    QString text = drawnLines > 0 ? QStringLiteral("\x1b[%1A").arg(drawnLines) : QString();
    for (const GatewayJob *job : jobs)
        text +=
            QLatin1String("\r\x1b[2K") + visible(lineOf(job)).left(columns - 1) + QLatin1Char('\n');
    drawnLines = int(jobs.size());
    writeErr(text);
}

// Takes the lines drawn away, leaving the cursor where the first one began.
void ProgressDisplay::erase()
{
    if (drawnLines > 0)
        writeErr(QStringLiteral("\x1b[%1A\r\x1b[J").arg(drawnLines));
    drawnLines = 0;
}
