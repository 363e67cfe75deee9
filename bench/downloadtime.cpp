// Downloads full tables (512, 256 and 512 rows: 1,281 frames) from the real
// window, offscreen, to the virtual gateway running as its own process with
// immediate answers, and prints the total time and the time per frame.
//   bench_download <path of gateway-emulator>

#include "benchmeasure.h"
#include "downloadframes.h"
#include "messageboxanswerer.h"
#include "sampletables.h"
#include "tablefilling.h"
#include "windowundertest.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        qFatal("usage: bench_download <gateway-emulator>");

    QTemporaryDir dir;
    const QString link = dir.filePath("gateway");
    QProcess gateway;
    gateway.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    gateway.setStandardErrorFile(dir.filePath("gateway.log"));
    gateway.start(argv[1], {"--link", link});
    if (!QTest::qWaitFor([&] { return QFileInfo(link).isSymLink(); }, 5000))
        qFatal("the gateway did not start");

    WindowUnderTest w({link});
    w.select("comboBoxBaudRate", "9600");
    if (!w.openPort(link))
        qFatal("cannot open %s", qPrintable(link));
    fillTables(w, SampleTables(1).make(512, 256, 512));

    MessageBoxAnswerer answerer;
    StallMeter stalls;
    stalls.start();
    QElapsedTimer clock;
    clock.start();
    w.click("pushButtonBurnData");
    if (!answerer.waitForBoxes(1, 120000))
        qFatal("no end of the download");
    const double ms = clock.nsecsElapsed() / 1e6;
    const int frames = 1 + 512 + 256 + 512;
    std::printf("%s: %d frames in %.0f ms = %.3f ms per frame (tool and gateway together), "
                "longest stall %lld ms\n",
                qPrintable(answerer.last().text), frames, ms, ms / frames, stalls.longestMs());
    gateway.terminate();
    gateway.waitForFinished();
    return 0;
}
