// Feeds data through a pseudo-terminal into the real window, offscreen, as
// fast as the window takes it, and prints the displayed throughput, the
// longest event-loop stall and the growth of resident memory.
//   bench_receive [MiB per form, default 40]

#include "benchmeasure.h"
#include "pseudoterminal.h"
#include "windowundertest.h"

#include <QApplication>
#include <QCheckBox>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {
qint64 receivedCount(const WindowUnderTest &w)
{
    static const QRegularExpression rx("RX:(\\d+)B");
    return rx.match(w.statusText()).captured(1).toLongLong();
}

QByteArray sampleData(bool hex)
{
    QByteArray data(64 * 1024, '\0');
    QRandomGenerator random(7);
    for (char &byte : data) {
        if (hex)
            byte = char(random.bounded(256));
        else
            byte = random.bounded(60) == 0 ? '\n' : char(' ' + random.bounded(95));
    }
    return data;
}

void run(bool hex, qint64 total)
{
    PseudoTerminal pty;
    WindowUnderTest w({pty.slavePath()});
    w.window().show();
    w.widget<QCheckBox>("checkBoxHex4Disp")->setChecked(hex);
    if (!w.openPort(pty.slavePath()))
        qFatal("cannot open %s", qPrintable(pty.slavePath()));
    QApplication::processEvents();

    const double rssBefore = residentMegabytes();
    const QByteArray chunk = sampleData(hex);
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (qint64 sent = 0; sent < total && !stop; sent += chunk.size())
            pty.write(chunk.left(int(qMin<qint64>(chunk.size(), total - sent))));
    });

    StallMeter stalls;
    stalls.start();
    QElapsedTimer clock;
    clock.start();
    while (receivedCount(w) < total && clock.elapsed() < 600000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double seconds = clock.elapsed() / 1000.0;
    stop = true;
    writer.join();

    const double mib = receivedCount(w) / (1024.0 * 1024.0);
    std::printf("%-4s form: %.1f MiB displayed in %.1f s = %.2f MiB/s, longest stall %lld ms, "
                "RSS growth %.0f MB, area holds %d lines\n",
                hex ? "hex" : "text", mib, seconds, mib / seconds, stalls.longestMs(),
                residentMegabytes() - rssBefore,
                w.widget<QPlainTextEdit>("textEditRecv")->document()->blockCount());
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 mib = argc > 1 ? QByteArray(argv[1]).toLongLong() : 40;
    run(true, mib * 1024 * 1024);
    run(false, mib * 1024 * 1024);
    return 0;
}
