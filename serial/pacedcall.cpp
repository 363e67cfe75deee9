#include "pacedcall.h"

PacedCall::PacedCall(int intervalMs, std::function<void()> call)
    : call(std::move(call))
    , interval(intervalMs)
{
    due.setSingleShot(true);
    due.setTimerType(Qt::PreciseTimer);
    connect(&due, &QTimer::timeout, this, &PacedCall::callNow);
}

void PacedCall::request()
{
    if (due.isActive())
        return;
    const qint64 since = sinceCall.isValid() ? sinceCall.elapsed() : interval;
    if (since >= interval)
        callNow();
    else
        due.start(int(interval - since));
}

void PacedCall::flush()
{
    if (due.isActive())
        callNow();
}

void PacedCall::callNow()
{
    due.stop();
    sinceCall.start();
    call();
}
