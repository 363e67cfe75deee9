#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// Makes a call at most once per interval: at once when the last one is an
// interval ago, else when the interval is over; requests meanwhile merge.
class PacedCall : public QObject
{
public:
    PacedCall(int intervalMs, std::function<void()> call);

    void request();
    // Makes a requested call now.
    void flush();

private:
    void callNow();

    std::function<void()> call;
    int interval;
    QElapsedTimer sinceCall;
    QTimer due;
};
