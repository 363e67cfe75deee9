// Feeds data through a pseudo-terminal into the real window, in each form:
// first paced at 100 KiB/s, printing the CPU time of the process per MiB;
// then as fast as the window takes it, printing the displayed throughput, the
// longest event-loop stall and the growth of resident memory.
//   bench_receive [MiB per form of the flood, default 40] [seconds paced, default 30]
//                 [--capture]
// With --capture the window captures the line into a file meanwhile. Each
// measurement runs in a process and window of its own, on the display of the
// environment (xvfb-run -a bench_receive), or offscreen without one.

#include "benchmeasure.h"
#include "messageboxanswerer.h"
#include "pseudoterminal.h"
#include "windowundertest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {
constexpr int PacedBytesPerSecond = 100 * 1024;
constexpr int PacedPiecesPerSecond = 100;

// The RX counter of the status bar, which ends "RX:<count>B".
qint64 receivedCount(const WindowUnderTest &w)
{
    const QString text = w.statusText();
    return QStringView(text).sliced(text.lastIndexOf(QLatin1Char(':')) + 1).chopped(1).toLongLong();
}

// Random bytes, or text lines of 78 printable characters and CR LF.
QByteArray sampleData(bool hex)
{
    QByteArray data(80 * 1024, '\0');
    QRandomGenerator random(7);
    for (int i = 0; i < data.size(); ++i) {
        if (hex)
            data[i] = char(random.bounded(256));
        else if (i % 80 >= 78)
            data[i] = i % 80 == 78 ? '\r' : '\n';
        else
            data[i] = char(' ' + random.bounded(95));
    }
    return data;
}

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Writes total bytes of the sample in pieces, paced or as fast as the line
// takes them, on its own thread; its own CPU time is kept apart.
class Feeder
{
public:
    Feeder(PseudoTerminal &pty, bool hex, qint64 total, bool paced)
        : thread([this, &pty, hex, total, paced] { feed(pty, sampleData(hex), total, paced); })
    {}
    ~Feeder() { finish(); }
    double finish()
    {
        stop = true;
        if (thread.joinable())
            thread.join();
        return ownCpu;
    }

private:
    void feed(PseudoTerminal &pty, const QByteArray &sample, qint64 total, bool paced)
    {
        const double cpuAtStart = cpuSeconds(RUSAGE_THREAD);
        const int piece = paced ? PacedBytesPerSecond / PacedPiecesPerSecond : int(sample.size());
        const auto start = std::chrono::steady_clock::now();
        for (qint64 sent = 0; sent < total && !stop; sent += piece) {
            const qint64 offset = sent % sample.size();
            pty.write(sample.mid(offset, qMin<qint64>(piece, total - sent)));
            if (paced)
                std::this_thread::sleep_until(
                    start +
                    std::chrono::microseconds((sent + piece) * 1000000 / PacedBytesPerSecond));
        }
        ownCpu = cpuSeconds(RUSAGE_THREAD) - cpuAtStart;
    }

    std::atomic<bool> stop{false};
    double ownCpu = 0;
    std::thread thread;
};

// Runs the event loop until the window counts total received bytes.
void waitUntilReceived(const WindowUnderTest &w, qint64 total)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (receivedCount(w) >= total)
            loop.quit();
    });
    check.start(250);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    loop.exec();
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

bool capturing = false;

struct Window
{
    explicit Window(bool hex)
        : w({pty.slavePath()})
    {
        w.window().show();
        w.widget<QCheckBox>("checkBoxHex4Disp")->setChecked(hex);
        if (!w.openPort(pty.slavePath()))
            qFatal("cannot open %s", qPrintable(pty.slavePath()));
        if (capturing)
            startCapture(w, captureFile());
        QApplication::processEvents();
    }
    QString captureFile() const { return captureDir.filePath("capture.txt"); }

    PseudoTerminal pty;
    QTemporaryDir captureDir;
    WindowUnderTest w;
};

void runPaced(bool hex, int seconds)
{
    Window window(hex);
    // What the window sets up at its first lines is not counted.
    const qint64 warmUp = 2 * PacedBytesPerSecond;
    {
        Feeder warming(window.pty, hex, warmUp, true);
        waitUntilReceived(window.w, warmUp);
    }
    const qint64 measured = qint64(seconds) * PacedBytesPerSecond;
    const double cpuBefore = cpuSeconds(RUSAGE_SELF);
    Feeder feeder(window.pty, hex, measured, true);
    waitUntilReceived(window.w, warmUp + measured);
    const double feederCpu = feeder.finish();
    const double cpu = cpuSeconds(RUSAGE_SELF) - cpuBefore - feederCpu;
    const double mib = (receivedCount(window.w) - warmUp) / (1024.0 * 1024.0);
    std::printf("%-4s form, paced at 100 KiB/s: %.2f MiB in %d s, CPU %.2f s = %.3f s/MiB\n",
                hex ? "hex" : "text", mib, seconds, cpu, cpu / mib);
}

void runFlood(bool hex, qint64 total)
{
    Window window(hex);
    const double rssBefore = residentMegabytes();
    StallMeter stalls;
    stalls.start();
    QElapsedTimer clock;
    clock.start();
    Feeder feeder(window.pty, hex, total, false);
    waitUntilReceived(window.w, total);
    const double seconds = clock.elapsed() / 1000.0;
    feeder.finish();

    const double mib = receivedCount(window.w) / (1024.0 * 1024.0);
    std::printf("%-4s form, flood: %.1f MiB displayed in %.1f s = %.2f MiB/s, longest stall %lld "
                "ms, RSS growth %.0f MB, area holds %d lines\n",
                hex ? "hex" : "text", mib, seconds, mib / seconds, stalls.longestMs(),
                residentMegabytes() - rssBefore,
                int(window.w.receivedText().count(QLatin1Char('\n'))) + 1);
    if (capturing)
        std::printf("     capture file %.1f MiB\n",
                    QFileInfo(window.captureFile()).size() / (1024.0 * 1024.0));
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const int runAt = int(arguments.indexOf("--run"));
    const QString run = runAt >= 0 ? arguments.value(runAt + 1) : QString();
    capturing = arguments.contains("--capture");
    arguments.removeAll("--capture");
    const qint64 mib = arguments.size() > 0 ? arguments[0].toLongLong() : 40;
    const int pacedSeconds = arguments.size() > 1 ? arguments[1].toInt() : 30;
    if (run.isEmpty()) {
        std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
        std::fflush(stdout);
        for (const char *each : {"paced-hex", "flood-hex", "paced-text", "flood-text"}) {
            const bool paced = QByteArray(each).startsWith("paced");
            if ((paced && pacedSeconds > 0) || (!paced && mib > 0))
                QProcess::execute(app.applicationFilePath(),
                                  app.arguments().mid(1) + QStringList{"--run", each});
        }
    } else if (run.startsWith("paced")) {
        runPaced(run.endsWith("hex"), pacedSeconds);
    } else {
        runFlood(run.endsWith("hex"), mib * 1024 * 1024);
    }
    return 0;
}
