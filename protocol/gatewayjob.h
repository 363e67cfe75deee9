#pragma once

#include "frameexchange.h"
#include "gatewaytask.h"
#include "serialline.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>
#include <vector>

enum class JobResult {
    Succeeded,
    Failed,      // a gateway did not answer, or the port was lost
    CannotOpen,  // the port could not be opened
    Interrupted, // stopped from outside
};

// What a job did, for its summary.
struct JobReport
{
    QString port;
    JobResult result = JobResult::Succeeded;
    QString step;    // the task that failed or was interrupted; empty on success
    QString message; // the outcomes of the tasks, or why the job failed
    int framesAnswered = 0;
    int lateAnswers = 0; // of framesAnswered, after their time-out
    int resends = 0;
    qint64 elapsedMs = 0;
    SerialSettings line; // in effect at the end
};

// The work on one gateway: opens its port (a device or a network port, as
// createserialline.h names them) at the given settings and runs its tasks in
// order over one line, ending at the first task that fails. Several
// jobs run side by side on one event loop, each on its own port.
class GatewayJob : public QObject
{
    Q_OBJECT

public:
    GatewayJob(const QString &port, const SerialSettings &settings, const ExchangeLimits &limits,
               QObject *parent = nullptr);
    ~GatewayJob() override;

    // A task of the given kind over this job's line, for example
    // addTask<ModeChange>(DebugMode); the job owns it.
    template <typename Task, typename... Arguments> Task &addTask(Arguments &&...arguments)
    {
        auto task = std::make_unique<Task>(exchange, std::forward<Arguments>(arguments)...);
        Task &added = *task;
        tasks.push_back(std::move(task));
        return added;
    }

    QString port() const { return path; }
    void start();
    // Interrupts the job: the port is closed and finished() follows at once.
    void stop();
    bool isRunning() const { return running; }

    // The task running now, or the last one run; nullptr before the first.
    const GatewayTask *currentTask() const;
    int resends() const { return exchange.resends(); }
    int lateAnswers() const { return exchange.lateAnswers(); }
    JobReport report() const { return summary; }

signals:
    void taskStarted(const GatewayTask *task);
    void taskFinished(const GatewayTask *task);
    // The frame a task awaits went unanswered and is sent again.
    void resending(const GatewayTask *task);
    // The frame a task awaited was answered after its time-out.
    void answeredLate(const GatewayTask *task);
    void finished();

private:
    void runTask(int index);
    void taskDone();
    void finish(JobResult result, const QString &message);
    // Where the task running has got to, for a job that ends early.
    QString progressOfTask() const;

    const QString path;
    const SerialSettings settings;
    const std::unique_ptr<SerialLine> line;
    FrameExchange exchange;
    std::vector<std::unique_ptr<GatewayTask>> tasks;
    int current = -1;
    bool running = false;
    bool taskRunning = false;
    QElapsedTimer clock;
    JobReport summary;
};
