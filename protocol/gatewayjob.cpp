#include "gatewayjob.h"

#include "createserialline.h"

namespace {
// The reason, then the remedy where one is known.
QString openFailureText(const QString &reason, const QString &remedy)
{
    if (remedy.isEmpty())
        return reason;
    return reason + (reason.endsWith(QLatin1Char('.')) ? QLatin1String(" ") : QLatin1String(". ")) +
           remedy;
}
} // namespace

GatewayJob::GatewayJob(const QString &port, const SerialSettings &settings,
                       const ExchangeLimits &limits, QObject *parent)
    : QObject(parent)
    , path(port)
    , settings(settings)
    , line(createSerialLine(port))
    , exchange(*line, limits)
{
    summary.port = port;
    summary.line = settings;
    connect(&exchange, &FrameExchange::resending, this, [this] { emit resending(currentTask()); });
    connect(&exchange, &FrameExchange::answeredLate, this,
            [this] { emit answeredLate(currentTask()); });
    connect(line.get(), &SerialLine::lost, this, [this](const QString &reason) {
        finish(JobResult::Failed,
               QStringLiteral("the port was lost%1: %2").arg(progressOfTask(), reason));
    });
    connect(line.get(), &SerialLine::openFailed, this,
            [this](const QString &reason, const QString &remedy) {
                finish(JobResult::CannotOpen, openFailureText(reason, remedy));
            });
    connect(line.get(), &SerialLine::opened, this, [this] {
        exchange.applySettings(this->settings);
        connect(
            line.get(), &SerialLine::settingsApplied, this, [this] { runTask(0); },
            Qt::SingleShotConnection);
    });
}

GatewayJob::~GatewayJob() = default;

const GatewayTask *GatewayJob::currentTask() const
{
    return current >= 0 ? tasks.at(size_t(current)).get() : nullptr;
}

void GatewayJob::start()
{
    clock.start();
    running = true;
    line->openLine();
}

// What the step in progress had done goes into the report.
void GatewayJob::stop()
{
    if (!running)
        return;
    finish(JobResult::Interrupted, QStringLiteral("interrupted") + progressOfTask());
}

// " after 12 of 40 frames, at 485 to KNX row 13"; empty between tasks.
QString GatewayJob::progressOfTask() const
{
    const GatewayTask *task = taskRunning ? currentTask() : nullptr;
    if (!task || task->total() == 0)
        return QString();
    const QString progress =
        QStringLiteral(" after %1 of %2 frames").arg(task->done()).arg(task->total());
    return task->awaited() == task->name() ? progress
                                           : progress + QStringLiteral(", at ") + task->awaited();
}

void GatewayJob::runTask(int index)
{
    if (!running)
        return;
    if (index == int(tasks.size())) {
        QStringList outcomes;
        for (const auto &task : tasks)
            outcomes << task->outcome();
        finish(JobResult::Succeeded, outcomes.join(QLatin1String("; ")));
        return;
    }
    current = index;
    GatewayTask *task = tasks.at(size_t(index)).get();
    connect(task, &GatewayTask::finished, this, &GatewayJob::taskDone, Qt::SingleShotConnection);
    taskRunning = true;
    emit taskStarted(task);
    task->start();
}

void GatewayJob::taskDone()
{
    taskRunning = false;
    const GatewayTask *task = currentTask();
    emit taskFinished(task);
    if (task->succeeded())
        runTask(current + 1);
    else
        finish(JobResult::Failed, task->outcome());
}

void GatewayJob::finish(JobResult result, const QString &message)
{
    if (!running)
        return;
    running = false;
    if (taskRunning) {
        taskRunning = false;
        tasks.at(size_t(current))->disconnect(this);
        tasks.at(size_t(current))->stop();
    }
    exchange.cancel();
    line->close();
    summary.result = result;
    summary.step.clear();
    if (result != JobResult::Succeeded)
        summary.step = currentTask() ? currentTask()->name() : QStringLiteral("open");
    summary.message = message;
    summary.framesAnswered = exchange.framesAnswered();
    summary.lateAnswers = exchange.lateAnswers();
    summary.resends = exchange.resends();
    summary.elapsedMs = clock.elapsed();
    summary.line = result == JobResult::CannotOpen ? settings : exchange.lineSettings();
    emit finished();
}
