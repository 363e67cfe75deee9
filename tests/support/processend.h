#pragma once

#include <QProcess>

// Asks the process to end, and kills it when it has not ended within 5 s.
inline void endProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}
