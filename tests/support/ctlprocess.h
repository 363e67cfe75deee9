#pragma once

#include <QProcess>
#include <QTest>

// What rs485ctl (RS485CTL, the test's build of it) printed, and its exit
// code: -1 when it crashed or had to be killed.
struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Waits for a started rs485ctl to end, the test's event loop running
// meanwhile (the gateways of the test process go on answering).
inline Outcome finish(QProcess &process, int timeoutMs = 60000)
{
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs))
        process.kill();
    process.waitForFinished();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline Outcome rs485ctl(const QStringList &arguments, int timeoutMs = 60000)
{
    QProcess process;
    process.start(RS485CTL, arguments);
    return finish(process, timeoutMs);
}
