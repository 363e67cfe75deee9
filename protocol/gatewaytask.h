#pragma once

#include "frameexchange.h"
#include "serialline.h"

#include <QObject>
#include <QString>

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
    // The frame awaiting its answer, as a failure names it.
    virtual QString awaited() const { return name(); }

    bool succeeded() const { return ok; }
    // What the task achieved, or why it failed.
    QString outcome() const { return result; }

signals:
    void finished();

protected:
    SerialLine &line() const { return exchange.line(); }
    // Puts the settings into effect on the line, then calls next.
    template <typename Next> void applyThen(const SerialSettings &settings, Next next);
    void succeed(const QString &outcome);
    void fail(const QString &reason);
    // Fails for the awaited frame, after every try of the limits.
    void failUnanswered();

    FrameExchange &exchange;

private:
    QString result;
    bool ok = false;
};

template <typename Next> void GatewayTask::applyThen(const SerialSettings &settings, Next next)
{
    exchange.applySettings(settings);
    connect(&line(), &SerialLine::settingsApplied, this, next, Qt::SingleShotConnection);
}
