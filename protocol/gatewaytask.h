#pragma once

#include "frameexchange.h"
#include "serialline.h"

#include <QObject>
#include <QString>

#include <optional>

// One step of the work on a gateway (a scan, a mode command, a download),
// run over the line of its job. It ends with finished(), having succeeded
// with an outcome or failed with a reason, unless it is stopped first.
class GatewayTask : public QObject
{
    Q_OBJECT

public:
    explicit GatewayTask(FrameExchange &exchange);

    // "scan", "debug mode", "download", ...
    virtual QString name() const = 0;
    virtual void start() = 0;
    // Nothing more is sent and finished() does not follow.
    virtual void stop();

    // Frames (a scan: probes) done so far, and in all when each is answered first time.
    virtual int done() const = 0;
    virtual int total() const = 0;
    // Of those done, the ones that failed without ending the task (rows that
    // failed their check).
    virtual int failed() const { return 0; }
    // The frame awaiting its answer, as a failure names it.
    virtual QString awaited() const { return name(); }

    // The limits of the task's frames: the exchange's unless set.
    void setLimits(const ExchangeLimits &taskLimits) { ownLimits = taskLimits; }
    ExchangeLimits limits() const { return ownLimits.value_or(exchange.limits()); }

    bool succeeded() const { return ok; }
    // What the task achieved, or why it failed.
    QString outcome() const { return result; }

signals:
    void finished();
    // A frame of the task went out; done() counts those answered before it.
    void progressed();

protected:
    SerialLine &line() const { return exchange.line(); }
    // Puts the settings into effect on the line, then calls next: at once
    // when the line takes them at once.
    template <typename Next> void applyThen(const SerialSettings &settings, Next next);
    // Sends the frame within the task's limits.
    void send(const QByteArray &frame, int answerLength, FrameExchange::AnswerHandler done);
    void succeed(const QString &outcome);
    void fail(const QString &reason);
    // Fails for the awaited frame, after every try of the limits, adding the
    // remedy if there is one.
    void failUnanswered(const QString &remedy = QString());

    FrameExchange &exchange;

private:
    QString result;
    bool ok = false;
    std::optional<ExchangeLimits> ownLimits;
};

template <typename Next> void GatewayTask::applyThen(const SerialSettings &settings, Next next)
{
    exchange.applySettings(settings);
    if (line().isApplyingSettings())
        connect(&line(), &SerialLine::settingsApplied, this, next, Qt::SingleShotConnection);
    else
        next();
}
