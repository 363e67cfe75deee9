// Feeds data through a pseudo-terminal into the real window, offscreen, as
// fast as the window takes it, and prints the displayed throughput, the
// longest event-loop stall and the growth of resident memory. With --capture
// the window captures the line into a file meanwhile.
//   bench_receive [MiB per form, default 40] [--capture]

#include "benchmeasure.h"
#include "messageboxanswerer.h"
#include "pseudoterminal.h"
#include "windowundertest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

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

// Starts the window's capture into the file, as the File menu does.
void startCapture(WindowUnderTest &w, const QString &file)
{
    MessageBoxAnswerer answerer;
    answerer.answerFileDialog(file);
    w.widget<QAction>("actionCaptureToFile")->trigger();
    if (!w.widget<QAction>("actionCaptureToFile")->isChecked())
        qFatal("cannot capture to %s", qPrintable(file));
}

void run(bool hex, qint64 total, bool capture)
{
    PseudoTerminal pty;
    QTemporaryDir captureDir;
    const QString captureFile = captureDir.filePath("capture.txt");
    WindowUnderTest w({pty.slavePath()});
    w.window().show();
    w.widget<QCheckBox>("checkBoxHex4Disp")->setChecked(hex);
    if (!w.openPort(pty.slavePath()))
        qFatal("cannot open %s", qPrintable(pty.slavePath()));
    if (capture)
        startCapture(w, captureFile);
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
    if (capture)
        std::printf("     capture file %.1f MiB\n",
                    QFileInfo(captureFile).size() / (1024.0 * 1024.0));
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool capture = arguments.removeAll("--capture") > 0;
    const qint64 mib = arguments.isEmpty() ? 40 : arguments.first().toLongLong();
    run(true, mib * 1024 * 1024, capture);
    run(false, mib * 1024 * 1024, capture);
    return 0;
}
