// Writes the commissioning report of tables of the given row counts (default
// 1000, 500 and 1000) and prints the time it took; with a file name the
// report is kept there.
//   bench_report [rows485ToKnxW rows1Byte rowsKnxTo485W [file.pdf]]

#include "reportpdf.h"
#include "sampletables.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto rows = [&](int index, int fallback) {
        return argc > index ? QByteArray(argv[index]).toInt() : fallback;
    };
    Project project;
    project.tables = SampleTables(1).make(rows(1, 1000), rows(2, 500), rows(3, 1000));
    QTemporaryDir dir;
    const QString file = argc > 4 ? QString(argv[4]) : dir.filePath("report.pdf");

    project.site = {"Plant hall 2", "Example Ltd.", "Cabinet 3, top rail", "J. Smith"};
    const CommissioningReport report = commissioningReport(
        project, "plant.db", QDateTime::currentDateTime(), SerialSettings{2, 0, 0});
    int steps = 0;
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu = std::clock();
    const ReportWriting written = writeReportPdf(report, file, [&](int, int) { return ++steps; });
    std::printf("%d rows: %s in %.2f s (%.2f s of processor time), %d progress steps\n",
                report.rowCount(), written == ReportWriting::Written ? "written" : "not written",
                clock.nsecsElapsed() / 1e9, double(std::clock() - cpu) / CLOCKS_PER_SEC, steps);
    return written == ReportWriting::Written ? 0 : 1;
}
