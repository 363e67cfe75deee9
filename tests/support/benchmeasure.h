#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <unistd.h>

// Resident memory of this process in MB.
inline double residentMegabytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

// The longest time the event loop went without running a 5 ms timer.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        tick.setInterval(5);
        connect(&tick, &QTimer::timeout, this,
                [this] { longest = qMax(longest, sinceLast.restart()); });
    }
    void start()
    {
        longest = 0;
        sinceLast.start();
        tick.start();
    }
    qint64 longestMs() const { return longest; }

private:
    QTimer tick;
    QElapsedTimer sinceLast;
    qint64 longest = 0;
};
