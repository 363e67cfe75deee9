#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

class GatewayJob;
class GatewayTask;

// Shows on standard error how the jobs get on. Redrawn: one line per port,
// updated in place (port, step, frames or rows done of the step's total, a
// bar, rows failed, late answers, retries). Lines: one line per step ended,
// per frame answered late or sent again and per port that cannot be opened,
// for logs and pipes.
class ProgressDisplay : public QObject
{
    Q_OBJECT

public:
    enum class Style { Redrawn, Lines };

    ProgressDisplay(const QList<GatewayJob *> &jobs, Style style, QObject *parent = nullptr);

    // Draws the last state; nothing is shown after.
    void finish();
    // A line of the run's own, on standard error when toErr, else on standard
    // output; lines being redrawn are taken away for it and drawn again below.
    void print(const QString &line, bool toErr);

private:
    void stepEnded(const GatewayJob *job, const GatewayTask *task);
    void resending(const GatewayJob *job, const GatewayTask *task);
    void answeredLate(const GatewayJob *job, const GatewayTask *task);
    void jobEnded(const GatewayJob *job);
    void redraw();
    void erase();
    QString lineOf(const GatewayJob *job) const;

    const QList<GatewayJob *> jobs;
    const Style style;
    QTimer redrawTimer;
    int portWidth = 0;
    int drawnLines = 0;
};
