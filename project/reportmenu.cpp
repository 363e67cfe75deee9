#include "mainwindow.h"
#include "reportpdf.h"

#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

void MainWindow::on_actionCommissioningReport_triggered()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Commissioning report"), "commissioning-report.pdf", tr("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    const CommissioningReport report =
        commissioningReport(currentProject(), projectFileName, QDateTime::currentDateTime());
    QProgressDialog progress(tr("Writing the commissioning report…"), tr("Cancel"), 0, 1, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const ReportWriting written = writeReportPdf(report, fileName, [&](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    if (written == ReportWriting::Failed)
        QMessageBox::critical(this, tr("ERROR"), tr("Cannot write!"));
}
