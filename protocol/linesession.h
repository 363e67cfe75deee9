#pragma once

#include "frameexchange.h"
#include "gatewaytask.h"
#include "serialline.h"

#include <QObject>

#include <memory>

// The window's line: the open port and the one engine over it, which runs
// one task at a time. The engine belongs to the open line: Close, a lost line
// or a new task end the task outstanding at once, and no later answer is
// taken for it. Frames wait as the window does: one try, the window's answer
// rule (AnswerRule::Block).
class LineSession : public QObject
{
    Q_OBJECT

public:
    enum class EndReason { Closed, Lost, NewTask, Stopped };

    LineSession(const ExchangeLimits &limits, int readBufferSize, QObject *parent = nullptr);
    ~LineSession() override;

    // Opens the port of this name (createserialline.h): opened() or
    // openFailed() follows, within the call for a local device.
    void open(const QString &portName);
    void close();
    bool isOpen() const { return exchange != nullptr; }
    bool isOpening() const { return myCom && myCom->isOpening(); }
    // The line last opened, open or not; nullptr before the first open.
    SerialLine *line() const { return myCom.get(); }

    // A task of this kind over the open line, for example
    // prepare<ModeChange>(DebugMode), to be connected to and run().
    template <typename Task, typename... Arguments> Task *prepare(Arguments &&...arguments)
    {
        auto *task = new Task(*exchange, std::forward<Arguments>(arguments)...);
        task->setParent(this);
        return task;
    }
    // Starts a prepared task; the task outstanding ends first.
    void run(GatewayTask *task);
    // Ends the task outstanding, if any.
    void stop() { endTask(EndReason::Stopped); }
    // The task running, or nullptr.
    GatewayTask *task() const { return running ? current : nullptr; }
    // Puts the bytes on the open line; the task outstanding goes on.
    void sendRaw(const QByteArray &bytes);

signals:
    void opened();
    void openFailed(const QString &reason, const QString &remedy);
    // The line went away; the task outstanding has ended before.
    void lost(const QString &reason);
    void sent(const QByteArray &bytes);
    void received(const QByteArray &bytes);
    void shown(const QByteArray &bytes);
    // The frame in flight is past its time-out (FrameExchange::overdue()).
    void overdue();
    // A task ended by itself, having succeeded or failed.
    void taskFinished(GatewayTask *task);
    // A task was ended from outside.
    void taskEnded(GatewayTask *task, LineSession::EndReason reason);

private:
    void lineOpened();
    void lineLost(const QString &reason);
    void endTask(EndReason reason);
    void retire();

    const ExchangeLimits limits;
    const int readBufferSize;
    std::unique_ptr<SerialLine> myCom;
    std::unique_ptr<FrameExchange> exchange;
    GatewayTask *current = nullptr; // a child, kept until the next task
    bool running = false;
};
